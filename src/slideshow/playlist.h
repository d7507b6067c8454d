#pragma once

#include <string>
#include <vector>

#include "foundation/file_store.h"

namespace lumidex {

// The tracks the slide show's music plays for a container (a page or a
// sub-album), built from the keys of its entries in document order:
// - a key with a music extension (FileTypeLists::IsMusicType) is a track,
//   as written;
// - a key with the extension ".m3u" names a playlist file, whose tracks join
//   in its place (format below);
// - everything else (pictures, other files, sub-album references "@...",
//   names without an extension) is skipped.
// Duplicates are kept and nothing is sorted.
//
// Playlist file format: lines of text, cp932 or UTF-8 (a byte-order mark, or
// valid UTF-8 with non-ASCII bytes, means UTF-8; see DecodeEditedFile), ended
// by CR LF or LF. A line starting with "#" is a comment (so "#EXTM3U" and
// "#EXTINF:" lines are); empty lines and lines without a music or ".m3u"
// extension are skipped. A line is a path: one starting with "/", or of
// Windows form ("C:\...", "\\server\..."), is taken as written; any other is
// relative to the folder of the playlist file. A line naming a ".m3u" file is
// expanded in its place the same way.
//
// Every playlist file is expanded at most once per call, so a playlist that
// names itself, or a ring of playlists naming each other, ends; a playlist
// reached a second time contributes nothing there. A playlist file that
// cannot be read (missing, not a regular file, too large, not text) is read
// through `store` with the album's text check and contributes nothing.
std::vector<std::string> BuildPlaylist(const std::vector<std::string>& keys,
                                       FileStore& store = RealFileStore());

}  // namespace lumidex
