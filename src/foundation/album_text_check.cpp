#include "foundation/album_text_check.h"

#include <cstring>

#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr size_t kLineBreakWindow = 1 << 20;

bool HasWideTextMark(std::string_view bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

bool HasSectionLine(std::string_view text) {
  size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '[') return true;
    const size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) return false;
    at = end + 1;
  }
  return false;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

Status CheckAlbumText(std::string_view path, std::string_view bytes, AlbumTextKind kind) {
  const bool textual =
      std::memchr(bytes.data(), '\0', bytes.size()) == nullptr && !HasWideTextMark(bytes);
  const bool hasLines =
      bytes.size() <= kLineBreakWindow ||
      bytes.substr(0, kLineBreakWindow).find_first_of("\r\n") != std::string_view::npos;
  std::string_view text = bytes;
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  const bool structured =
      kind != AlbumTextKind::kIniDocument || IsBlank(text) || HasSectionLine(text);
  if (textual && hasLines && structured) return Status::Ok();
  return Status::Error(UnreadableTextMessage(path));
}

Result<std::string> ReadAlbumFile(FileStore& store, const std::string& path, AlbumTextKind kind) {
  Result<std::string> bytes = store.ReadAll(path);
  if (!bytes.ok()) return bytes;
  if (Status s = CheckAlbumText(path, bytes.value(), kind); !s.ok()) return s;
  return bytes;
}

std::string UnreadableTextMessage(std::string_view path) {
  return FormatMessage(
      "ファイル %s "
      "はアルバムのファイルとして読めないため、開けません。このファイルは変更しません。",
      {path});
}

}  // namespace lumidex
