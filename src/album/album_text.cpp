#include "album/album_text.h"

#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "3月15日" for a page key; "" when `page` is not one.
std::string MonthDayText(std::string_view page) {
  if (!IsPageKey(page)) return "";
  const int month = (page[0] - '0') * 10 + (page[1] - '0');
  const int day = (page[3] - '0') * 10 + (page[4] - '0');
  if (month < 1 || month > 12 || day < 1 || day > 31) return "";
  return std::to_string(month) + "月" + std::to_string(day) + "日";
}

constexpr std::string_view kUnknownDate = "日付不明";

}  // namespace

bool IsPageKey(std::string_view text) {
  return text.size() == 5 && IsDigit(text[0]) && IsDigit(text[1]) && text[2] == '/' &&
         IsDigit(text[3]) && IsDigit(text[4]);
}

bool IsPageLine(std::string_view line) {
  return line.size() >= 6 && IsPageKey(line.substr(0, 5)) && line[5] == '=';
}

std::string PageTitle(std::string_view page) {
  const std::string date = MonthDayText(page);
  return date.empty() ? std::string(kUnknownDate) : date + "のページ";
}

std::string SubAlbumTitle(std::string_view section) {
  const std::string date = MonthDayText(section.substr(0, 5));
  if (date.empty()) return std::string(kUnknownDate);
  return date + "の" + std::string(SubAlbumNameOf(section));
}

std::string_view SubAlbumNameOf(std::string_view section) {
  // Page keys are ASCII, so five characters are five bytes.
  return section.size() <= 5 ? std::string_view() : section.substr(5);
}

std::string_view EntryNameOf(std::string_view line) {
  return HasEquals(line) ? NameOf(line) : line;
}

std::string_view EntryCommentOf(std::string_view line) { return ValueOf(line); }

std::string StoredComment(std::string_view text) {
  constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";  // U+2029
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '\r') {
      out += kStoredLineBreak;
      i += (i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    } else if (text[i] == '\n') {
      out += kStoredLineBreak;
      ++i;
    } else if (text[i] == '\0') {
      ++i;
    } else if (text.substr(i, kParagraphSeparator.size()) == kParagraphSeparator) {
      out += kStoredLineBreak;
      i += kParagraphSeparator.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string DisplayedComment(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (size_t i = 0; i < stored.size();) {
    if (stored.substr(i, kStoredLineBreak.size()) == kStoredLineBreak) {
      out += "\r\n";
      i += kStoredLineBreak.size();
    } else {
      out += stored[i++];
    }
  }
  return out;
}

bool HasControlCharacter(std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

}  // namespace lumidex
