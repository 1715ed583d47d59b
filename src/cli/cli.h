#pragma once
// cardwise-cli: the batch jobs of the program, on the same settings and data as the app,
// without a display. Results go to `out`, progress and errors to `err`; the exit statuses are
// those of cli_context.h.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_context.h"

namespace cardwise {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cardwise
