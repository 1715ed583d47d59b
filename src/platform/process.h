#pragma once
// Runs another program as a child process, with an argument vector and never through a shell:
// no argument is split, expanded or interpreted on the way.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace cardwise {

struct ProcessOutcome {
  int ExitCode = -1;      // the child's exit status; -1 when it did not exit normally
  std::string ErrorText;  // everything the child wrote to stderr
};

using LineHandler = std::function<void(std::string_view line)>;

// Runs `args[0]`, looked up in PATH, with `args` as its argument vector; stdin is /dev/null.
// Each line the child writes to stdout goes to `onLine` (without its line end) as it arrives;
// stderr is collected into `outcome.ErrorText`. Waits for the child to end.
// The Status fails when the program cannot be started ("rsync: not found in PATH") or is ended
// by a signal; a non-zero exit status is a success of this call, left to the caller to judge.
Status RunProcess(const std::vector<std::string>& args, const LineHandler& onLine,
                  ProcessOutcome& outcome);

}  // namespace cardwise
