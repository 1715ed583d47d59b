#include "web/write_queue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace cardwise::testing {
namespace {

// With a limit of one byte every page waits for the one before it: when Push returns, the
// earlier pages are in their folder already, though nothing was drained. A page bigger than
// the limit still goes, and the outcomes come back in the order of the pushes.
TEST(WriteQueueTest, ASmallLimitMakesPushWaitForTheWriter) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("site"));
  const int pages = 50;
  const auto path = [&](int i) { return dir.File("site/p" + std::to_string(i) + ".htm"); };
  const auto body = [](int i) {
    return std::string(static_cast<std::size_t>(i % 7 + 1), 'x') + "\n";
  };
  WriteQueue queue(1);
  for (int i = 0; i < pages; ++i) {
    queue.Push(path(i), body(i));
    if (i > 0) {
      ASSERT_EQ(dir.Read("site/p" + std::to_string(i - 1) + ".htm"), body(i - 1)) << i;
    }
  }
  const std::vector<PageWritten> written = queue.Drain();
  ASSERT_EQ(written.size(), static_cast<std::size_t>(pages));
  for (int i = 0; i < pages; ++i) {
    EXPECT_EQ(written[i].Path, path(i));
    EXPECT_TRUE(written[i].Outcome) << written[i].Outcome.message();
  }
  EXPECT_EQ(dir.Read("site/p49.htm"), body(49));
}

// A page that cannot be written is reported and holds up neither the wait nor the pages after
// it; pages of a new folder appear together at Drain.
TEST(WriteQueueTest, AFailedPageIsReportedAndTheRestAreWritten) {
  TempDir dir;
  dir.Write("file", "");
  WriteQueue queue(1);
  queue.Push(dir.File("file/a.htm"), "a");
  queue.Push(dir.File("new/b.htm"), "b");
  queue.Push(dir.File("new/c.htm"), "c");
  const std::vector<PageWritten> written = queue.Drain();
  ASSERT_EQ(written.size(), 3u);
  EXPECT_FALSE(written[0].Outcome);
  EXPECT_TRUE(written[1].Outcome && written[2].Outcome);
  EXPECT_EQ(dir.Read("new/b.htm") + dir.Read("new/c.htm"), "bc");
}

}  // namespace
}  // namespace cardwise::testing
