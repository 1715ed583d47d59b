#pragma once
// The outcome of an operation that can fail. Errors are values: a failed Status carries one
// message for the user, by convention "file:line: what happened" or "file: what happened".

#include <string>

namespace cardwise {

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }
  // "file: message", or "file:line: message" when line > 0.
  static Status ErrorAt(const std::string& file, int line, const std::string& message);

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : ok_(false), message_(std::move(message)) {}

  bool ok_ = true;
  std::string message_;
};

// "file: message" or "file:line: message" when line > 0.
std::string FormatLocation(const std::string& file, int line, const std::string& message);

}  // namespace cardwise
