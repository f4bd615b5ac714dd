#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace slumbrix {
namespace {

// Another user may have planted the fallback name first; the next candidates are tried in
// the same order by every instance, so they all agree on one directory.
constexpr int kFallbackCandidates = 16;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string fallbackDirectory() {
  std::string base = environment("TMPDIR");
  if (base.empty() || base.front() != '/') base = "/tmp";
  const std::string stem = base + "/slumbrix-" + std::to_string(getuid());
  for (int i = 0; i < kFallbackCandidates; ++i) {
    const std::string path = i == 0 ? stem : stem + "." + std::to_string(i);
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) continue;
    if (isPrivateDirectory(path)) return path;
  }
  return {};
}

}  // namespace

bool isPrivateDirectory(const std::string& path) {
  struct stat info {};
  if (path.empty() || path.front() != '/' || lstat(path.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

std::string InstanceLock::directory() {
  const std::string runtime = environment("XDG_RUNTIME_DIR");
  if (isPrivateDirectory(runtime)) return runtime;
  return fallbackDirectory();
}

InstanceLock::InstanceLock(std::string name) : name_(std::move(name)) {}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

InstanceLock::Outcome InstanceLock::lockIn(const std::string& dir) {
  if (dir.empty()) return Outcome::Unusable;
  const std::string path = dir + "/" + name_;
  // Close-on-exec: a browser started from the About window must not inherit the lock.
  // Non-blocking: a fifo planted at the path must not hold the start.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
  if (fd < 0) return Outcome::Unusable;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != getuid()) {
    close(fd);
    return Outcome::Unusable;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return held ? Outcome::Held : Outcome::Unusable;
  }
  fd_ = fd;
  return Outcome::Acquired;
}

bool InstanceLock::acquire() {
  if (fd_ >= 0) return true;
  // Something planted at the lock path in the runtime directory (a link, a directory, a
  // fifo, another user's file) must neither stop the program nor switch the rule off: the
  // private fallback directory's lock takes over.
  const std::string runtime = environment("XDG_RUNTIME_DIR");
  if (isPrivateDirectory(runtime)) {
    const Outcome outcome = lockIn(runtime);
    if (outcome != Outcome::Unusable) return outcome == Outcome::Acquired;
  }
  return lockIn(fallbackDirectory()) != Outcome::Held;
}

}  // namespace slumbrix
