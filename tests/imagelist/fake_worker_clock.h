#pragma once

#include <cstdint>

#include "imagelist/worker_clock.h"

namespace lumidex::testing {

// A clock that only moves when the test says so.
class FakeWorkerClock final : public WorkerClock {
 public:
  int64_t NowMs() const override { return now_; }
  void Advance(int64_t ms) { now_ += ms; }

 private:
  int64_t now_ = 1000;
};

}  // namespace lumidex::testing
