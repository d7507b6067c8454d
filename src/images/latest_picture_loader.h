#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "foundation/status.h"
#include "images/card_picture.h"

namespace lumidex {

class ShellImages;

// Reads pictures for a card (LoadCardPicture) on one worker thread of its
// own, the newest request winning: a request replaces any that waits, and
// the result of a request that was replaced before its decode ended is
// dropped, never delivered. So clicking quickly through a list of camera
// pictures decodes at most the picture under way and the last one asked
// for, never a backlog. A damaged picture gives an error result like any
// other, and the next request works normally. Thread-safe.
class LatestPictureLoader {
 public:
  // Receives the result of request `id`. Called on the worker thread while
  // the loader holds its lock, so a request made after the call began waits
  // for it, and one made before it kept it from being called at all; it must
  // be quick (the window posts the result to its own thread) and must not
  // call into the loader. A receiver on another thread still compares `id`
  // with the newest it asked for, as a request may come while the result
  // travels.
  using Deliver = std::function<void(uint64_t id, Result<CardPicture> picture)>;

  // `shell` is called on the worker thread and must be thread-safe; it and
  // `deliver` must outlive the loader.
  LatestPictureLoader(const ShellImages& shell, Deliver deliver);
  // Drops the waiting request, waits for a decode under way (its result is
  // dropped) and ends the worker. Nothing is delivered afterwards.
  ~LatestPictureLoader();
  LatestPictureLoader(const LatestPictureLoader&) = delete;
  LatestPictureLoader& operator=(const LatestPictureLoader&) = delete;

  // Asks for `request` and returns its id, larger than every id before it.
  uint64_t Request(CardPictureRequest request);
  // Forgets the waiting request and drops the result of the one under way.
  void Cancel();

 private:
  void Work();

  const ShellImages& shell_;
  const Deliver deliver_;
  std::mutex mutex_;
  std::condition_variable wake_;
  uint64_t newest_ = 0;                        // guarded by mutex_
  std::optional<CardPictureRequest> waiting_;  // guarded by mutex_; id newest_
  bool stopping_ = false;                      // guarded by mutex_
  std::thread worker_;                         // started last, once the members it reads exist
};

}  // namespace lumidex
