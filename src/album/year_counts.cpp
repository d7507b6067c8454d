#include "album/year_counts.h"

#include "album/album_store.h"
#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// Calls `entry` with the first byte of every line of `text` that is not
// empty and does not begin with "[". Lines end at CR, LF or CR LF, as
// SplitLines splits them; in cp932 bytes a line starts on a character, so
// its first byte can be tested as it is and nothing needs decoding. NUL
// bytes are left out of a line, as SplitLines leaves them out.
template <typename F>
void ForEachEntryLine(std::string_view text, F entry) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = FindLineBreak(text, pos);
    // The first byte of the line other than NUL.
    while (pos < end && text[pos] == '\0') ++pos;
    if (pos < end && text[pos] != '[') entry(text[pos]);
    pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
}

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
  ForEachEntryLine(yearText, [&](char first) { ++(first == '@' ? counts.subAlbumReferences : counts.fileEntries); });
  ForEachEntryLine(subAlbumText, [&](char) { ++counts.subAlbumFiles; });
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
