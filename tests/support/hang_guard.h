#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace quil::testing {

// Ends the test program when a test has not finished long after it should have: a hang
// detector, far too generous to judge speed (sanitizer builds included).
class THangGuard {
 public:
  THangGuard() : watcher_([this] { Watch(); }) {}
  ~THangGuard() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    wake_.notify_one();
    watcher_.join();
  }
  THangGuard(const THangGuard&) = delete;
  THangGuard& operator=(const THangGuard&) = delete;

 private:
  void Watch() {
    std::unique_lock lock(mutex_);
    if (wake_.wait_for(lock, std::chrono::minutes(3), [this] { return done_; })) return;
    std::fprintf(stderr, "%s hangs: no result after 3 minutes\n",
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::abort();
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread watcher_;
};

}  // namespace quil::testing
