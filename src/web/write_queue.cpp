#include "web/write_queue.h"

#include <unordered_map>
#include <utility>

namespace cardwise {

WriteQueue::WriteQueue(std::size_t maxPendingBytes)
    : maxPendingBytes_(maxPendingBytes), thread_([this] { Run(); }) {}

WriteQueue::~WriteQueue() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void WriteQueue::Push(std::string path, std::string contents) {
  std::unique_lock lock(mutex_);
  // One page bigger than the limit still goes, alone.
  changed_.wait(lock, [&] { return pendingBytes_ == 0 || pendingBytes_ < maxPendingBytes_; });
  pendingBytes_ += contents.size();
  pending_.push_back({std::move(path), std::move(contents)});
  lock.unlock();
  changed_.notify_all();
}

std::vector<PageWritten> WriteQueue::Drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return pending_.empty() && !writing_; });
  Publish();
  return std::exchange(written_, {});
}

void WriteQueue::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [&] { return stopping_ || !pending_.empty(); });
    if (pending_.empty()) return;  // stopping, and nothing is left
    Page page = std::move(pending_.front());
    pending_.pop_front();
    writing_ = true;
    lock.unlock();
    Status outcome = folders_.Write(page.Path, page.Contents);
    lock.lock();
    writing_ = false;
    pendingBytes_ -= page.Contents.size();
    written_.push_back({std::move(page.Path), std::move(outcome)});
    changed_.notify_all();
  }
}

// A page that was written but could not be moved into its folder is not there.
void WriteQueue::Publish() {
  std::unordered_map<std::string, Status> failed;
  for (FileFailure& failure : folders_.Publish())
    failed.emplace(std::move(failure.Path), std::move(failure.Outcome));
  if (failed.empty()) return;
  for (PageWritten& page : written_) {
    const auto found = failed.find(page.Path);
    if (found != failed.end() && page.Outcome) page.Outcome = found->second;
  }
}

}  // namespace cardwise
