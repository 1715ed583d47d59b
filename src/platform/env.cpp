#include "platform/env.h"

#include <cstdlib>
#include <string>

#include "platform/codepage.h"

extern char** environ;

namespace cardwise {

std::optional<std::string> FindEnv(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (const char* exact = std::getenv(std::string(name).c_str())) return std::string(exact);
  // Names differing only in letter case are one variable on the system this program's data
  // comes from; take the first such entry.
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    if (SameText(text.substr(0, equals), name)) return std::string(text.substr(equals + 1));
  }
  return std::nullopt;
}

std::string EnvOr(std::string_view name, std::string_view fallback) {
  if (auto value = FindEnv(name)) return *value;
  return std::string(fallback);
}

}  // namespace cardwise
