#pragma once

#include <cstdint>

namespace lumidex {

// The time source of the list workers and of throttled progress reports, in
// milliseconds of a monotonic clock. Tests pass a clock they advance by hand,
// so every scheduling rule runs without real waiting. Implementations are
// read on the main thread only.
class WorkerClock {
 public:
  virtual ~WorkerClock() = default;
  virtual int64_t NowMs() const = 0;
};

// The process's monotonic clock (std::chrono::steady_clock). Lives for the
// whole run; thread-safe.
const WorkerClock& SteadyWorkerClock();

// Answers true at most once per `intervalMs` of `clock`: the first call is
// always due. Used so that long loops hand control to the window (progress,
// pending events) only every 50 ms instead of after every file.
class Throttle {
 public:
  Throttle(const WorkerClock& clock, int64_t intervalMs) : clock_(clock), intervalMs_(intervalMs) {}
  bool Due();

 private:
  const WorkerClock& clock_;
  const int64_t intervalMs_;
  int64_t last_ = 0;
  bool started_ = false;
};

}  // namespace lumidex
