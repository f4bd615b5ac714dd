#pragma once

// GoogleTest on the win32 thread model. GCC 12's libstdc++ there has no std::mutex, which
// GoogleTest uses only for its Notification (a helper of its own threading tests); this
// header, included first in every GoogleTest compilation of the Windows build, supplies one
// that needs no std::mutex. The rest of GoogleTest uses Windows' own primitives.

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) Sleep(1);
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
