#include "album/year_index.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "foundation/mem_ini_file.h"

namespace lumidex {
namespace {

bool IsYearFileName(std::string_view name) {
  if (name.size() != 8 || name.substr(4) != ".ini") return false;
  return std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; });
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

YearIndex::YearIndex(std::string summaryPath) : summaries_(std::move(summaryPath)) {}

Result<EntryLineCount> YearIndex::CountLines(const std::string& path, FileStore& store) {
  Result<const DocumentSummary*> summary = summaries_.Summary(path, store);
  if (!summary.ok()) return summary.status();
  return summary.value()->lines;
}

Status YearIndex::StoreSummaries(FileStore& store) { return summaries_.Store(store); }

bool YearIndex::Refresh(const std::string& photoDir, FileStore& store) {
  std::vector<std::string> files = ListYearFiles(photoDir);
  if (listed_ && files == yearFiles_) return false;
  listed_ = true;
  yearFiles_ = std::move(files);
  sections_.clear();
  // The files are in name order and every entry of a year starts with its
  // four digits and "/", so sorting each year's run sorts the whole index.
  for (const auto& file : yearFiles_) {
    Result<const DocumentSummary*> summary = summaries_.Summary(photoDir + file, store);
    if (!summary.ok()) continue;
    const std::string year = file.substr(0, 4);
    const size_t first = sections_.size();
    for (const auto& name : summary.value()->sections) sections_.push_back(year + "/" + name);
    const auto run = sections_.begin() + static_cast<std::ptrdiff_t>(first);
    if (!std::is_sorted(run, sections_.end())) std::sort(run, sections_.end());
    sections_.erase(std::unique(run, sections_.end()), sections_.end());
  }
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
