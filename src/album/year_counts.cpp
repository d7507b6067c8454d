#include "album/year_counts.h"

#include "album/album_store.h"
#include "foundation/ini_line.h"
#include "foundation/message_format.h"

namespace lumidex {
namespace {

// The entry lines of the document at `path`; none for a missing file.
Result<EntryLineCount> DocumentLines(AlbumStore& store, const std::string& path) {
  Result<EntryLineCount> lines = store.CountDocumentLines(path);
  if (!lines.ok() && lines.status().isNotFound()) return EntryLineCount{};
  return lines;
}

}  // namespace

YearCounts CountYearTexts(std::string_view yearText, std::string_view subAlbumText) {
  YearCounts counts;
  const EntryLineCount year = CountEntryLines(yearText);
  counts.fileEntries = year.entries - year.references;
  counts.subAlbumReferences = year.references;
  counts.subAlbumFiles = CountEntryLines(subAlbumText).entries;
  return counts;
}

Result<YearCounts> CountYear(AlbumStore& store, std::string_view year) {
  if (store.HasYear() && year == store.loadedYear()) {
    return CountYearTexts(store.yearDocument().ToText(), store.subAlbumDocument().ToText());
  }
  const std::string base = store.folders().photoDir + std::string(year);
  Result<EntryLineCount> yearLines = DocumentLines(store, base + ".ini");
  if (!yearLines.ok()) return yearLines.status();
  Result<EntryLineCount> subAlbumLines = DocumentLines(store, base + "S.ini");
  if (!subAlbumLines.ok()) return subAlbumLines.status();
  YearCounts counts;
  counts.fileEntries = yearLines.value().entries - yearLines.value().references;
  counts.subAlbumReferences = yearLines.value().references;
  counts.subAlbumFiles = subAlbumLines.value().entries;
  return counts;
}

std::string YearListText(std::string_view year, const YearCounts& counts) {
  std::string text = std::string(year) + "年 （" + WithThousandsSeparators(counts.fileEntries) + "枚）";
  if (counts.subAlbumReferences > 0) {
    text += " （" + std::to_string(counts.subAlbumReferences) + "冊 - " +
            WithThousandsSeparators(counts.subAlbumFiles) + "枚）";
  }
  return text;
}

}  // namespace lumidex
