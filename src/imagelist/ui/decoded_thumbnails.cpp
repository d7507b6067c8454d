#include "imagelist/ui/decoded_thumbnails.h"

#include <condition_variable>
#include <functional>
#include <mutex>

#include "images/jpeg_codec.h"
#include "images/thread_pool.h"
#include "images/ui/bitmap_bridge.h"

namespace lumidex {
namespace {

// A thumbnail's picture. Thumbnails of the list are JPEGs the program wrote
// itself: they decode at full precision (fine detail such as text must stay
// sharp) and strictly, so that a damaged cache file gives no picture rather
// than a half-grey one. Anything else (a summary picture of another format)
// goes to Qt's readers.
QImage DecodeThumbnail(std::string_view bytes) {
  const bool jpeg = bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
                    static_cast<uint8_t>(bytes[1]) == 0xD8;
  if (!jpeg) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    return image;
  }
  JpegDecodeOptions options;
  options.strict = true;
  const Result<Bitmap> bitmap = DecodeJpeg(bytes, options);
  if (!bitmap.ok()) return QImage();
  // A deep copy: the wrapped pixels die with `bitmap`.
  return WrapAsQImage(bitmap.value()).copy();
}

// What a picture of `bytes` will take, from the JPEG header; a thumbnail's
// size when the header cannot be read.
int64_t ExpectedBytes(std::string_view bytes) {
  const Result<JpegSize> size = ReadJpegSize(bytes);
  if (!size.ok()) return 170 * 128 * 4;
  return static_cast<int64_t>(size.value().width) * size.value().height * 4;
}

}  // namespace

struct DecodedThumbnails::Slot {
  enum class State { kQueued, kRunning, kDone };
  std::mutex mutex;
  std::condition_variable finished;
  State state = State::kQueued;  // guarded by mutex
  std::string jpeg;              // until decoded; guarded by mutex
  QImage image;                  // once kDone; guarded by mutex
  int64_t bytes = 0;             // main thread only
};

DecodedThumbnails::DecodedThumbnails(size_t threads, int64_t budgetBytes)
    : budgetBytes_(budgetBytes),
      decodedOnPool_(std::make_shared<std::atomic<int>>(0)),
      pool_(std::make_unique<ThreadPool>(threads)) {}

DecodedThumbnails::~DecodedThumbnails() = default;

int DecodedThumbnails::decodedOnPool() const { return decodedOnPool_->load(); }

std::shared_ptr<DecodedThumbnails::Slot> DecodedThumbnails::Find(Key key) {
  const auto it = slots_.find(key);
  if (it == slots_.end()) return nullptr;
  recent_.splice(recent_.begin(), recent_, it->second.second);
  return it->second.first;
}

void DecodedThumbnails::Keep(Key key, const std::shared_ptr<Slot>& slot) {
  recent_.push_front(key);
  slots_.emplace(key, std::make_pair(slot, recent_.begin()));
  keptBytes_ += slot->bytes;
  Trim();
}

void DecodedThumbnails::Trim() {
  // The newest picture always stays, however large.
  while (keptBytes_ > budgetBytes_ && recent_.size() > 1) {
    const auto it = slots_.find(recent_.back());
    keptBytes_ -= it->second.first->bytes;
    slots_.erase(it);
    recent_.pop_back();
  }
}

void DecodedThumbnails::Prefetch(const std::string& jpeg) {
  const Key key = std::hash<std::string_view>()(jpeg);
  if (Find(key) != nullptr) return;
  auto slot = std::make_shared<Slot>();
  slot->jpeg = jpeg;
  slot->bytes = ExpectedBytes(jpeg);
  Keep(key, slot);
  // The slots the pool took (it takes them in order) or that were dropped
  // are forgotten, so that the list stays about as long as the pool's queue.
  while (!prefetched_.empty()) {
    const std::shared_ptr<Slot> oldest = prefetched_.front().lock();
    if (oldest != nullptr) {
      std::lock_guard<std::mutex> lock(oldest->mutex);
      if (oldest->state == Slot::State::kQueued) break;
    }
    prefetched_.pop_front();
  }
  prefetched_.push_back(slot);
  pool_->Submit([slot, counter = decodedOnPool_, handler = decodeHandler_] {
    std::string bytes;
    {
      std::lock_guard<std::mutex> lock(slot->mutex);
      // Get may have taken it over meanwhile.
      if (slot->state != Slot::State::kQueued) return;
      slot->state = Slot::State::kRunning;
      bytes = std::move(slot->jpeg);
    }
    if (handler) handler(true, false);
    QImage image = DecodeThumbnail(bytes);
    // Counted before it is done, so whoever sees it done sees it counted.
    ++*counter;
    {
      std::lock_guard<std::mutex> lock(slot->mutex);
      slot->image = std::move(image);
      slot->state = Slot::State::kDone;
    }
    slot->finished.notify_all();
    if (handler) handler(true, true);
  });
}

void DecodedThumbnails::Decode(Slot& slot, std::unique_lock<std::mutex>& lock) {
  slot.state = Slot::State::kRunning;
  const std::string bytes = std::move(slot.jpeg);
  lock.unlock();
  if (decodeHandler_) decodeHandler_(false, false);
  QImage image = DecodeThumbnail(bytes);
  lock.lock();
  slot.image = std::move(image);
  slot.state = Slot::State::kDone;
  ++decodedHere_;
  slot.finished.notify_all();
  lock.unlock();
  if (decodeHandler_) decodeHandler_(false, true);
  lock.lock();
}

bool DecodedThumbnails::DecodeLatestQueued() {
  while (!prefetched_.empty()) {
    const std::shared_ptr<Slot> slot = prefetched_.back().lock();
    prefetched_.pop_back();
    if (slot == nullptr) continue;
    std::unique_lock<std::mutex> lock(slot->mutex);
    if (slot->state != Slot::State::kQueued) continue;
    Decode(*slot, lock);
    return true;
  }
  return false;
}

QImage DecodedThumbnails::Get(const std::string& jpeg) {
  const Key key = std::hash<std::string_view>()(jpeg);
  std::shared_ptr<Slot> slot = Find(key);
  if (slot == nullptr) {
    slot = std::make_shared<Slot>();
    if (decodeHandler_) decodeHandler_(false, false);
    slot->image = DecodeThumbnail(jpeg);
    slot->state = Slot::State::kDone;
    slot->bytes = slot->image.sizeInBytes();
    ++decodedHere_;
    if (decodeHandler_) decodeHandler_(false, true);
    Keep(key, slot);
    return slot->image;
  }
  std::unique_lock<std::mutex> lock(slot->mutex);
  // No pool thread has started it: decoding here is quicker than waiting
  // for the pool to get there.
  if (slot->state == Slot::State::kQueued) Decode(*slot, lock);
  // A pool thread decodes it: the latest prefetched pictures that no thread
  // has started are decoded here meanwhile, and only with none left does
  // the main thread wait.
  while (slot->state != Slot::State::kDone) {
    lock.unlock();
    const bool helped = DecodeLatestQueued();
    lock.lock();
    if (!helped) {
      slot->finished.wait(lock, [&slot] { return slot->state == Slot::State::kDone; });
    }
  }
  return slot->image;
}

}  // namespace lumidex
