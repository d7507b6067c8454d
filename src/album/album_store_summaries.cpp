// The page summaries of AlbumStore: cover choice, counts and thumbnails.
#include <algorithm>
#include <unordered_set>

#include "album/album_path.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// The cover choice looks at no more than this many file entries, so a page of
// thousands of missing files does not stat them all.
constexpr int kCoverCandidates = 11;
// Lines of the first sub-album that may give the cover.
constexpr size_t kSubAlbumCoverLines = 2;

}  // namespace

bool AlbumStore::CoverFileExists(const std::string& path) const {
  if (folderExists_) {
    const std::string folder(FolderPartOf(path));
    auto [it, inserted] = folderExists_->try_emplace(folder, false);
    if (inserted) it->second = folder.empty() || FolderExists(folder);
    if (!it->second) return false;
  }
  return FileExists(path);
}

CoverChoice AlbumStore::PageCover(std::string_view page, std::string_view value) const {
  if (value != kAutomaticCover) return {true, std::string(value)};
  if (yearDoc_ == nullptr) return {};
  const auto* lines = yearDoc_->FindSection(page);
  if (lines == nullptr || lines->empty()) return {};

  std::string fallback;
  std::string_view firstSubAlbum;
  int examined = 0;
  for (const auto& line : *lines) {
    const std::string_view name = EntryNameOf(line);
    if (IsSubAlbumEntry(name)) {
      if (firstSubAlbum.empty()) firstSubAlbum = name.substr(1);
      continue;
    }
    if (examined++ == kCoverCandidates) break;
    const std::string path(name);
    const std::string extension = ExtensionOf(path);
    if (FileTypeLists::IsImageType(extension) && CoverFileExists(path)) return {true, path};
    if (fallback.empty() && types_.IsManagedType(extension)) fallback = path;
  }
  if (!fallback.empty()) return {true, fallback};
  if (!firstSubAlbum.empty()) {
    if (const auto* subLines = subDoc_->FindSection(firstSubAlbum)) {
      for (size_t i = 0; i < subLines->size() && i < kSubAlbumCoverLines; ++i) {
        const std::string path(EntryNameOf((*subLines)[i]));
        if (FileTypeLists::IsImageType(ExtensionOf(path)) && CoverFileExists(path)) return {true, path};
      }
    }
  }
  return {true, ""};
}

std::optional<std::string> AlbumStore::Render(const std::string& cover) const {
  if (!renderThumbnail_ || !FileExists(cover)) return std::nullopt;
  return renderThumbnail_(cover);
}

GRPDATA AlbumStore::CountSummary(std::string_view page, const std::string& cover) const {
  GRPDATA summary;
  summary.name = std::string(page);
  if (const auto* lines = yearDoc_->FindSection(page)) {
    for (const auto& line : *lines) {
      const std::string_view name = EntryNameOf(line);
      if (!IsSubAlbumEntry(name)) {
        ++summary.imageCount;
        continue;
      }
      ++summary.subAlbumCount;
      if (const auto* subLines = subDoc_->FindSection(name.substr(1))) {
        summary.subAlbumImageCount += static_cast<int32_t>(subLines->size());
      }
    }
  }
  const std::string extension = ExtensionOf(cover);
  summary.iconCover = !cover.empty() && (types_.IsManagedType(extension) || extension == ".ico");
  summary.thumbnail = Render(cover);
  return summary;
}

GRPDATA* AlbumStore::FindSummary(std::string_view page) {
  auto it = std::find_if(summaries_.begin(), summaries_.end(),
                         [&](const GRPDATA& s) { return s.name == page; });
  return it == summaries_.end() ? nullptr : &*it;
}

const GRPDATA* AlbumStore::FindSummary(std::string_view page) const {
  return const_cast<AlbumStore*>(this)->FindSummary(page);
}

GRPDATA& AlbumStore::EnsureSummary(std::string_view page) {
  if (GRPDATA* existing = FindSummary(page)) return *existing;
  GRPDATA summary;
  summary.name = std::string(page);
  summaries_.push_back(std::move(summary));
  return summaries_.back();
}

void AlbumStore::DropSummary(std::string_view page) {
  std::erase_if(summaries_, [&](const GRPDATA& s) { return s.name == page; });
}

void AlbumStore::RefreshSummary(std::string_view page) {
  if (yearDoc_ == nullptr) return;
  const std::string value = pageIndex_.GetValue("DATA", page, "");
  if (!pageIndex_.HasKey("DATA", page)) {
    DropSummary(page);
    return;
  }
  ApplySummary(page, PageCover(page, value));
}

void AlbumStore::ApplySummary(std::string_view page, const CoverChoice& choice) {
  GRPDATA* existing = FindSummary(page);
  if (!choice.hasContent) {
    // A page whose last entries went has nothing left to summarise.
    DropSummary(page);
    return;
  }
  if (existing != nullptr) {
    existing->thumbnail = Render(choice.cover);
    return;
  }
  summaries_.push_back(CountSummary(page, choice.cover));
}

void AlbumStore::RecountSummaries(bool recount) {
  if (yearDoc_ == nullptr) return;
  folderExists_.emplace();
  for (auto& summary : summaries_) {
    const CoverChoice choice = PageCover(summary.name, pageIndex_.GetValue("DATA", summary.name, ""));
    if (recount) {
      summary = CountSummary(summary.name, choice.cover);
    } else {
      summary.thumbnail = Render(choice.cover);
    }
  }
  folderExists_.reset();
}

void AlbumStore::RebuildSummaries() {
  summaries_.clear();
  yearIndex_.Refresh(folders_.photoDir, store_);
  if (yearDoc_ == nullptr) return;
  SyncYearIndex();
  folderExists_.emplace();
  if (const auto* lines = pageIndex_.FindSection("DATA")) {
    const std::vector<std::string> pageLines = *lines;
    // The pages summarised so far, so that a page listed twice is summarised
    // once without a search of the summaries for every line.
    std::unordered_set<std::string> summarised;
    for (const auto& line : pageLines) {
      if (!IsPageLine(line)) continue;
      std::string page = line.substr(0, 5);
      if (summarised.contains(page)) continue;
      const CoverChoice choice = PageCover(page, line.substr(6));
      if (!choice.hasContent) continue;
      summaries_.push_back(CountSummary(page, choice.cover));
      summarised.insert(std::move(page));
    }
  }
  folderExists_.reset();
  if (!PageOpen()) lines_ = PageList(showAllPages_);
}

}  // namespace lumidex
