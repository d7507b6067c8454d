#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/data_folders.h"
#include "foundation/status.h"

namespace lumidex {

class ShellImages;

// The wallpaper folder: `userDir` + "SCR/". It keeps one converted copy of
// every picture used as the wallpaper, named after the picture with the
// extension ".jpg", and is the list of earlier wallpapers the dialog offers.
// Created when the first copy is written.
std::string WallpaperFolder(const DataFolders& folders);

// The copy of `picture` in `folder`: its file name with the extension
// replaced by ".jpg" ("a.png" -> "a.jpg", "a" -> "a.jpg"). Pictures of the
// same name in different folders share one copy.
std::string WallpaperCopyPath(std::string_view folder, std::string_view picture);

// The names of the regular files in `folder`, sorted by name, without the
// temporary files of unfinished writes. Empty when the folder is missing.
std::vector<std::string> ListWallpaperFiles(const std::string& folder);

// Deletes the files `names` from `folder`, from the last name towards the
// first. A name that is not a plain file name (empty, ".", "..", holding
// "/") is skipped, so nothing outside the folder can be deleted. Stops at
// the first failure with Error "ファイル %s を削除できません"; the files
// before it are gone.
Status DeleteWallpaperFiles(const std::string& folder, const std::vector<std::string>& names);

// Writes the copy of `picture` into `folder` (creating it), replacing a copy
// of that name, and returns its path. A ".jpg" picture (extension in any
// case) is checked by decoding it and copied byte for byte; any other is
// decoded (for types the album cannot decode: the desktop's thumbnail from
// `shell`), shrunk to fit screenWidth x screenHeight when larger, and
// written as a JPEG of quality 90.
// Errors, with the folder unchanged: "背景にできない画像です: <picture>" when
// the picture cannot be read or decoded; the file store's message when the
// copy cannot be written. REQUIRES: screen sides >= 1.
Result<std::string> WriteWallpaperCopy(const std::string& picture, const std::string& folder,
                                       const ShellImages& shell, int screenWidth, int screenHeight);

}  // namespace lumidex
