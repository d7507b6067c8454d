// Reading side of the settings text file (layout in registry_file.h).
#include <algorithm>
#include <array>
#include <optional>

#include "foundation/registry_file.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::array<std::string_view, 6> kRootNames = {
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE",
    "HKEY_USERS",        "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view TrimmedRight(std::string_view text) {
  while (!text.empty() && IsSpaceOrControl(text.back())) text.remove_suffix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Up to eight hexadecimal digits, most significant first (fewer digits count
// as padded with "0" on the left). nullopt on any other character or on
// more than eight digits, which would not fit in 32 bits.
std::optional<uint32_t> HexNumber(std::string_view digits) {
  if (digits.size() > 8) return std::nullopt;
  uint32_t number = 0;
  for (const char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    number = (number << 4) | static_cast<uint32_t>(d);
  }
  return number;
}

// One pass over the data part of a file. Every step moves `pos_` forward, so
// any input ends.
class Parser {
 public:
  Parser(RegistryData& registry, std::string_view text, const RegistryImportOptions& options,
         std::vector<std::string>& messages)
      : registry_(registry), text_(text), options_(options), messages_(messages) {}

  void Run(size_t start) {
    pos_ = start;
    while (pos_ < text_.size()) {
      // Marks are single-byte characters; bytes of multi-byte UTF-8
      // characters are never ASCII, so they cannot be taken for one.
      switch (text_[pos_]) {
        case '[': KeyLine(); break;
        case '"': ValueLine(); break;
        case '@': DefaultValueLine(); break;
        default: ++pos_;
      }
    }
  }

 private:
  void Warn(std::string_view message) {
    if (std::find(messages_.begin(), messages_.end(), message) == messages_.end()) {
      messages_.emplace_back(message);
    }
  }

  size_t LineEnd(size_t from) const {
    while (from < text_.size() && !IsLineBreak(text_[from])) ++from;
    return from;
  }

  // Moves past one line break (CR LF counts as one) if there is one at pos_.
  void PassLineBreak() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  }

  // Moves to the next "[" that is not inside a quoted text; values on the
  // way belong to the skipped key and are not written.
  void SkipBlock() {
    current_ = nullptr;
    bool quoted = false;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (quoted) {
        if (c == '\\' && pos_ + 1 < text_.size()) {
          pos_ += 2;
          continue;
        }
        if (c == '"') quoted = false;
      } else if (c == '"') {
        quoted = true;
      } else if (c == '[') {
        return;
      }
      ++pos_;
    }
  }

  void KeyLine() {
    current_ = nullptr;
    const size_t close = text_.find_first_of("]\r\n", pos_ + 1);
    if (close == std::string_view::npos || text_[close] != ']') {
      // A key line without its "]" names no key.
      pos_ = close == std::string_view::npos ? text_.size() : close;
      SkipBlock();
      return;
    }
    const std::string_view full = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    const size_t slash = full.find('\\');
    const std::string_view root = full.substr(0, slash);
    std::string path(slash == std::string_view::npos ? std::string_view() : full.substr(slash));
    if (std::find(kRootNames.begin(), kRootNames.end(), root) == kRootNames.end()) {
      SkipBlock();
      return;
    }
    if (!options_.pathFilter.empty()) {
      const size_t at = FoldAscii(path).find(FoldAscii(options_.pathFilter));
      if (at == std::string::npos) {
        SkipBlock();
        return;
      }
      if (!options_.pathPrefix.empty()) path.erase(0, at);
    }
    const std::string keyPath =
        std::string(root) + "\\" + NormaliseKeyPath(options_.pathPrefix + path);
    const bool allowed = options_.onlyKey.empty() ||
                         EqualsNoCase(NormaliseKeyPath(keyPath), NormaliseKeyPath(options_.onlyKey));
    if (!allowed || (options_.onlyNewKeys && registry_.FindKey(keyPath) != nullptr)) {
      SkipBlock();
      return;
    }
    current_ = &registry_.CreateKey(keyPath);
  }

  // Text of a quoted string from pos_ (just after the opening quote) to the
  // closing quote, which is passed; the end of the text closes it too.
  std::string QuotedText() {
    std::string out;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\\' && pos_ + 1 < text_.size() &&
          (text_[pos_ + 1] == '\\' || text_[pos_ + 1] == '"')) {
        out += text_[pos_ + 1];
        pos_ += 2;
        continue;
      }
      ++pos_;
      if (c == '"') break;
      out += c;
    }
    return out;
  }

  void Write(RegistryValue value) {
    if (current_ != nullptr) current_->Set(std::move(value));
  }

  void ValueLine() {
    const size_t nameEnd = text_.find('"', pos_ + 1);
    if (nameEnd == std::string_view::npos) {
      pos_ = text_.size();
      return;
    }
    std::string name(text_.substr(pos_ + 1, nameEnd - pos_ - 1));
    pos_ = nameEnd + 2;  // the closing quote and "="
    if (pos_ >= text_.size()) return;
    switch (text_[pos_]) {
      case '"': {
        ++pos_;
        const std::string raw = QuotedText();
        Write(RegistryValue::String(std::move(name), std::string(TrimmedRight(raw))));
        return;
      }
      case 'd': DwordValue(std::move(name)); return;
      case 'h': BinaryValue(std::move(name)); return;
      default: pos_ = LineEnd(pos_); return;
    }
  }

  // Moves pos_ past the ":" of a typed value on this line; false (at the
  // line end) when there is none.
  bool PassColon() {
    const size_t end = LineEnd(pos_);
    const size_t colon = text_.substr(0, end).find(':', pos_);
    if (colon == std::string_view::npos) {
      pos_ = end;
      return false;
    }
    pos_ = colon + 1;
    return true;
  }

  void DwordValue(std::string name) {
    if (!PassColon()) return;
    const size_t end = LineEnd(pos_);
    const std::string_view digits = TrimmedRight(text_.substr(pos_, end - pos_));
    pos_ = end;
    const std::optional<uint32_t> number = HexNumber(digits);
    if (!number) Warn(kBinaryConversionErrorMessage);
    Write(RegistryValue::Dword(std::move(name), number.value_or(0)));
  }

  void BinaryValue(std::string name) {
    if (!PassColon()) return;
    std::string bytes;
    while (pos_ < text_.size() && !IsLineBreak(text_[pos_])) {
      size_t end = pos_;
      while (end < text_.size() && end - pos_ < 2 && text_[end] != ',' && !IsLineBreak(text_[end])) {
        ++end;
      }
      const std::optional<uint32_t> byte = HexNumber(text_.substr(pos_, end - pos_));
      if (!byte || end == pos_) Warn(kBinaryConversionErrorMessage);
      if (bytes.size() < kMaxBinaryBytes) bytes += static_cast<char>(byte.value_or(0));
      pos_ = end;
      if (pos_ >= text_.size() || text_[pos_] != ',') break;
      ++pos_;
      PassLineBreak();
    }
    Write(RegistryValue::Binary(std::move(name), std::move(bytes)));
  }

  void DefaultValueLine() {
    const size_t open = text_.find('"', pos_ + 1);
    if (open == std::string_view::npos) {
      pos_ = text_.size();
      return;
    }
    pos_ = open + 1;
    Write(RegistryValue::String("", QuotedText()));
  }

  RegistryData& registry_;
  const std::string_view text_;
  const RegistryImportOptions& options_;
  std::vector<std::string>& messages_;
  size_t pos_ = 0;
  RegistryKey* current_ = nullptr;  // valid until the next key is created
};

}  // namespace

