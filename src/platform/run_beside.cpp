#include "platform/run_beside.h"

#include <system_error>
#include <thread>

namespace cardwise {

bool RunBeside(const std::function<void()>& beside, const std::function<void()>& here) {
  std::thread thread;
  try {
    thread = std::thread(beside);
  } catch (const std::system_error&) {
    return false;
  }
  here();
  thread.join();
  return true;
}

}  // namespace cardwise
