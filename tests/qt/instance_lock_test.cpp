#include "platform/linux/instance_lock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace slumbrix {
namespace {

namespace fs = std::filesystem;

// A fresh private runtime directory and temporary directory for each test.
class InstanceLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/slumbrix-lock-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    runtime_ = root_ / "runtime";
    ASSERT_EQ(mkdir(runtime_.c_str(), 0700), 0);
    setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    setenv("TMPDIR", root_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("TMPDIR");
    fs::remove_all(root_);
  }
  std::string fallback(const char* suffix = "") const {
    return (root_ / ("slumbrix-" + std::to_string(getuid()) + suffix)).string();
  }

  fs::path root_;
  fs::path runtime_;
};

TEST_F(InstanceLockTest, TheSecondHolderIsRefusedUntilTheFirstGoes) {
  auto first = std::make_unique<InstanceLock>("test.lock");
  EXPECT_TRUE(first->acquire());
  EXPECT_TRUE(first->acquire());  // the holder keeps it
  InstanceLock second("test.lock");
  EXPECT_FALSE(second.acquire());
  first.reset();
  EXPECT_TRUE(second.acquire());
  EXPECT_TRUE(fs::exists(runtime_ / "test.lock"));
}

TEST_F(InstanceLockTest, AnotherProcessHoldsItAndADeadOneDoesNot) {
  int ready[2];
  int release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    InstanceLock lock("test.lock");
    const char taken = lock.acquire() ? 'y' : 'n';
    (void)!write(ready[1], &taken, 1);
    char go = 0;
    (void)!read(release[0], &go, 1);
    _exit(0);  // dies holding the lock
  }
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  EXPECT_EQ(taken, 'y');
  InstanceLock mine("test.lock");
  EXPECT_FALSE(mine.acquire());
  (void)!write(release[1], "x", 1);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(mine.acquire());
}

TEST_F(InstanceLockTest, WithoutAPrivateRuntimeDirectoryAPrivateFallbackIsMade) {
  chmod(runtime_.c_str(), 0755);  // others may enter: not private
  for (const char* runtime : {"", "relative/dir", "/nonexistent/dir", runtime_.c_str()}) {
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    EXPECT_EQ(InstanceLock::directory(), fallback()) << runtime;
  }
  struct stat info {};
  ASSERT_EQ(lstat(fallback().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  InstanceLock lock("test.lock");
  EXPECT_TRUE(lock.acquire());
  EXPECT_TRUE(fs::exists(fallback() + "/test.lock"));
}

// A runtime directory that others of the group, or anyone, may write to is not private:
// another user could replace the lock file and start a second instance beside ours.
TEST_F(InstanceLockTest, ARuntimeDirectoryOthersMayWriteToIsNotUsed) {
  for (const mode_t mode : {0770, 0720, 0730, 0702, 0703, 0777, 0750, 0705}) {
    ASSERT_EQ(chmod(runtime_.c_str(), mode), 0);
    EXPECT_EQ(InstanceLock::directory(), fallback()) << std::oct << mode;
    InstanceLock lock("test.lock");
    EXPECT_TRUE(lock.acquire()) << std::oct << mode;
    EXPECT_FALSE(fs::exists(runtime_ / "test.lock")) << std::oct << mode;
    EXPECT_TRUE(fs::exists(fallback() + "/test.lock")) << std::oct << mode;
  }
  ASSERT_EQ(chmod(runtime_.c_str(), 0700), 0);
  EXPECT_EQ(InstanceLock::directory(), runtime_.string());
}

TEST_F(InstanceLockTest, APlantedFallbackNeitherStopsNorRedirects) {
  unsetenv("XDG_RUNTIME_DIR");
  // Another user's directory under the expected name, and a link under the next one.
  ASSERT_EQ(mkdir(fallback().c_str(), 0777), 0);
  // Only root can hand a directory to another user.
  if (geteuid() != 0) GTEST_SKIP() << "needs root to plant another user's directory";
  ASSERT_EQ(chown(fallback().c_str(), 65534, 65534), 0);
  const fs::path elsewhere = root_ / "elsewhere";
  ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
  ASSERT_EQ(symlink(elsewhere.c_str(), fallback(".1").c_str()), 0);

  EXPECT_EQ(InstanceLock::directory(), fallback(".2"));
  InstanceLock first("test.lock");
  InstanceLock second("test.lock");
  EXPECT_TRUE(first.acquire());
  EXPECT_FALSE(second.acquire());
  EXPECT_FALSE(fs::exists(elsewhere / "test.lock"));
  EXPECT_FALSE(fs::exists(fs::path(fallback()) / "test.lock"));
}

TEST_F(InstanceLockTest, APlantedLinkAsTheLockFileIsNotFollowed) {
  const fs::path target = root_ / "target";
  ASSERT_EQ(symlink(target.c_str(), (runtime_ / "test.lock").c_str()), 0);
  InstanceLock lock("test.lock");
  EXPECT_TRUE(lock.acquire());  // cannot check: the program still runs
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace slumbrix
