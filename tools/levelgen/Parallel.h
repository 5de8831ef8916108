#pragma once
// Runs numbered tasks on a few threads. Each task writes only its own result
// slot and draws from its own seed, so the output never depends on how the
// tasks were scheduled or on the number of threads.

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace levelgen {

inline void RunTasks(int count, int threads, const std::function<void(int)>& task) {
  std::atomic<int> next{0};
  auto worker = [&] {
    for (int i = next++; i < count; i = next++) task(i);
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& thread : pool) thread.join();
}

}  // namespace levelgen
