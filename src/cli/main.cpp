#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int code = cardwise::RunCli(args, std::cout, std::cerr);
  // Everything is written and closed by now. What is left is the loaded database, a federation's
  // hundreds of thousands of small blocks: the system takes them back at once, where freeing
  // them one by one would take a few hundredths of a second.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(code);
}
