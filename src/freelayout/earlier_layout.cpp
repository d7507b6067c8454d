#include "freelayout/earlier_layout.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/free_layout_key.h"

namespace lumidex {
namespace {

constexpr size_t kEarlierKeyLength = 19;
constexpr size_t kMarginPosition = 24;  // characters before the inserted margin

// (scale x trunc(old / 100)) div 100 of a four-digit field.
int ConvertedField(std::string_view field, int scale) {
  int old = 0;
  for (char c : field) old = old * 10 + (c - '0');
  return scale * (old / 100) / 100;
}

// `value` with "00" after its 24th character (at its end when shorter).
std::string WithMargin(std::string_view value) {
  size_t pos = 0;
  for (size_t i = 0; i < kMarginPosition && pos < value.size(); ++i) NextCodePoint(value, pos);
  std::string result(value.substr(0, pos));
  result += "00";
  result += value.substr(pos);
  return result;
}

// True for "<number>.ini" with a number above 1000: a by-date document.
bool IsByDateDocumentName(const std::string& name) {
  if (name.size() < 5 || !EqualsNoCase(std::string_view(name).substr(name.size() - 4), ".ini")) {
    return false;
  }
  const std::string stem = name.substr(0, name.size() - 4);
  if (stem.empty() || stem.size() > 9 ||
      !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  return std::stoi(stem) > 1000;
}

std::vector<std::string> ByDateDocuments(const std::string& albumDir) {
  std::vector<std::string> paths;
  std::error_code error;
  for (std::filesystem::directory_iterator it(albumDir, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (IsByDateDocumentName(name) && !it->is_directory(error)) paths.push_back(it->path().string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

Status ConvertDocument(TMemIniFile& ini) {
  for (const auto& name : ini.SectionNames()) {
    // With two sections of one name the first is found each time; the
    // converted one has moved to the end, so each is converted once.
    std::vector<std::string> lines = ini.SectionLines(name);
    for (auto& line : lines) line = ConvertEarlierLine(line);
    ini.DropSection(name);
    ini.AppendSection(name, std::move(lines));
  }
  ini.SetValue(kVersionSection, "Tsubame", "1");
  return ini.Save();
}

}  // namespace

std::string ConvertEarlierLine(std::string_view line) {
  if (!HasEquals(line)) return std::string(line);
  const std::string_view key = NameOf(line);
  const std::string_view value = ValueOf(line);
  if (key.size() < 3) return std::string(key.substr(0, 2)) + "=" + std::string(value);
  if (key.size() != kEarlierKeyLength ||
      !std::all_of(key.begin() + 2, key.begin() + 18, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::string(line);
  }
  char fields[48];
  std::snprintf(fields, sizeof fields, "%04d%04d%04d%04d", ConvertedField(key.substr(2, 4), 730),
                ConvertedField(key.substr(6, 4), 364), ConvertedField(key.substr(10, 4), 730),
                ConvertedField(key.substr(14, 4), 364));
  std::string converted(key.substr(0, 2));
  converted += fields;
  converted += key[18];
  converted += "00000000=";
  converted += IsPicturePathValue(value) ? std::string(value) : WithMargin(value);
  return converted;
}

EarlierLayoutConversion ConvertEarlierLayout(const std::string& albumDir, FileStore& store) {
  EarlierLayoutConversion result;
  for (const auto& path : ByDateDocuments(albumDir)) {
    auto ini = TMemIniFile::Open(path, store);
    if (!ini.ok()) {
      result.problems.push_back(ini.status().message());
      continue;
    }
    if (ini.value()->FindSection(kVersionSection) != nullptr) continue;
    if (Status saved = ConvertDocument(*ini.value()); !saved.ok()) {
      result.problems.push_back(saved.message());
    } else {
      result.converted.push_back(path);
    }
  }
  return result;
}

}  // namespace lumidex
