#pragma once

#include <string>
#include <vector>

#include "foundation/file_types.h"

namespace lumidex {

// The files the window program is started with (the desktop's "open with"):
// each picture goes onto the page of its shooting date, the others are
// named to the user in one message.

// The paths sorted by what can become of them, each list in the order given.
struct OpenedFiles {
  std::vector<std::string> pictures;     // full paths of files that can be registered
  std::vector<std::string> missing;      // paths of no existing file (folders included)
  std::vector<std::string> notPictures;  // files of a type the album does not register
};

// Sorts the program's arguments. A relative path is taken from `currentFolder`
// and every path is made plain ("a/./b/../c" becomes "a/c"). A file can be
// registered when it is a regular file of a picture type or a managed type.
OpenedFiles SortOpenedFiles(const std::vector<std::string>& arguments, const std::string& currentFolder,
                            const FileTypeLists& types);

// The one message about the files that were not registered: those that do
// not exist, then those that are not pictures, at most kListedFiles names
// each with the count of the rest. "" when every file was a picture.
inline constexpr int kListedFiles = 10;
std::string RefusedFilesMessage(const OpenedFiles& files);

}  // namespace lumidex
