#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "imagelist/item_data_sources.h"
#include "images/thread_pool.h"
#include "images/thumbnail_request.h"

namespace lumidex {

class ImageList;
class ThumbnailCache;

// Makes the image list's thumbnails without stalling the window: cached
// thumbnails are read on the main thread, pictures are decoded on a thread
// pool (RenderListThumbnail), and the results come back to the main thread,
// where they are handed to the list (ImageList::DeliverThumbnail) and,
// outside folder mode, planned for the disk cache, whose file one writer
// thread writes (the write and its syncs wait for the disk, which the
// window must not). At most a few decodes run or
// wait at a time; requests beyond that queue here, and the queued ones of
// the visible range go first.
//
// Main thread only, except for the decoding jobs, which touch no list,
// document or cache, and the writer, which touches only the planned cache
// file. The list, the cache and the context's referenced
// objects must outlive the pipeline; results that arrive after it is gone
// are dropped.
class ThumbnailPipeline : public QObject {
  Q_OBJECT

 public:
  // `cache` may be null (no disk cache). `threads` 0 means one per core.
  ThumbnailPipeline(ImageContext context, ThumbnailCache* cache, size_t threads = 0,
                    QObject* parent = nullptr);
  ~ThumbnailPipeline() override;

  // The list that receives the thumbnails; set before the first request.
  void SetList(ImageList* list) { list_ = list; }
  // The background colour of thumbnails (0x00BBGGRR).
  void SetBackground(uint32_t colour) { background_ = colour; }
  // While set, nothing is written to the disk cache (folder mode).
  void SetNoCacheMode(bool on);

  // Answers ItemDataSources::cachedBytes and ::listThumbnail.
  std::optional<std::string> CachedBytes(const std::string& path);
  // Reads what CachedBytes gives for each of `paths` now, ahead of the
  // list's records (a page's first screen, whose pictures are then decoded
  // while the list is filled and laid out). Until DropReadAhead, CachedBytes
  // hands out each file read here once instead of reading it again. Returns
  // the bytes in the order of `paths`, nullopt where the cache has none.
  std::vector<std::optional<std::string>> ReadAhead(const std::vector<std::string>& paths);
  // Forgets the bytes read ahead that CachedBytes has not handed out, so
  // that a later record reads its cache file as it is then.
  void DropReadAhead() { readAhead_.clear(); }
  ThumbnailAnswer Request(const std::string& path);
  // ItemDataSources::makerBusy.
  bool Busy() const;
  // Forgets queued requests (the list was refilled); running decodes finish
  // and are dropped unless their item still waits.
  void ForgetQueued();

  // The number of decodes running or queued here.
  int backlog() const { return static_cast<int>(queued_.size()) + running_; }

 signals:
  // A decode finished and was handed to the list (for benchmarks and tests).
  void thumbnailDelivered(int index);

 private:
  struct Job {
    std::string path;
  };
  void StartMore();
  void Finish(const std::string& path, std::optional<std::string> jpeg);

  const ImageContext context_;
  ThumbnailCache* const cache_;
  ImageList* list_ = nullptr;
  uint32_t background_ = 0xFFFFFF;
  std::deque<Job> queued_;
  std::unordered_map<std::string, std::string> readAhead_;
  int running_ = 0;
  int maxRunning_ = 1;
  // Declared last: destroyed first (the decodes, then the writes queued
  // until then), so their threads finish while every member they could
  // reach (none, by design) still exists.
  std::unique_ptr<ThreadPool> writer_;
  std::unique_ptr<ThreadPool> pool_;
};

}  // namespace lumidex
