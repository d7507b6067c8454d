#pragma once

#include <QImage>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumidex {

class ThreadPool;

// Decoded thumbnails of the image list, keyed by their JPEG bytes, shared by
// whoever knows early which thumbnails will be drawn (the list's range pass
// calls Prefetch) and the delegate that draws them (Get). Prefetched
// thumbnails are decoded on a thread pool of their own while the main
// thread goes on laying out and painting; Get takes a finished picture,
// decodes one that no thread has started yet itself, and while a pool
// thread decodes the one it wants, decodes the latest prefetched pictures
// no thread has started instead of waiting idle: the paint never queues
// behind other work, and the main thread and the pool share a screenful
// from its two ends.
//
// Keeps the most recently used pictures up to a byte budget; pictures still
// being decoded are never dropped. Prefetch and Get are called on the main
// thread only; the pool threads touch nothing but their own slot.
class DecodedThumbnails {
 public:
  // `threads` 0 means one per core; `budgetBytes` is the most the kept
  // pictures may take.
  explicit DecodedThumbnails(size_t threads = 0, int64_t budgetBytes = 24 * 1024 * 1024);
  ~DecodedThumbnails();
  DecodedThumbnails(const DecodedThumbnails&) = delete;
  DecodedThumbnails& operator=(const DecodedThumbnails&) = delete;

  // Starts decoding `jpeg` on the pool unless it is known already.
  void Prefetch(const std::string& jpeg);
  // The picture of `jpeg` (null when the bytes do not decode as a complete
  // JPEG).
  QImage Get(const std::string& jpeg);

  // The number of pictures kept or being decoded, and the bytes kept.
  size_t size() const { return slots_.size(); }
  int64_t keptBytes() const { return keptBytes_; }
  // How many pictures the pool decoded and how many Get decoded itself
  // (for tests and benchmarks).
  int decodedOnPool() const;
  int decodedHere() const { return decodedHere_; }
  // Called on the decoding thread as each decode starts (`done` false) and
  // once it is done, with whether that thread is a pool thread (for
  // benchmarks and tests). Decodes prefetched before a change keep the
  // handler they were given.
  void SetDecodeHandler(std::function<void(bool onPool, bool done)> handler) {
    decodeHandler_ = std::move(handler);
  }

 private:
  struct Slot;
  using Key = size_t;
  std::shared_ptr<Slot> Find(Key key);
  void Keep(Key key, const std::shared_ptr<Slot>& slot);
  void Trim();
  // Decodes here the latest prefetched picture that no thread has started;
  // false when there is none.
  bool DecodeLatestQueued();
  // Decodes a queued `slot` here. REQUIRES: `lock` holds the slot's mutex;
  // it is released during the decode and held again on return.
  void Decode(Slot& slot, std::unique_lock<std::mutex>& lock);

  std::unordered_map<Key, std::pair<std::shared_ptr<Slot>, std::list<Key>::iterator>> slots_;
  std::list<Key> recent_;  // most recently used first
  // Prefetched slots in the order of their Prefetch, some of them perhaps
  // started or dropped since; the main thread decodes from the back.
  std::deque<std::weak_ptr<Slot>> prefetched_;
  std::function<void(bool onPool, bool done)> decodeHandler_;
  int64_t budgetBytes_;
  int64_t keptBytes_ = 0;
  int decodedHere_ = 0;
  std::shared_ptr<std::atomic<int>> decodedOnPool_;
  // Declared last: destroyed first, so its threads end before the slots go.
  std::unique_ptr<ThreadPool> pool_;
};

}  // namespace lumidex
