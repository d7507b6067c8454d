// fuzz-libs: lumidex_album lumidex_foundation
// Pasted album information and placement names come from outside: any text
// parses without crashing, an accepted sub-album line names a four-digit
// year file and a plain sub-album name, and its album-info form reads back
// to the same parts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "album/album_clipboard.h"
#include "album/album_info_line.h"
#include "album/album_text.h"
#include "foundation/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  const std::string text =
      DecodeUtf8Lossless(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& line : ParseAlbumInfoText(text)) {
    if (line.empty() || line.find_first_of("\r\n") != std::string::npos) std::abort();
    const auto info = ParseSubAlbumInfo(line);
    if (!info) continue;
    if (info->year.size() != 4 || info->year.find_first_not_of("0123456789") != std::string::npos) {
      std::abort();
    }
    if (!IsPageKey(info->section.substr(0, 5)) || !IsPlainName(SubAlbumNameOf(info->section))) {
      std::abort();
    }
    const auto again =
        ParseSubAlbumInfo(ToAlbumInfoLine("@" + info->section + "=" + info->comment, info->year));
    if (!again || again->year != info->year || again->section != info->section ||
        again->comment != info->comment) {
      std::abort();
    }
  }
  return 0;
}
