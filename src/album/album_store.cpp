#include "album/album_store.h"

#include <unordered_map>
#include <unordered_set>

#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "album/section_dedupe.h"
#include "foundation/ini_line.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::string_view kDataSection = "DATA";
constexpr std::string_view kLockSection = "LCK";
// The summaries of the year documents kept between runs (DocumentSummaries).
constexpr std::string_view kYearSummaryFile = "year-summaries.cache";

// A file written by hand or by an older version may hold two sections of one
// name. Lookups only ever see the first, so saving a page would leave the
// second behind to reappear as the page. Merging the lines of later sections
// into the first keeps every line and makes the page one section.
void MergeDuplicateSections(TMemIniFile& doc) {
  const std::vector<std::string> names = doc.SectionNames();
  std::unordered_map<std::string, int> seen;
  bool duplicates = false;
  for (const auto& name : names) duplicates |= ++seen[FoldAscii(name)] > 1;
  if (!duplicates) return;

  std::vector<std::string> order;  // folded names in order of first appearance
  std::unordered_map<std::string, std::pair<std::string, std::vector<std::string>>> merged;
  std::string current;
  bool inSection = false;
  for (auto& line : SplitLines(doc.ToText())) {
    if (line.empty()) continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = FoldAscii(std::string_view(line).substr(1, line.size() - 2));
      inSection = true;
      if (merged.find(current) == merged.end()) {
        order.push_back(current);
        merged[current].first = line;
      }
    } else if (inSection) {
      merged[current].second.push_back(std::move(line));
    }
  }
  std::vector<std::string> lines;
  for (const auto& key : order) {
    auto& [header, body] = merged[key];
    lines.push_back(header);
    lines.insert(lines.end(), body.begin(), body.end());
  }
  doc.ReplaceAll(lines);
}

// Drops the first empty-named section when it holds lines (left by a drop
// onto an empty spot of the page list). Returns whether it did.
bool DropEmptyNamedSection(TMemIniFile& doc) {
  if (!doc.HasSection("")) return false;
  doc.DropSection("");
  return true;
}

// Drops every section named `section`.
void DropAllSections(TMemIniFile& doc, std::string_view section) {
  while (doc.FindSection(section) != nullptr) doc.DropSection(section);
}

Result<std::unique_ptr<TMemIniFile>> OpenAlbumDocument(const std::string& path, FileStore& store) {
  auto doc = TMemIniFile::Open(path, store);
  if (doc.ok()) MergeDuplicateSections(*doc.value());
  return doc;
}

}  // namespace

AlbumStore::AlbumStore(const DataFolders& folders, const FileTypeLists& types,
                       TMemIniFile& pageIndex, TMemIniFile& lockList, FileStore& store,
                       ThumbnailRenderer renderThumbnail)
    : folders_(folders),
      types_(types),
      pageIndex_(pageIndex),
      lockList_(lockList),
      store_(store),
      renderThumbnail_(std::move(renderThumbnail)),
      yearIndex_(folders.userDir.empty() ? std::string() : folders.userDir + std::string(kYearSummaryFile)) {}

AlbumStore::~AlbumStore() = default;

// ---- Year ----

Status AlbumStore::SwitchYear(std::string_view date, bool force) {
  // The year names the documents' files, so it must be four digits.
  const std::string year(date.substr(0, 4));
  if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string::npos) {
    return Status::Error("年が正しくありません: " + std::string(date));
  }
  if (!force && yearDoc_ != nullptr && year == loadedYear_) return Status::Ok();

  auto yearDoc = OpenAlbumDocument(folders_.photoDir + year + ".ini", store_);
  if (!yearDoc.ok()) return yearDoc.status();
  auto subDoc = OpenAlbumDocument(folders_.photoDir + year + "S.ini", store_);
  if (!subDoc.ok()) return subDoc.status();

  if (yearDoc_ != nullptr) {
    if (PageOpen()) {
      if (Status s = GoBack(true); !s.ok()) return s;
    }
    if (Status s = SaveChangedDocuments(); !s.ok()) return s;
    SyncYearIndex();
  }
  loadedYear_ = year;
  yearDoc_ = std::move(yearDoc).value();
  subDoc_ = std::move(subDoc).value();
  yearDocChanged_ = subDocChanged_ = false;
  modified_ = recountPending_ = false;
  summaries_.clear();
  lines_ = PageList(showAllPages_);
  return Status::Ok();
}

