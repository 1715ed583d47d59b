#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/files.h"

namespace cardwise {

namespace {

constexpr std::chrono::milliseconds kDefaultWait{5000};
// A save holds its lock for milliseconds: the first looks again come soon, later ones less
// often (flock has no wait with a time limit of its own).
constexpr std::chrono::microseconds kFirstRetry{200};
constexpr std::chrono::microseconds kLongestRetry{20000};

std::atomic<std::chrono::milliseconds::rep> lockWait{kDefaultWait.count()};

// 0 when the lock was taken; EWOULDBLOCK when the wait ran out; another errno value else.
int LockWithin(int fd, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::chrono::microseconds retry = kFirstRetry;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return errno;
    if (std::chrono::steady_clock::now() >= deadline) return EWOULDBLOCK;
    std::this_thread::sleep_for(retry);
    retry = std::min(retry * 2, kLongestRetry);
  }
}

std::string WaitText(std::chrono::milliseconds wait) {
  const auto tenths = (wait.count() + 50) / 100;
  return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "");
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

Status FileLock::Acquire(const std::string& path, FileLock& lock) {
  lock.Release();
  const std::string lockPath = LockFilePath(path);
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Status::ErrorAt(path, 0, std::strerror(errno));
  const std::chrono::milliseconds wait = LockWait();
  if (const int error = LockWithin(fd, wait); error != 0) {
    ::close(fd);
    if (error != EWOULDBLOCK) return Status::ErrorAt(path, 0, std::strerror(error));
    return Status::ErrorAt(path, 0,
                           "in use: another save held its lock (" + FileNameOf(lockPath) +
                               ") for more than " + WaitText(wait) + " s; not saved");
  }
  lock.fd_ = fd;
  return Status::Ok();
}

void FileLock::Release() {
  // Closing the only descriptor of the open lock file releases the flock.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::string LockFilePath(const std::string& path) {
  return LinkTarget(path) + ".lock";
}

std::chrono::milliseconds LockWait() {
  return std::chrono::milliseconds(lockWait.load());
}

void SetLockWait(std::chrono::milliseconds wait) {
  lockWait = wait.count();
}

Status WithFileLock(const std::string& path, const std::function<Status()>& change) {
  FileLock lock;
  if (Status status = FileLock::Acquire(path, lock); !status) return status;
  return change();
}

}  // namespace cardwise
