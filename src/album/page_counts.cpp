#include "album/page_counts.h"

#include <algorithm>
#include <memory>

#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/message_format.h"

namespace lumidex {
namespace {

constexpr size_t kPageLength = 5;

std::string SubAlbumPart(const PageCounts& counts) {
  return std::to_string(counts.subAlbums) + "冊 - " + WithThousandsSeparators(counts.subAlbumFiles) + "枚）";
}

}  // namespace

Result<std::unique_ptr<TMemIniFile>> OpenOtherYearDocument(const std::string& file, FileStore& store) {
  Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(file, store);
  if (doc.ok() || !doc.status().isNotFound()) return doc;
  return std::make_unique<TMemIniFile>(file, store);
}

PageCounts CountPage(const TMemIniFile& yearDocument, const TMemIniFile& subAlbumDocument, std::string_view page) {
  PageCounts counts;
  for (const std::string& line : yearDocument.SectionLines(page)) {
    const std::string_view name = EntryNameOf(line);
    if (name.empty()) continue;
    ++(IsSubAlbumEntry(name) ? counts.subAlbums : counts.files);
  }
  for (const std::string& section : subAlbumDocument.SectionNames()) {
    if (section.size() <= kPageLength || section.compare(0, kPageLength, page) != 0) continue;
    for (const std::string& line : subAlbumDocument.SectionLines(section)) {
      if (!EntryNameOf(line).empty()) ++counts.subAlbumFiles;
    }
  }
  return counts;
}

std::string PageListText(std::string_view page, const PageCounts& counts) {
  std::string text = std::string(page) + " （" + WithThousandsSeparators(counts.files) + "枚） ";
  if (counts.subAlbums > 0) text += "（" + SubAlbumPart(counts);
  return text;
}

std::string PageUseLine(std::string_view year, const PageCounts& counts) {
  std::string text = std::string(year) + "年 （" + WithThousandsSeparators(counts.files) + "枚）";
  if (counts.subAlbums > 0) text += " （" + SubAlbumPart(counts);
  return text;
}

Result<std::string> PageUseText(AlbumStore& store, std::string_view page, std::string_view year) {
  const std::vector<std::string>& sections = store.yearIndex().YearSectionIndex();
  std::string text;
  for (const std::string& file : store.yearIndex().YearFiles()) {
    const std::string other = file.substr(0, 4);
    if (other == year) continue;
    if (!std::binary_search(sections.begin(), sections.end(), other + "/" + std::string(page))) continue;
    PageCounts counts;
    if (store.HasYear() && other == store.loadedYear()) {
      counts = CountPage(store.yearDocument(), store.subAlbumDocument(), page);
    } else {
      const std::string base = store.folders().photoDir + other;
      auto yearDoc = OpenOtherYearDocument(base + ".ini", store.fileStore());
      if (!yearDoc.ok()) return yearDoc.status();
      auto subDoc = OpenOtherYearDocument(base + "S.ini", store.fileStore());
      if (!subDoc.ok()) return subDoc.status();
      counts = CountPage(*yearDoc.value(), *subDoc.value(), page);
    }
    if (!text.empty()) text += "\r\n";
    text += PageUseLine(other, counts);
  }
  return text;
}

}  // namespace lumidex
