#include "album/album_info_line.h"

#include "album/album_text.h"

namespace lumidex {

std::string ToAlbumInfoLine(std::string_view line, std::string_view year) {
  if (!IsSubAlbumEntry(EntryNameOf(line))) return std::string(line);
  return "@" + std::string(year) + std::string(line.substr(1));
}

bool IsPlainName(std::string_view name) {
  return !name.empty() && name.find_first_of("/\\=\r\n") == std::string_view::npos &&
         name.find("..") == std::string_view::npos;
}

std::optional<SubAlbumInfo> ParseSubAlbumInfo(std::string_view line) {
  const std::string_view name = EntryNameOf(line);
  if (name.size() < 1 + 4 + 5 + 1 || name[0] != '@') return std::nullopt;
  const std::string_view year = name.substr(1, 4);
  if (year.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const std::string_view section = name.substr(5);
  if (!IsPageKey(section.substr(0, 5)) || !IsPlainName(section.substr(5))) return std::nullopt;
  return SubAlbumInfo{std::string(year), std::string(section), std::string(EntryCommentOf(line))};
}

}  // namespace lumidex
