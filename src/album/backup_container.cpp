#include "album/backup_container.h"

#include <cstdint>
#include <unordered_set>

#include "foundation/message_format.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::string_view kPhotoMark = "photo1";
constexpr std::string_view kFavouritesMark = "fav";
constexpr size_t kMaxNameBytes = 255;

std::string_view MarkOf(BackupKind kind) {
  return kind == BackupKind::kFavourites ? kFavouritesMark : kPhotoMark;
}

size_t UnnamedCountOf(BackupKind kind) { return kind == BackupKind::kAlbum ? 2 : 0; }

// A record name as a message can show it: control bytes as \xNN, cut after
// 64 bytes, so a hostile name cannot garble the message.
std::string Printable(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < name.size() && i < 64; ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte < 0x20 || byte == 0x7F) {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
    } else {
      text += name[i];
    }
  }
  if (name.size() > 64) text += "…";
  return text;
}

Status Damaged(std::string_view fileName, std::string_view reason) {
  return Status::Error(FormatMessage("ファイル %s は壊れているため読み込めません（%s）", {fileName, reason}));
}

// Reads the records of a container after its mark; every check that refuses
// the container is made here.
class ContainerReader {
 public:
  ContainerReader(std::string_view bytes, size_t start, std::string_view fileName)
      : bytes_(bytes), pos_(start), fileName_(fileName) {}

  bool AtEnd() const { return pos_ == bytes_.size(); }

  // One length and the bytes it counts, or an error when either runs past
  // the end of the file or the length is more than a record may hold.
  Result<std::string_view> Chunk(unsigned long long limit) {
    const size_t at = pos_;
    if (bytes_.size() - pos_ < 4) {
      return Damaged(fileName_, FormatMessage("%d バイト目の長さが途中で切れています", {std::to_string(at)}));
    }
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = (length << 8) | static_cast<unsigned char>(bytes_[pos_ + i]);
    pos_ += 4;
    if (length > limit) {
      return Damaged(fileName_, FormatMessage("%d バイト目の長さ %d は大きすぎます",
                                              {std::to_string(at), std::to_string(length)}));
    }
    // Compared with what is left, never added to the position first: a
    // length near 4 GB must not wrap around.
    if (length > bytes_.size() - pos_) {
      return Damaged(fileName_, FormatMessage("%d バイト目の長さ %d がファイルの終わりを越えています",
                                              {std::to_string(at), std::to_string(length)}));
    }
    const std::string_view chunk = bytes_.substr(pos_, length);
    pos_ += length;
    return chunk;
  }

 private:
  const std::string_view bytes_;
  size_t pos_;
  const std::string_view fileName_;
};

void AppendLength(std::string& out, size_t length) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((length >> (8 * i)) & 0xFF);
}

}  // namespace

bool IsBackupDocumentName(std::string_view name) {
  if (name.size() < 8 || name.size() > kMaxNameBytes) return false;
  int year = 0;
  for (size_t i = 0; i < 4; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
    year = year * 10 + (name[i] - '0');
  }
  if (year <= 1000) return false;
  if (!EqualsNoCase(name.substr(name.size() - 4), ".ini")) return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') return false;
  }
  return true;
}

Result<BackupContainer> ReadBackupContainer(std::string_view bytes, BackupKind kind,
                                            std::string_view fileName) {
  const std::string_view mark = MarkOf(kind);
  if (!bytes.starts_with(mark)) {
    return Status::Error(FormatMessage("ファイル %s はアルバムデータではありません", {fileName}));
  }
  ContainerReader reader(bytes, mark.size(), fileName);
  BackupContainer container;
  for (size_t i = 0; i < UnnamedCountOf(kind); ++i) {
    Result<std::string_view> content = reader.Chunk(kMaxBackupRecordBytes);
    if (!content.ok()) return content.status();
    container.unnamed.emplace_back(content.value());
  }
  std::unordered_set<std::string_view> names;
  while (!reader.AtEnd()) {
    Result<std::string_view> name = reader.Chunk(kMaxNameBytes);
    if (!name.ok()) return name.status();
    if (!IsBackupDocumentName(name.value())) {
      return Damaged(fileName, FormatMessage("レコード名 '%s' は使えません", {Printable(name.value())}));
    }
    if (!names.insert(name.value()).second) {
      return Damaged(fileName, FormatMessage("レコード名 '%s' が二つあります", {Printable(name.value())}));
    }
    Result<std::string_view> content = reader.Chunk(kMaxBackupRecordBytes);
    if (!content.ok()) return content.status();
    container.named.push_back({std::string(name.value()), std::string(content.value())});
  }
  return container;
}

Result<std::string> WriteBackupContainer(const BackupContainer& container, BackupKind kind) {
  if (container.unnamed.size() != UnnamedCountOf(kind)) {
    return Status::Error("アルバムデータのレコードの数が正しくありません");
  }
  std::string out(MarkOf(kind));
  for (const auto& content : container.unnamed) {
    if (content.size() > kMaxBackupRecordBytes) {
      return Status::Error("アルバムデータに入れるファイルが大きすぎます（256MB まで）");
    }
    AppendLength(out, content.size());
    out += content;
  }
  for (const auto& record : container.named) {
    if (!IsBackupDocumentName(record.name)) {
      return Status::Error(FormatMessage("ファイル名 '%s' はアルバムデータに入れられません", {Printable(record.name)}));
    }
    if (record.content.size() > kMaxBackupRecordBytes) {
      return Status::Error(FormatMessage("ファイル %s は大きすぎるためアルバムデータに入れられません（256MB まで）",
                                         {record.name}));
    }
    AppendLength(out, record.name.size());
    out += record.name;
    AppendLength(out, record.content.size());
    out += record.content;
  }
  return out;
}

}  // namespace lumidex
