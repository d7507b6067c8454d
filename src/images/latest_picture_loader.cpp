#include "images/latest_picture_loader.h"

#include <utility>

namespace lumidex {

LatestPictureLoader::LatestPictureLoader(const ShellImages& shell, Deliver deliver)
    : shell_(shell), deliver_(std::move(deliver)), worker_([this] { Work(); }) {}

LatestPictureLoader::~LatestPictureLoader() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    waiting_.reset();
    ++newest_;  // whatever is under way is no longer the newest
  }
  wake_.notify_one();
  worker_.join();
}

uint64_t LatestPictureLoader::Request(CardPictureRequest request) {
  uint64_t id;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    id = ++newest_;
    waiting_ = std::move(request);
  }
  wake_.notify_one();
  return id;
}

void LatestPictureLoader::Cancel() {
  std::lock_guard<std::mutex> lock(mutex_);
  waiting_.reset();
  ++newest_;
}

void LatestPictureLoader::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
    if (stopping_) return;
    const CardPictureRequest request = std::move(*waiting_);
    waiting_.reset();
    const uint64_t id = newest_;
    lock.unlock();
    Result<CardPicture> picture = LoadCardPicture(request, shell_);
    lock.lock();
    if (id == newest_ && !stopping_) deliver_(id, std::move(picture));
  }
}

}  // namespace lumidex