RegistryImportResult ImportRegistryText(RegistryData& registry, std::string_view text,
                                        std::string_view fileName,
                                        const RegistryImportOptions& options) {
  RegistryImportResult result;
  // The first line is the header, whatever it says.
  const size_t firstBreak = text.find_first_of("\r\n");
  const size_t afterHeader =
      firstBreak == std::string_view::npos
          ? firstBreak
          : firstBreak + ((text[firstBreak] == '\r' && firstBreak + 1 < text.size() &&
                           text[firstBreak + 1] == '\n')
                              ? 2
                              : 1);
  const size_t dataStart =
      afterHeader == std::string_view::npos ? afterHeader : text.find('[', afterHeader);
  if (dataStart == std::string_view::npos) {
    result.messages.emplace_back(kNotRegistryFileMessage);
    return result;
  }
  // A second line without "[" is the tag.
  const std::string_view second =
      text.substr(afterHeader, text.find_first_of("\r\n", afterHeader) - afterHeader);
  const std::string_view tag =
      second.find('[') == std::string_view::npos ? TrimmedRight(second) : std::string_view();
  if (!options.expectedTag.empty() && tag != options.expectedTag) {
    result.messages.push_back(std::string(fileName) + std::string(kNotExpectedFileSuffix));
    return result;
  }
  result.accepted = true;
  Parser(registry, text, options, result.messages).Run(dataStart);
  return result;
}

}  // namespace lumidex
