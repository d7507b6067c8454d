#include "calendar/year_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "foundation/ini_line.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

bool IsEntry(const std::string& line) { return !line.empty() && line[0] != '['; }

bool IsYearDocumentName(const std::string& name) {
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".ini") == 0 &&
         name.find('S') == std::string::npos;
}

}  // namespace

EntryLineCount CountDocumentLines(FileStore& store, const std::string& path) {
  Result<std::string> bytes = store.ReadAll(path);
  if (!bytes.ok()) return {};
  std::string_view text = bytes.value();
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  return CountEntryLines(text);
}

YearCounts CountYearLines(const std::vector<std::string>& yearLines,
                          const std::vector<std::string>& subAlbumLines) {
  YearCounts counts;
  for (const std::string& line : yearLines) {
    if (!IsEntry(line)) continue;
    if (line[0] == '@') {
      ++counts.subAlbumRefs;
    } else {
      ++counts.files;
    }
  }
  counts.subAlbumFiles = std::count_if(subAlbumLines.begin(), subAlbumLines.end(), IsEntry);
  return counts;
}

std::string YearListItemText(std::string_view year, const YearCounts& counts) {
  std::string text = std::string(year) + "年 （" + WithThousandsSeparators(counts.files) + "枚）";
  if (counts.subAlbumRefs > 0) {
    text += " （" + std::to_string(counts.subAlbumRefs) + "冊 - " +
            WithThousandsSeparators(counts.subAlbumFiles) + "枚）";
  }
  return text;
}

std::vector<std::string> BuildYearList(const std::string& photoDir, FileStore& store,
                                       const std::optional<LoadedYearLines>& loaded) {
  return BuildYearList(
      photoDir, [&store](const std::string& path) { return CountDocumentLines(store, path); }, loaded);
}

std::vector<std::string> BuildYearList(const std::string& photoDir, const DocumentLineCounter& count,
                                       const std::optional<LoadedYearLines>& loaded) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(photoDir, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (IsYearDocumentName(name) && it->is_regular_file(error)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  std::vector<std::string> items;
  for (const std::string& name : names) {
    const std::string year = name.substr(0, std::min<size_t>(4, name.size()));
    YearCounts counts;
    if (loaded && loaded->year == year) {
      counts = CountYearLines(loaded->yearLines, loaded->subAlbumLines);
    } else {
      const EntryLineCount yearLines = count(photoDir + name);
      counts.files = yearLines.entries - yearLines.references;
      counts.subAlbumRefs = yearLines.references;
      counts.subAlbumFiles = count(photoDir + year + "S.ini").entries;
    }
    items.push_back(YearListItemText(year, counts));
  }
  return items;
}

int YearListIndexOf(const std::vector<std::string>& items, std::string_view year) {
  if (year.empty()) return -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].find(year) != std::string::npos) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace lumidex
