#pragma once
// The progress texts of cardwise-cli (ShowStatus), on stderr.
//
// On a terminal each text replaces the last on one line, at most ten a second, and the line is
// cleared when the command ends. Into a pipe or a file nothing is written during the first
// second of a command, so that a quick command leaves only its results and messages there;
// after that a text is a line of its own, at most one a second. A text is written whole, with
// its line end, or not at all.

#include <chrono>
#include <iosfwd>
#include <string>

namespace cardwise {

class ProgressPrinter {
 public:
  using Clock = std::chrono::steady_clock;

  // `start`: when the command started.
  ProgressPrinter(std::ostream& err, bool terminal, Clock::time_point start);

  // The text as of `now`, or nothing when it comes too soon.
  void Show(const std::string& text, Clock::time_point now);
  // Clears the terminal's progress line when a text is on it.
  void Finish();

 private:
  std::ostream& err_;
  const bool terminal_;
  Clock::time_point next_;  // the earliest time for the next text
  bool shown_ = false;      // a text stands on the terminal's line
};

}  // namespace cardwise
