#include "freelayout/free_layout_key.h"

#include <algorithm>
#include <cstdio>

#include "album/album_text.h"
#include "foundation/ini_line.h"

namespace lumidex {
namespace {

// The number written in `field` when every character is a decimal digit
// (`base` 10) or a hexadecimal digit of either case (`base` 16); -1 for an
// empty field or any other character.
int FieldNumber(std::string_view field, int base) {
  if (field.empty()) return -1;
  int value = 0;
  for (char c : field) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return -1;
    }
    value = value * base + digit;
  }
  return value;
}

// Characters [from, from + width) of `key` (0-based), shorter or empty where
// the key ends early.
std::string_view FieldAt(std::string_view key, size_t from, size_t width) {
  return from >= key.size() ? std::string_view() : key.substr(from, width);
}

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

}  // namespace

bool IsPicturePathValue(std::string_view value) {
  if (value.empty()) return false;
  if (value[0] == '/') return true;
  if (value.substr(0, 2) == "\\\\") return true;
  return value.size() >= 3 && value.substr(1, 2) == ":\\";
}

int TabNumberOf(std::string_view line) {
  if (line.size() < 2) return -1;
  return FieldNumber(line.substr(0, 2), 10);
}

std::string TabKey(int tab) {
  char text[3];
  std::snprintf(text, sizeof text, "%02d", Clamp(tab, 0, 99));
  return text;
}

std::string BuildItemKey(const FreeLayoutItem& item, int tab, int counter) {
  char key[kItemKeyLength + 1];
  std::snprintf(key, sizeof key, "%02d%04d%04d%04d%04d%02d%02X%05d", Clamp(tab, 0, 99),
                Clamp(item.x, 0, 9999), Clamp(item.y, 0, 9999), Clamp(item.width, 0, 9999),
                Clamp(item.height, 0, 9999), Clamp(item.Flags(), 0, 31), item.rotation & 0xFF,
                Clamp(counter, 0, 99999));
  return key;
}

bool ItemKeyReadable(std::string_view key) {
  if (!IsItemKey(key) || key.size() < 18) return false;
  return std::all_of(key.begin(), key.begin() + 18, [](char c) { return c >= '0' && c <= '9'; });
}

Result<FreeLayoutItem> ParseItemLine(std::string_view line) {
  const std::string_view key = NameOf(line);
  if (!ItemKeyReadable(key)) {
    // A 10 MB key must not become a 10 MB message; the cut never splits a
    // UTF-8 character.
    size_t cut = std::min<size_t>(key.size(), 40);
    while (cut > 0 && cut < key.size() && (static_cast<unsigned char>(key[cut]) & 0xC0) == 0x80) --cut;
    const std::string_view shown = key.substr(0, cut);
    return Status::Error("フリー配置の項目を読めません: " + std::string(shown) +
                         (shown.size() < key.size() ? "…" : ""));
  }
  FreeLayoutItem item;
  item.tab = FieldNumber(key.substr(0, 2), 10);
  item.x = FieldNumber(key.substr(2, 4), 10);
  item.y = FieldNumber(key.substr(6, 4), 10);
  item.width = FieldNumber(key.substr(10, 4), 10);
  item.height = FieldNumber(key.substr(14, 4), 10);
  item.SetFlags(std::max(FieldNumber(FieldAt(key, 18, 2), 10), 0));
  item.rotation = std::max(FieldNumber(FieldAt(key, 20, 2), 16), 0);
  item.reserved = std::max(FieldNumber(FieldAt(key, 22, 5), 10), 0);
  item.value = DisplayedComment(ValueOf(line));
  return item;
}

std::string BuildItemLine(const FreeLayoutItem& item, int tab, int counter) {
  std::string line = BuildItemKey(item, tab, counter);
  line += '=';
  line += StoredComment(item.value);
  return line;
}

}  // namespace lumidex
