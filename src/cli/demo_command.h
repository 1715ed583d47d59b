#pragma once
// `cardwise-cli demo load` and `demo unload`: switch to the demo data and back. Unlike the other
// commands these store what they switched (the five data-file names and the web root) in the
// settings file, so that the next command works on the data they switched to; no other key of
// the settings file is written. `demo load` first copies the demo files the data folder lacks
// from the shipped ones; when it cannot, it exits 1 and leaves the settings alone.

#include "cli/cli_context.h"

namespace cardwise {

int RunDemo(CliContext& context);

}  // namespace cardwise
