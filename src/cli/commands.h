#pragma once
// The command table of cardwise-cli: each command's name, its lines of the usage text and the
// function that runs it.

#include <span>
#include <string>

#include "cli/cli_context.h"

namespace cardwise {

struct Command {
  const char* Name;
  const char* Usage;  // as the usage text lists it, continuation lines indented
  int (*Run)(CliContext&);
};

// Every command, in the order of the usage text.
std::span<const Command> Commands();
// The command of the name; nullptr when there is none.
const Command* FindCommand(const std::string& name);

}  // namespace cardwise
