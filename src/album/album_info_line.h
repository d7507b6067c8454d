#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// Album information travels between pages, years and programs as lines:
// a file entry as its raw line "path=comment"; a sub-album entry as "@" +
// the four-digit year of its document + its section + "=" + comment, so
// "@03/15旅行=c" of a 2013 page travels as "@201303/15旅行=c".

// The album-info form of the entry `line` of a section of `year`: file
// entries unchanged, sub-album entries with the year put in.
std::string ToAlbumInfoLine(std::string_view line, std::string_view year);

// A sub-album entry in album-info form, taken apart.
struct SubAlbumInfo {
  std::string year;     // "yyyy", four digits
  std::string section;  // page key "mm/dd" followed by the sub-album name
  std::string comment;
};

// Parses a sub-album line in album-info form. Such lines come from the
// clipboard, that is from outside: the year must be four digits (it names a
// file of the album), the section must start with a page key, and the name
// must be a plain name, not empty and without "/", "\" or "..". nullopt for
// anything else.
std::optional<SubAlbumInfo> ParseSubAlbumInfo(std::string_view line);

// True when `name` is a plain name for a file or sub-album: not empty, and
// without "/", "\", "..", "=", CR or LF. Names read from files and clipboards
// must pass before they become part of a path or a key.
bool IsPlainName(std::string_view name);

}  // namespace lumidex
