#include "imagelist/worker_clock.h"

#include <chrono>

namespace lumidex {
namespace {

class SteadyClock final : public WorkerClock {
 public:
  int64_t NowMs() const override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
};

}  // namespace

const WorkerClock& SteadyWorkerClock() {
  static const SteadyClock clock;
  return clock;
}

bool Throttle::Due() {
  const int64_t now = clock_.NowMs();
  if (started_ && now - last_ < intervalMs_) return false;
  started_ = true;
  last_ = now;
  return true;
}

}  // namespace lumidex
