#pragma once

#include <string>

namespace slumbrix {

// The single-instance rule: a lock (flock) on a file in the user's private runtime directory.
// The lock goes with the process, so a holder that died leaves nothing behind.
class InstanceLock {
 public:
  // name is the lock file's name inside the directory.
  explicit InstanceLock(std::string name);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock and keeps it until this object goes. False when another holder has it.
  // When the lock path in the runtime directory is unusable (something planted there), the
  // fallback directory's lock is used. When no lock can be had at all the rule cannot be
  // checked, and the answer is true so that the program still runs.
  bool acquire();

  // The directory the lock file lives in: $XDG_RUNTIME_DIR when it is a private directory of
  // this user, else a 0700 directory of this user under the temporary directory, which is
  // created if needed; empty when neither can be had.
  static std::string directory();

 private:
  enum class Outcome { Acquired, Held, Unusable };
  Outcome lockIn(const std::string& dir);

  std::string name_;
  int fd_ = -1;
};

// True when path is a directory (not a link) that belongs to this user and that no one else
// may enter.
bool isPrivateDirectory(const std::string& path);

}  // namespace slumbrix
