#include "images/thread_pool.h"

#include <atomic>

namespace lumidex {

size_t CoreCount() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : cores;
}

ThreadPool::ThreadPool(size_t threads) {
  if (threads == 0) threads = CoreCount();
  workers_.reserve(threads);
  for (size_t i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
}

ThreadPool::~ThreadPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void ThreadPool::Enqueue(std::function<void()> job) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void ThreadPool::Work() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    job();
  }
}

void ForEachIndex(ThreadPool& pool, size_t count, const std::function<void(size_t)>& work) {
  std::atomic<size_t> next{0};
  std::vector<std::future<void>> workers;
  const size_t threads = std::min(pool.size(), count);
  workers.reserve(threads);
  for (size_t t = 0; t < threads; ++t) {
    workers.push_back(pool.Submit([&] {
      for (size_t i = next.fetch_add(1); i < count; i = next.fetch_add(1)) work(i);
    }));
  }
  for (auto& worker : workers) worker.get();
}

}  // namespace lumidex
