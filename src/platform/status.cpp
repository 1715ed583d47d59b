#include "platform/status.h"

namespace cardwise {

std::string FormatLocation(const std::string& file, int line, const std::string& message) {
  std::string where = file;
  if (line > 0) where += ":" + std::to_string(line);
  return where + ": " + message;
}

Status Status::ErrorAt(const std::string& file, int line, const std::string& message) {
  return Error(FormatLocation(file, line, message));
}

}  // namespace cardwise
