#pragma once
// Writes finished pages on a thread of its own, in the order they are given, so that the site
// generator renders the next page while the last one goes to disk. The pages waiting to be
// written hold at most a set number of bytes: Push waits while they hold more. The default
// lets the generator run well ahead: writing the many small round pages takes longer than
// rendering them, rendering the event and tour pages that follow longer than writing them.
//
// Pages of folders that are new go into hidden twins of those folders, each renamed into place
// when Drain is called (StagedFolders): a new year folder appears with all its pages at once.
// Pages of folders that exist replace their files atomically.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/staged_folders.h"
#include "platform/status.h"

namespace cardwise {

struct PageWritten {
  std::string Path;
  Status Outcome;
};

class WriteQueue {
 public:
  explicit WriteQueue(std::size_t maxPendingBytes = std::size_t{256} << 20);
  ~WriteQueue();  // writes the pages still waiting, then stops the thread
  WriteQueue(const WriteQueue&) = delete;
  WriteQueue& operator=(const WriteQueue&) = delete;

  // Queues the page; its folder is made when missing.
  void Push(std::string path, std::string contents);
  // Waits until every page pushed so far is written and in place, and returns what became of
  // each page written since the last call, in the order they were pushed.
  std::vector<PageWritten> Drain();

 private:
  struct Page {
    std::string Path, Contents;
  };

  void Run();
  void Publish();

  const std::size_t maxPendingBytes_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Page> pending_;
  std::size_t pendingBytes_ = 0;
  bool writing_ = false;
  bool stopping_ = false;
  std::vector<PageWritten> written_;
  StagedFolders folders_;  // used by the writing thread, and by Drain while it waits
  std::thread thread_;     // last: it starts once the rest is set up
};

}  // namespace cardwise
