#include "imagelist/image_list.h"

#include <memory>
#include <utility>

#include "imagelist/list_worker.h"

namespace lumidex {
namespace {

// Clears the busy flag however the step ends.
class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

ImageList::ImageList(const FileTypeLists& types, ItemDataSources sources)
    : types_(types), sources_(std::move(sources)) {}

void ImageList::FillPageList(std::vector<std::string> lines) {
  DropItemData(true);
  noCacheMode_ = false;
  entries_.Fill(ListMode::kPageList, std::move(lines));
}

void ImageList::FillFromContainer(std::vector<std::string> lines) {
  DropItemData(true);
  noCacheMode_ = false;
  entries_.Fill(ListMode::kContainer, std::move(lines));
}

void ImageList::FillFromFolderLines(std::vector<std::string> lines) {
  DropItemData(true);
  noCacheMode_ = true;
  entries_.Fill(ListMode::kFolder, std::move(lines));
}

void ImageList::DropItemData(bool clearList) {
  if (worker_ != nullptr) worker_->Pause();
  if (clearList) {
    prefetchNext_ = 0;
    entries_.Clear();
  } else {
    entries_.DropRecords();
  }
}

void ImageList::SetVisibleRange(int first, int last) {
  visibleFirst_ = first;
  visibleLast_ = last;
}

bool ImageList::WorkerPaused() const { return worker_ != nullptr && worker_->paused(); }

bool ImageList::EnsureItemData(int index) {
  if (mode() == ListMode::kPageList || index < 0 || index >= size()) return false;
  if (entries_.record(index) != nullptr) return true;
  const std::string name(entries_.NameAt(index));
  if (name.empty()) return false;
  BusyScope busy(busy_);
  if (name.front() == '@') return MakeSubAlbumRecord(index, name);
  MakeFileRecord(index, name);
  return true;
}

bool ImageList::MakeSubAlbumRecord(int index, std::string_view name) {
  const std::vector<std::string> files =
      sources_.subAlbumEntryNames ? sources_.subAlbumEntryNames(std::string(name.substr(1)))
                                  : std::vector<std::string>();
  if (files.empty()) return false;
  const std::string& first = files.front();
  if (!sources_.fileDateText || sources_.fileDateText(first).empty()) return false;
  auto record = std::make_unique<ALBDATA>();
  record->fileCount = static_cast<int32_t>(files.size());
  if (types_.IsManagedType(ExtensionOf(first))) {
    if (sources_.shellIcon) record->data = sources_.shellIcon(first);
    record->isJpeg = 0;
  } else {
    if (sources_.subAlbumThumbnail) record->data = sources_.subAlbumThumbnail(first);
    record->isJpeg = 1;
  }
  entries_.SetRecord(index, std::move(record));
  return true;
}

void ImageList::MakeFileRecord(int index, const std::string& name) {
  auto record = std::make_unique<ALBDATA>();
  record->dateText = sources_.fileDateText ? sources_.fileDateText(name) : std::string();
  record->exists = record->dateText.empty() ? 0 : 1;
  if (record->exists) {
    const std::string extension = ExtensionOf(name);
    const int load = sources_.memoryLoadPercent ? sources_.memoryLoadPercent() : 0;
    if (!FileTypeLists::IsImageType(extension)) {
      if (types_.IsManagedType(extension) && sources_.systemIconIndex) {
        record->iconIndex = sources_.systemIconIndex(name);
      }
    } else if (!memoryCache_ || load > kMemoryLoadLimitPercent) {
      if (sources_.memoryCacheIndicator) sources_.memoryCacheIndicator(false);
    } else {
      record->isJpeg = 1;
      if (sources_.cachedBytes) record->data = sources_.cachedBytes(name);
      if (!record->data && sources_.listThumbnail) {
        ThumbnailAnswer answer = sources_.listThumbnail(name);
        record->data = std::move(answer.bytes);
        record->thumbnailPending = answer.pending && !record->data;
      }
      if (sources_.memoryCacheIndicator) sources_.memoryCacheIndicator(true);
    }
  }
  entries_.SetRecord(index, std::move(record));
}

bool ImageList::MarkShown() {
  const int first = visibleFirst_;
  const int last = visibleLast_;
  if (first < 0 || last < first || last >= size()) return false;
  bool changed = false;
  for (int index = first; index <= last; ++index) {
    EnsureItemData(index);
    ALBDATA* record = entries_.record(index);
    if (record != nullptr && record->shown == 0) {
      record->shown = 1;
      changed = true;
    }
    if (WorkerPaused()) break;
  }
  if (changed && redraw_) redraw_();
  return changed;
}

bool ImageList::BackgroundStep() {
  if (prefetchNext_ >= size()) return false;
  if (sources_.makerBusy && sources_.makerBusy()) return false;
  EnsureItemData(prefetchNext_);
  ++prefetchNext_;
  return true;
}

bool ImageList::RemakeThumbnail(int index) {
  if (mode() == ListMode::kPageList || index < 0 || index >= size()) return false;
  ALBDATA* record = entries_.record(index);
  const std::string name(entries_.NameAt(index));
  if (record == nullptr || !record->data || !record->isJpeg || record->thumbnailPending ||
      record->thumbnailRemade || name.empty() || name.front() == '@' || !sources_.listThumbnail) {
    return false;
  }
  record->thumbnailRemade = true;
  record->data.reset();
  ThumbnailAnswer answer = sources_.listThumbnail(name);
  record->data = std::move(answer.bytes);
  record->thumbnailPending = answer.pending && !record->data;
  if (itemChanged_) itemChanged_(index);
  return true;
}

bool ImageList::TakesThumbnail(int index, std::string_view name) const {
  if (index < 0 || index >= size()) return false;
  const ALBDATA* record = entries_.record(index);
  return record != nullptr && record->thumbnailPending && entries_.NameAt(index) == name;
}

int ImageList::DeliverThumbnail(int indexHint, std::string_view name,
                                std::optional<std::string> bytes) {
  int index = TakesThumbnail(indexHint, name) ? indexHint : -1;
  for (int i = 0; index < 0 && i < size(); ++i) {
    if (TakesThumbnail(i, name)) index = i;
  }
  if (index < 0) return -1;
  ALBDATA* record = entries_.record(index);
  record->thumbnailPending = false;
  if (bytes && !bytes->empty()) record->data = std::move(bytes);
  if (itemChanged_) itemChanged_(index);
  return index;
}

int ImageList::RenewThumbnail(std::string_view name,
                              const std::function<std::optional<std::string>()>& make) {
  std::optional<std::string> bytes;
  int renewed = 0;
  for (int i = 0; i < size(); ++i) {
    ALBDATA* record = entries_.record(i);
    if (record == nullptr || !record->isJpeg || entries_.NameAt(i) != name) continue;
    if (!bytes && !(bytes = make())) return 0;
    record->data = *bytes;
    record->thumbnailPending = false;
    record->thumbnailRemade = false;
    if (itemChanged_) itemChanged_(i);
    ++renewed;
  }
  return renewed;
}

}  // namespace lumidex
