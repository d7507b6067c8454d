#include "foundation/registry_file.h"

#include <cstdio>

#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSpaceOrControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpaceOrControl(text.back())) text.remove_suffix(1);
  return text;
}

// A string value's text between its quotes.
std::string QuotedText(std::string_view raw) {
  const std::string_view text = Trimmed(raw);
  std::string out = "\"";
  bool hasBreak = false;
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    if (c == '\r' || c == '\n') hasBreak = true;
    out += c;
  }
  // The closing quote then starts a line of its own.
  if (hasBreak) out += kCrLf;
  out += '"';
  return out;
}

std::string HexBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out = "hex:";
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
    if (i + 1 == bytes.size()) break;
    out += ',';
    const size_t written = i + 1;
    if (written == 9 || (written > 9 && (written - 9) % 8 == 0)) out += kCrLf;
  }
  return out;
}

}  // namespace

std::string RegistryValueText(const RegistryValue& value) {
  switch (value.type) {
    case RegistryValueType::kString:
      return QuotedText(value.data);
    case RegistryValueType::kDword: {
      char digits[9];
      std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value.number));
      return std::string("dword:") + digits;
    }
    case RegistryValueType::kBinary:
      return HexBytes(value.data);
  }
  return {};
}

std::string RegistryText(const std::vector<const RegistryKey*>& keys, std::string_view tag) {
  std::string text(kRegistryTextHeader);
  text += kCrLf;
  if (!tag.empty()) {
    text += tag;
    text += kCrLf;
  }
  for (const RegistryKey* key : keys) {
    text += kCrLf;
    text += "[" + key->path + "]";
    text += kCrLf;
    for (const auto& value : key->values) {
      if (value.name.empty()) {
        // Only a string can be the unnamed value of the file.
        if (value.type != RegistryValueType::kString) continue;
        text += "@=";
      } else {
        text += "\"" + value.name + "\"=";
      }
      text += RegistryValueText(value);
      text += kCrLf;
    }
  }
  return text;
}

std::string DecodeRegistryFileBytes(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  return DecodeAlbumFile(bytes);
}

Status TRegistryFile::ExportKey(const std::string& fileName, std::string_view keyPath,
                                std::string_view tag) {
  if (keyPath.empty()) return Status::Ok();
  const std::vector<const RegistryKey*> keys = registry_.KeyAndSubkeys(keyPath);
  // A file of header and tag alone holds no settings, and an import refuses
  // it: writing it would only destroy whatever `fileName` held.
  if (keys.empty()) return Status::Error(std::string(kOpenKeyErrorMessage));
  return store_.WriteAtomic(fileName, EncodeAlbumFile(RegistryText(keys, tag)), 0600);
}

RegistryImportResult TRegistryFile::ImportFile(const std::string& fileName,
                                               const RegistryImportOptions& options) {
  Result<std::string> bytes = store_.ReadAll(fileName);
  const std::string text = bytes.ok() ? DecodeRegistryFileBytes(bytes.value()) : std::string();
  return ImportRegistryText(registry_, text, fileName, options);
}

}  // namespace lumidex
