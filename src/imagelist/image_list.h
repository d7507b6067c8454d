#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_types.h"
#include "imagelist/entry_list.h"
#include "imagelist/item_data_sources.h"

namespace lumidex {

class ListWorker;

// The memory load above which no new thumbnails are kept in memory.
inline constexpr int kMemoryLoadLimitPercent = 80;

// The image list's data and view state without any widget: the EntryList,
// the range the control last asked for, the background pass position and the
// no-cache flag of folder mode, with the steps the list worker runs
// (EnsureItemData, MarkShown, BackgroundStep). The window's list model reads
// it to draw; every change of lines that must reach the album goes through
// the album store by the caller, who then mirrors it here.
//
// Not thread-safe; main thread only. The file-type lists must outlive it.
class ImageList {
 public:
  ImageList(const FileTypeLists& types, ItemDataSources sources);
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  // The worker that follows this list; DropItemData pauses it and MarkShown
  // stops early when it is paused. May be null. Must outlive the list or be
  // detached (nullptr) first.
  void AttachWorker(ListWorker* worker) { worker_ = worker; }
  // Called when MarkShown changed something, so the control redraws.
  void SetRedrawHandler(std::function<void()> redraw) { redraw_ = std::move(redraw); }
  // Called with the index of an item whose thumbnail arrived.
  void SetItemChangedHandler(std::function<void(int)> changed) {
    itemChanged_ = std::move(changed);
  }
  // Whether thumbnails are kept in memory (the setting "mem").
  void SetMemoryCache(bool on) { memoryCache_ = on; }
  bool memoryCache() const { return memoryCache_; }

  const EntryList& entries() const { return entries_; }
  EntryList& entries() { return entries_; }
  ListMode mode() const { return entries_.mode(); }
  int size() const { return entries_.size(); }

  // ---- Filling ----

  // Shows the page list lines.
  void FillPageList(std::vector<std::string> lines);
  // Shows the lines of an opened page or sub-album section.
  void FillFromContainer(std::vector<std::string> lines);
  // Shows the "path=" lines of a folder walk; sets noCacheMode.
  void FillFromFolderLines(std::vector<std::string> lines);
  // Pauses the worker and destroys every record. With `clearList` also
  // empties the list and sets prefetchNext to 0.
  void DropItemData(bool clearList);

  // ---- View state ----

  int visibleFirst() const { return visibleFirst_; }
  int visibleLast() const { return visibleLast_; }
  void SetVisibleRange(int first, int last);
  int prefetchNext() const { return prefetchNext_; }
  bool noCacheMode() const { return noCacheMode_; }
  // True while EnsureItemData runs; the control does not draw meanwhile.
  bool busy() const { return busy_; }

  // ---- Worker steps ----

  // Makes the item's record if it has none. True when the item has a record
  // afterwards. False in page-list mode, for an index outside the list, for
  // an empty line, and for a sub-album entry whose section is empty or whose
  // first file is missing (no record is made, so the entry is tried again
  // each time it becomes visible).
  bool EnsureItemData(int index);
  // With a valid visible range (both ends inside the list), makes missing
  // records of the range and sets `shown` on every record of it that was not
  // shown yet, stopping early if the worker is paused. Redraws when anything
  // changed; returns whether anything changed.
  bool MarkShown();
  // The background pass: prepares item prefetchNext and moves on. Returns
  // true when an item was prepared, false when the pass is at the end or the
  // thumbnail maker is busy (the same item is tried at the next step).
  bool BackgroundStep();

  // The thumbnail bytes of item `index` did not decode (the disk cache is
  // read checking headers only, so a damaged cache file gets this far): they
  // are dropped and the thumbnail is asked for afresh from the picture
  // (ItemDataSources::listThumbnail), once per record. True when it was
  // asked for; false for an item without a record or bytes, a sub-album
  // entry, a record already waiting or remade once, and outside the list.
  bool RemakeThumbnail(int index);

  // Stores thumbnail bytes made off the main thread for the file `name`. The
  // item is looked for at `indexHint` first (lines may have moved since),
  // then anywhere; only a record still waiting for its thumbnail takes it.
  // An empty `bytes` marks the picture as not decodable. Returns the index
  // that took the bytes, or -1.
  int DeliverThumbnail(int indexHint, std::string_view name, std::optional<std::string> bytes);

  // Replaces the thumbnail held in memory by every picture record of the
  // file `name` (a picture edited, or its cache file made anew) with the
  // bytes `make` gives, made once at the first such record; a record
  // waiting for its thumbnail takes them too. Nothing changes when `make`
  // gives nullopt. Returns how many records took them.
  int RenewThumbnail(std::string_view name, const std::function<std::optional<std::string>()>& make);

 private:
  bool MakeSubAlbumRecord(int index, std::string_view name);
  void MakeFileRecord(int index, const std::string& name);
  bool TakesThumbnail(int index, std::string_view name) const;
  bool WorkerPaused() const;

  const FileTypeLists& types_;
  const ItemDataSources sources_;
  ListWorker* worker_ = nullptr;
  std::function<void()> redraw_;
  std::function<void(int)> itemChanged_;
  bool memoryCache_ = true;

  EntryList entries_;
  int visibleFirst_ = -1;
  int visibleLast_ = -1;
  int prefetchNext_ = 0;
  bool noCacheMode_ = false;
  bool busy_ = false;
};

}  // namespace lumidex