// ---- Page index and locks ----

std::vector<std::string> AlbumStore::PageList(bool allPages) const {
  std::vector<std::string> pages;
  if (const auto* lines = pageIndex_.FindSection(kDataSection)) {
    for (const auto& line : *lines) {
      if (!IsPageLine(line)) continue;
      if (!allPages && (yearDoc_ == nullptr || !yearDoc_->HasSection(line.substr(0, 5)))) continue;
      pages.push_back(line);
    }
  }
  std::stable_sort(pages.begin(), pages.end(), TextLess());
  return pages;
}

void AlbumStore::SetShowAllPages(bool allPages) {
  showAllPages_ = allPages;
  if (!PageOpen()) lines_ = PageList(showAllPages_);
}

bool AlbumStore::PageUsedInOtherYears(std::string_view page, std::string_view year) const {
  return yearIndex_.UsedInOtherYears(page, year);
}

Result<EntryLineCount> AlbumStore::CountDocumentLines(const std::string& path) {
  return yearIndex_.CountLines(path, store_);
}

Status AlbumStore::StoreYearSummaries() { return yearIndex_.StoreSummaries(store_); }

bool AlbumStore::IsPageLocked(std::string_view year, std::string_view page) const {
  return lockList_.HasKey(kLockSection, std::string(year) + "/" + std::string(page));
}

Status AlbumStore::RemoveLockOf(std::string_view name) {
  const size_t length = CharacterCount(name);
  if (length <= 4) return Status::Ok();
  const std::string key = length == 5 ? loadedYear_ + "/" + std::string(name) : std::string(name);
  if (!lockList_.HasKey(kLockSection, key)) return Status::Ok();
  const std::string line = lockList_.GetValue(kLockSection, key, "");
  lockList_.DropKey(kLockSection, key);
  if (Status s = lockList_.Save(); !s.ok()) {
    lockList_.SetValue(kLockSection, key, line);  // the page stays locked
    return s;
  }
  return Status::Ok();
}

Status AlbumStore::RemoveLocksOfYear(std::string_view year) {
  if (year.size() != 4) return Status::Ok();
  const std::string prefix = std::string(year) + "/";
  const std::string before = lockList_.ToText();
  bool dropped = false;
  for (const std::string& line : lockList_.SectionLines(kLockSection)) {
    const std::string_view key = EntryNameOf(line);
    if (!key.starts_with(prefix)) continue;
    lockList_.DropKey(kLockSection, key);
    dropped = true;
  }
  if (!dropped) return Status::Ok();
  if (Status s = lockList_.Save(); !s.ok()) {
    lockList_.ReplaceAll(SplitLines(before));  // the pages stay locked
    return s;
  }
  return Status::Ok();
}

Status AlbumStore::SavePageIndex() { return pageIndex_.Save(); }

// ---- Documents ----

TMemIniFile& AlbumStore::ContainerDocument() { return SubAlbumOpen() ? *subDoc_ : *yearDoc_; }

void AlbumStore::ChangeYearDocument(const std::function<void(TMemIniFile&)>& change) {
  change(*yearDoc_);
  yearDocChanged_ = modified_ = true;
}

void AlbumStore::ChangeSubAlbumDocument(const std::function<void(TMemIniFile&)>& change) {
  change(*subDoc_);
  subDocChanged_ = modified_ = true;
}

Status AlbumStore::SaveDocument(TMemIniFile& doc, bool& changed) {
  if (!changed) return Status::Ok();
  if (Status s = doc.Save(); !s.ok()) return s;
  changed = false;
  return Status::Ok();
}

