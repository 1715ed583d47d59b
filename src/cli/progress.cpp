#include "cli/progress.h"

#include <ostream>

#include "platform/codepage.h"

namespace cardwise {

namespace {

constexpr std::chrono::milliseconds kTerminalPause{100};
constexpr std::chrono::seconds kPipePause{1};
constexpr const char* kClearLine = "\r\033[K";

}  // namespace

// A terminal shows progress from the start; a pipe or file gets none in the first second.
ProgressPrinter::ProgressPrinter(std::ostream& err, bool terminal, Clock::time_point start)
    : err_(err), terminal_(terminal), next_(terminal ? start : start + kPipePause) {}

// The text goes out in one write and is flushed: a reader of the pipe never sees half of it.
void ProgressPrinter::Show(const std::string& text, Clock::time_point now) {
  if (now < next_) return;
  next_ = now + (terminal_ ? Clock::duration(kTerminalPause) : Clock::duration(kPipePause));
  const std::string utf8 = Windows1252ToUtf8(text);
  err_ << (terminal_ ? kClearLine + utf8 : utf8 + "\n") << std::flush;
  shown_ = terminal_;
}

void ProgressPrinter::Finish() {
  if (shown_) err_ << kClearLine << std::flush;
  shown_ = false;
}

}  // namespace cardwise
