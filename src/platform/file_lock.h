#pragma once
// Exclusive advisory locks that keep changes of one file by several processes (the app and
// cardwise-cli, or two cardwise-cli runs) from losing each other.
//
// A change that reads a file, changes it and replaces it holds the file's lock from before the
// read until after the rename. The lock is an flock on "<file>.lock" beside the file (beside the
// file a symbolic link points at). Lock files stay where they are: removing one while another
// process waits on it would let two processes hold "the" lock at once. The locks are advisory:
// they keep out only programs that take them. Two locks of one file in one process exclude each
// other too, so a change must not take the lock of a file whose lock it already holds.

#include <chrono>
#include <functional>
#include <string>

#include "platform/status.h"

namespace cardwise {

class FileLock {
 public:
  FileLock() = default;
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() { Release(); }

  // Takes the lock of the file at `path`, waiting up to LockWait() while another holds it.
  // Fails, naming `path`, when the lock file cannot be opened or the wait runs out.
  static Status Acquire(const std::string& path, FileLock& lock);

  bool Held() const { return fd_ >= 0; }
  void Release();

 private:
  int fd_ = -1;
};

// "<path>.lock", beside the file a symbolic link points at.
std::string LockFilePath(const std::string& path);

// How long Acquire waits for a lock that another holds: 5 seconds unless set otherwise.
std::chrono::milliseconds LockWait();
void SetLockWait(std::chrono::milliseconds wait);

// Runs `change` while holding the lock of `path`; the lock's failure (and then `change` does
// not run), or what `change` returns.
Status WithFileLock(const std::string& path, const std::function<Status()>& change);

}  // namespace cardwise
