#include "web/write_queue.h"

#include <utility>

#include "platform/files.h"
#include "web/page.h"

namespace cardwise {

TWriteQueue::TWriteQueue(std::size_t maxPendingBytes)
    : maxPendingBytes_(maxPendingBytes), thread_([this] { Run(); }) {}

TWriteQueue::~TWriteQueue() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void TWriteQueue::Push(std::string path, std::string contents) {
  std::unique_lock lock(mutex_);
  // One page bigger than the limit still goes, alone.
  changed_.wait(lock, [&] { return pendingBytes_ == 0 || pendingBytes_ < maxPendingBytes_; });
  pendingBytes_ += contents.size();
  pending_.push_back({std::move(path), std::move(contents)});
  lock.unlock();
  changed_.notify_all();
}

std::vector<TPageWritten> TWriteQueue::Drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return pending_.empty() && !writing_; });
  return std::exchange(written_, {});
}

void TWriteQueue::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [&] { return stopping_ || !pending_.empty(); });
    if (pending_.empty()) return;  // stopping, and nothing is left
    Page page = std::move(pending_.front());
    pending_.pop_front();
    writing_ = true;
    lock.unlock();
    Status outcome = Write(page);
    lock.lock();
    writing_ = false;
    pendingBytes_ -= page.Contents.size();
    written_.push_back({std::move(page.Path), std::move(outcome)});
    changed_.notify_all();
  }
}

Status TWriteQueue::Write(const Page& page) {
  // Most pages go into a few folders: each is made, or found, once.
  const std::string folder = DirectoryOf(page.Path);
  const bool known = folders_.contains(folder);
  Status status = WritePageFile(page.Path, page.Contents, known);
  if (status && !known) folders_.insert(folder);
  return status;
}

}  // namespace cardwise
