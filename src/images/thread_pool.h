#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace lumidex {

// A fixed set of worker threads that run submitted tasks in order of
// submission. For pure work only (decoding, scaling, encoding): tasks must
// not touch lists, documents or cache files. Thread-safe. The destructor
// finishes the queued tasks and joins the threads.
class ThreadPool {
 public:
  // `threads` workers; 0 means one per core of the machine.
  explicit ThreadPool(size_t threads = 0);
  ~ThreadPool();
  ThreadPool(const ThreadPool&) = delete;
  ThreadPool& operator=(const ThreadPool&) = delete;

  size_t size() const { return workers_.size(); }

  // Queues `task` and returns the future of its result.
  template <typename F>
  auto Submit(F task) -> std::future<decltype(task())> {
    using R = decltype(task());
    auto packaged = std::make_shared<std::packaged_task<R()>>(std::move(task));
    std::future<R> future = packaged->get_future();
    Enqueue([packaged] { (*packaged)(); });
    return future;
  }

 private:
  void Enqueue(std::function<void()> job);
  void Work();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;  // guarded by mutex_
  bool stopping_ = false;                   // guarded by mutex_
  std::vector<std::thread> workers_;
};

// The number of cores of the machine, at least 1.
size_t CoreCount();

// Runs work(i) for every i in [0, count) on every worker of `pool` at once:
// each worker takes the next index from one shared counter, so no thread
// hands out work and a slow item holds up no other. Returns when all are
// done. `work` must be safe to call from several threads.
void ForEachIndex(ThreadPool& pool, size_t count, const std::function<void(size_t)>& work);

// Runs produce(i) for every i in [0, count) on `pool`, keeping at most
// `window` results in flight (memory stays bounded), and hands each result
// to consume(i, result) on the calling thread in index order. When consume
// returns false no further work is started; the work already started is
// waited for and dropped.
template <typename T>
void ForEachInOrder(ThreadPool& pool, size_t count, size_t window,
                    const std::function<T(size_t)>& produce,
                    const std::function<bool(size_t, T&&)>& consume) {
  std::deque<std::future<T>> inFlight;
  size_t next = 0;
  bool stopped = false;
  for (size_t done = 0; done < count && !stopped; ++done) {
    while (next < count && inFlight.size() < std::max<size_t>(window, 1)) {
      const size_t index = next++;
      inFlight.push_back(pool.Submit([&produce, index] { return produce(index); }));
    }
    T result = inFlight.front().get();
    inFlight.pop_front();
    stopped = !consume(done, std::move(result));
  }
  for (auto& future : inFlight) future.wait();
}

}  // namespace lumidex
