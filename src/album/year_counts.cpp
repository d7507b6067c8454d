#include "album/year_counts.h"

#include "album/album_store.h"
#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// Calls `entry` for every line of `text` that is not empty and does not
// begin with "[".
template <typename F>
void ForEachEntryLine(std::string_view text, F entry) {
  for (const auto& line : SplitLines(text)) {
    if (!line.empty() && line[0] != '[') entry(line);
  }
}

// The text of the document at `path`; "" for a missing file.
Result<std::string> FileText(AlbumStore& store, const std::string& path) {
  Result<std::string> bytes = ReadAlbumFile(store.fileStore(), path, AlbumTextKind::kIniDocument);
  if (!bytes.ok()) return bytes.status().isNotFound() ? Result<std::string>(std::string()) : bytes.status();
  return DecodeAlbumFile(bytes.value());
}

}  // namespace

YearCounts CountYearTexts(std::string_view yearText, std::string_view subAlbumText) {
  YearCounts counts;
  ForEachEntryLine(yearText, [&](const std::string& line) {
    ++(line[0] == '@' ? counts.subAlbumReferences : counts.fileEntries);
  });
  ForEachEntryLine(subAlbumText, [&](const std::string&) { ++counts.subAlbumFiles; });
  return counts;
}

Result<YearCounts> CountYear(AlbumStore& store, std::string_view year) {
  if (store.HasYear() && year == store.loadedYear()) {
    return CountYearTexts(store.yearDocument().ToText(), store.subAlbumDocument().ToText());
  }
  const std::string base = store.folders().photoDir + std::string(year);
  Result<std::string> yearText = FileText(store, base + ".ini");
  if (!yearText.ok()) return yearText.status();
  Result<std::string> subAlbumText = FileText(store, base + "S.ini");
  if (!subAlbumText.ok()) return subAlbumText.status();
  return CountYearTexts(yearText.value(), subAlbumText.value());
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
