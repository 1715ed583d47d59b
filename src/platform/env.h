#pragma once
// Environment variables.

#include <optional>
#include <string>
#include <string_view>

namespace cardwise {

// The value of the variable whose name equals `name` without regard to letter case (an exact
// match wins); nullopt when none is set.
std::optional<std::string> FindEnv(std::string_view name);

// FindEnv's value, or an empty text when the variable is not set.
std::string EnvOr(std::string_view name, std::string_view fallback = {});

}  // namespace cardwise
