#include "foundation/album_text_check.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "foundation/ini_line.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr size_t kLineBreakWindow = 1 << 20;

}  // namespace

void AlbumTextCheck::Add(std::string_view piece) {
  if (piece.empty()) return;
  nul_ = nul_ || std::memchr(piece.data(), '\0', piece.size()) != nullptr;
  if (size_ < kLineBreakWindow && !lineBreakInWindow_) {
    const std::string_view window = piece.substr(0, kLineBreakWindow - size_);
    lineBreakInWindow_ = FindLineBreak(window, 0) < window.size();
  }
  size_ += piece.size();
  if (!headDone_) {
    // The marks are told by the first three bytes, which may come in pieces.
    const size_t taken = std::min(piece.size(), kUtf8Bom.size() - head_.size());
    head_.append(piece.substr(0, taken));
    piece.remove_prefix(taken);
    if (head_.size() < kUtf8Bom.size()) return;
    wideMark_ = head_.starts_with("\xFF\xFE") || head_.starts_with("\xFE\xFF");
    headDone_ = true;
    if (head_ != kUtf8Bom) AddText(head_);
  }
  AddText(piece);
}

void AlbumTextCheck::AddText(std::string_view text) {
  if (text.empty()) return;
  if (blank_) blank_ = text.find_first_not_of(" \t\r\n") == std::string_view::npos;
  if (!sectionLine_) {
    size_t at = 0;
    bool lineStart = atLineStart_;
    while (!sectionLine_ && at < text.size()) {
      sectionLine_ = lineStart && text[at] == '[';
      at = FindLineBreak(text, at);
      lineStart = at < text.size();
      ++at;
    }
  }
  atLineStart_ = text.back() == '\r' || text.back() == '\n';
}

Status AlbumTextCheck::Result(std::string_view path) {
  if (!headDone_) {
    // A file shorter than the marks.
    wideMark_ = head_.starts_with("\xFF\xFE") || head_.starts_with("\xFE\xFF");
    headDone_ = true;
    const std::string head = std::move(head_);
    AddText(head);
  }
  const bool textual = !nul_ && !wideMark_;
  const bool hasLines = size_ <= kLineBreakWindow || lineBreakInWindow_;
  const bool structured = kind_ != AlbumTextKind::kIniDocument || blank_ || sectionLine_;
  if (textual && hasLines && structured) return Status::Ok();
  return Status::Error(UnreadableTextMessage(path));
}

Status CheckAlbumText(std::string_view path, std::string_view bytes, AlbumTextKind kind) {
  AlbumTextCheck check(kind);
  check.Add(bytes);
  return check.Result(path);
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
