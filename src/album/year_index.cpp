#include "album/year_index.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

bool IsYearFileName(std::string_view name) {
  if (name.size() != 8 || name.substr(4) != ".ini") return false;
  return std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; });
}

// The names of the sections that hold at least one line, in file order, of
// the bytes of an album file (cp932, or UTF-8 after a byte-order mark).
// Comment lines (";") and empty lines are not lines, as on load. Only
// header lines are decoded: in cp932 a line never starts with a trail byte,
// so the first byte of every line can be tested as it is.
std::vector<std::string> SectionsWithLines(std::string_view bytes) {
  const bool utf8 = bytes.starts_with(kUtf8Bom);
  if (utf8) bytes.remove_prefix(kUtf8Bom.size());
  std::vector<std::string> names;
  std::string current;
  bool inSection = false, counted = false;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = FindLineBreak(bytes, pos);
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end + ((end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ? 2 : 1);
    std::string withoutNul;
    if (line.find('\0') != std::string_view::npos) {
      for (char c : line) {
        if (c != '\0') withoutNul += c;
      }
      line = withoutNul;
    }
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const std::string text = utf8 ? DecodeUtf8Lossless(line) : DecodeCp932(line);
      if (text.size() >= 2 && text.back() == ']') {
        current = text.substr(1, text.size() - 2);
        inSection = true;
        counted = false;
        continue;
      }
    }
    if (inSection && !counted) {
      names.push_back(current);
      counted = true;
    }
  }
  return names;
}

}  // namespace

std::vector<std::string> YearIndex::ListYearFiles(const std::string& photoDir) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(photoDir.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (!IsYearFileName(name)) continue;
    struct stat st {};
    if (::stat((photoDir + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool YearIndex::Refresh(const std::string& photoDir, FileStore& store) {
  std::vector<std::string> files = ListYearFiles(photoDir);
  if (listed_ && files == yearFiles_) return false;
  listed_ = true;
  yearFiles_ = std::move(files);
  sections_.clear();
  for (const auto& file : yearFiles_) {
    Result<std::string> bytes = ReadAlbumFile(store, photoDir + file, AlbumTextKind::kIniDocument);
    if (!bytes.ok()) continue;
    const std::string year = file.substr(0, 4);
    for (auto& name : SectionsWithLines(bytes.value())) {
      sections_.push_back(year + "/" + name);
    }
  }
  std::sort(sections_.begin(), sections_.end());
  sections_.erase(std::unique(sections_.begin(), sections_.end()), sections_.end());
  return true;
}

void YearIndex::ReplaceYear(std::string_view year, const TMemIniFile& yearDocument, bool onDisk,
                            const std::string& fileName) {
  const std::string prefix = std::string(year) + "/";
  std::vector<std::string> entries;
  for (const auto& name : yearDocument.SectionNames()) {
    if (yearDocument.HasSection(name)) entries.push_back(prefix + name);
  }
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  // The entries of one year are one run of the sorted index: "yyyy/" up to
  // "yyyy0" ("0" follows "/").
  const auto first = std::lower_bound(sections_.begin(), sections_.end(), prefix);
  const auto last = std::lower_bound(first, sections_.end(), std::string(year) + "0");
  if (!std::equal(first, last, entries.begin(), entries.end())) {
    const auto at = sections_.erase(first, last);
    sections_.insert(at, std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
  }
  if (onDisk && !std::binary_search(yearFiles_.begin(), yearFiles_.end(), fileName)) {
    yearFiles_.insert(std::lower_bound(yearFiles_.begin(), yearFiles_.end(), fileName), fileName);
  }
}

bool YearIndex::UsedInOtherYears(std::string_view page, std::string_view year) const {
  std::string key;
  for (const auto& file : yearFiles_) {
    const std::string_view fileYear = std::string_view(file).substr(0, 4);
    if (fileYear == year) continue;
    key.assign(fileYear).append("/").append(page);
    if (std::binary_search(sections_.begin(), sections_.end(), key)) return true;
  }
  return false;
}

}  // namespace lumidex