std::string RestoredPagesMessage(const std::vector<std::string>& restored) {
  std::string text = "ページ一覧に無かったページを戻しました: ";
  for (size_t i = 0; i < restored.size(); ++i) {
    if (i > 0) text += "、";
    text += restored[i].substr(5) + "（" + restored[i].substr(0, 4) + "年）";
  }
  return text;
}

Result<std::vector<std::string>> AlbumStore::RestoreMissingPages() {
  std::vector<std::string> restored;
  if (pageIndex_.SavingRefused()) return restored;
  yearIndex_.Refresh(folders_.photoDir, store_);
  SyncYearIndex();
  // Each page is looked up once, at the first year using it: most pages are
  // used by many years.
  std::unordered_set<std::string_view> looked;
  for (const auto& entry : yearIndex_.YearSectionIndex()) {
    // Entries are "yyyy/" + section; pages are the sections named "mm/dd".
    const std::string_view page = std::string_view(entry).substr(5);
    if (!IsPageKey(page) || !looked.insert(page).second || pageIndex_.HasKey(kDataSection, page)) continue;
    pageIndex_.SetValue(kDataSection, page, ".alb");
    restored.push_back(entry);
  }
  if (restored.empty()) return restored;
  if (Status s = SavePageIndex(); !s.ok()) return s;
  return restored;
}

Status AlbumStore::SaveYearDocument() {
  if (yearDoc_ == nullptr) return Status::Ok();
  if (Status s = SaveDocument(*yearDoc_, yearDocChanged_); !s.ok()) return s;
  SyncYearIndex();
  return Status::Ok();
}

Status AlbumStore::SaveChangedDocuments() {
  if (Status s = SaveYearDocument(); !s.ok()) return s;
  return SaveDocument(*subDoc_, subDocChanged_);
}

void AlbumStore::ReindexYear(std::string_view year, const TMemIniFile& yearDocument) {
  const std::string fileName = std::string(year) + ".ini";
  yearIndex_.ReplaceYear(year, yearDocument, FileExists(folders_.photoDir + fileName), fileName);
}

void AlbumStore::SyncYearIndex() {
  if (yearDoc_ == nullptr) return;
  const std::string fileName = loadedYear_ + ".ini";
  yearIndex_.ReplaceYear(loadedYear_, *yearDoc_, FileExists(folders_.photoDir + fileName), fileName);
}

Result<bool> AlbumStore::SaveSection(std::string_view section, std::vector<std::string> lines,
                                     bool dedupe) {
  if (yearDoc_ == nullptr) return Status::Error("年のアルバムが開かれていません");
  TMemIniFile& doc = ContainerDocument();
  bool& changed = SubAlbumOpen() ? subDocChanged_ : yearDocChanged_;
  const bool dropped = dedupe && DedupeEntryLines(lines);

  // The whole new document is built in memory and written once, atomically;
  // the old text is kept to put the document back if that write fails.
  const std::string before = doc.ToText();
  DropEmptyNamedSection(doc);
  DropAllSections(doc, section);
  if (!lines.empty()) doc.AppendSection(std::string(section), lines);
  if (Status s = doc.Save(); !s.ok()) {
    doc.ReplaceAll(SplitLines(before));
    return s;
  }
  changed = false;
  modified_ = false;
  if (PageOpen() && EqualsNoCase(section, section_)) lines_ = std::move(lines);
  if (&doc == yearDoc_.get()) SyncYearIndex();
  return dropped;
}

Status AlbumStore::SaveCurrent(bool dedupe) {
  if (yearDoc_ == nullptr) return Status::Ok();
  if (!modified_ && !yearDocChanged_ && !subDocChanged_) return Status::Ok();
  if (PageOpen()) {
    Result<bool> saved = SaveSection(section_, lines_, dedupe);
    if (!saved.ok()) return saved.status();
  } else {
    yearDocChanged_ |= DropEmptyNamedSection(*yearDoc_);
    if (Status s = SaveYearDocument(); !s.ok()) return s;
  }
  if (!SubAlbumOpen()) {
    subDocChanged_ |= DropEmptyNamedSection(*subDoc_);
    if (Status s = SaveDocument(*subDoc_, subDocChanged_); !s.ok()) {
      modified_ = true;
      return s;
    }
    if (PageOpen()) RefreshSummary(openPage_);
  }
  modified_ = false;
  return Status::Ok();
}

