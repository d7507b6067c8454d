#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "images/thread_pool.h"

namespace lumidex {
namespace {

TEST(ThreadPoolTest, ForEachIndexRunsEveryIndexOnceOnSeveralThreads) {
  ThreadPool pool(3);
  for (const size_t count : {size_t{0}, size_t{2}, size_t{200}}) {
    std::vector<std::atomic<int>> runs(count);
    std::mutex mutex;
    std::set<std::thread::id> threads;
    ForEachIndex(pool, count, [&](size_t i) {
      runs[i].fetch_add(1);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
      std::lock_guard<std::mutex> lock(mutex);
      threads.insert(std::this_thread::get_id());
    });
    for (size_t i = 0; i < count; ++i) EXPECT_EQ(runs[i].load(), 1) << i;
    EXPECT_LE(threads.size(), std::min<size_t>(count, 3));
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
    if (count == 200) EXPECT_GT(threads.size(), 1u);
  }
}

}  // namespace
}  // namespace lumidex
