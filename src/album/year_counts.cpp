#include "album/year_counts.h"

#include "album/album_store.h"
#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// The bytes of the document at `path`, without a byte-order mark; "" for
// a missing file.
Result<std::string> FileBytes(AlbumStore& store, const std::string& path) {
  Result<std::string> bytes = ReadAlbumFile(store.fileStore(), path, AlbumTextKind::kIniDocument);
  if (!bytes.ok()) return bytes.status().isNotFound() ? Result<std::string>(std::string()) : bytes.status();
  if (bytes.value().starts_with(kUtf8Bom)) return bytes.value().substr(kUtf8Bom.size());
  return bytes;
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
  Result<std::string> yearText = FileBytes(store, base + ".ini");
  if (!yearText.ok()) return yearText.status();
  Result<std::string> subAlbumText = FileBytes(store, base + "S.ini");
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