void AlbumStore::ErasePage(std::string_view page) {
  if (yearDoc_ == nullptr || (PageOpen() && EqualsNoCase(page, openPage_))) return;
  if (const auto* lines = yearDoc_->FindSection(page)) {
    std::vector<std::string> subAlbums;
    for (const auto& line : *lines) {
      const std::string_view name = EntryNameOf(line);
      if (IsSubAlbumEntry(name)) subAlbums.emplace_back(name.substr(1));
    }
    for (const auto& section : subAlbums) DropAllSections(*subDoc_, section);
    if (!subAlbums.empty()) subDocChanged_ = true;
    DropAllSections(*yearDoc_, page);
    yearDocChanged_ = true;
  }
  modified_ = true;
}

// ---- Current container ----

std::string AlbumStore::ContainerTitle() const {
  if (SubAlbumOpen()) return SubAlbumTitle(section_);
  return PageOpen() ? PageTitle(openPage_) : std::string();
}

Status AlbumStore::OpenPage(std::string_view page) {
  if (yearDoc_ == nullptr || PageOpen()) return Status::Error("ページを開けません");
  // Changes made from the page list (a page erased, say) are saved before the
  // page's lines are taken, so opening never throws them away.
  if (Status s = SaveCurrent(false); !s.ok()) return s;
  openPage_ = std::string(page);
  section_ = openPage_;
  subAlbumName_.clear();
  lines_ = yearDoc_->SectionLines(page);
  modified_ = recountPending_ = false;
  return Status::Ok();
}

Status AlbumStore::OpenSubAlbum(std::string_view section) {
  if (!PageOpen() || SubAlbumOpen()) return Status::Error("サブアルバムを開けません");
  if (modified_) {
    Result<bool> saved = SaveSection(section_, lines_, false);
    if (!saved.ok()) return saved.status();
    RefreshSummary(openPage_);
    recountPending_ = true;
  }
  section_ = std::string(section);
  subAlbumName_ = std::string(SubAlbumNameOf(section));
  if (subAlbumName_.empty()) subAlbumName_ = section_;
  lines_ = subDoc_->SectionLines(section_);
  modified_ = false;
  return Status::Ok();
}

Status AlbumStore::GoBack(bool all) {
  if (!PageOpen()) return Status::Ok();
  const bool wasModified = modified_;
  if (Status s = SaveCurrent(false); !s.ok()) return s;
  if (wasModified) recountPending_ = true;
  if (SubAlbumOpen()) {
    subAlbumName_.clear();
    section_ = openPage_;
    lines_ = yearDoc_->SectionLines(openPage_);
    modified_ = false;
    if (!all) return Status::Ok();
  }
  openPage_.clear();
  section_.clear();
  lines_ = PageList(showAllPages_);
  modified_ = false;
  SyncYearIndex();
  if (recountPending_) {
    RecountSummaries(true);
    recountPending_ = false;
  }
  return Status::Ok();
}

Status AlbumStore::Close() {
  if (yearDoc_ == nullptr) return Status::Ok();
  if (Status s = GoBack(true); !s.ok()) return s;
  if (Status s = SaveChangedDocuments(); !s.ok()) return s;
  modified_ = false;
  return Status::Ok();
}

void AlbumStore::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  modified_ = true;
}

void AlbumStore::RefreshPageList() {
  if (!PageOpen()) lines_ = PageList(showAllPages_);
}

void AlbumStore::ReloadLines() {
  lines_ = PageOpen() ? ContainerDocument().SectionLines(section_) : PageList(showAllPages_);
  modified_ = false;
}

}  // namespace lumidex
