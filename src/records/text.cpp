#include "records/text.h"

#include <climits>

#include "platform/codepage.h"
#include "platform/env.h"

namespace cardwise {

namespace {

// The data files come from a system whose text functions worked on short strings; keeping the
// same limits keeps the fields we read identical to the ones it read.
constexpr std::size_t kFieldTextLimit = 255;
constexpr std::size_t kProperCaseLimit = 80;
constexpr std::size_t kEnvValueLimit = 255;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool StartsWord(char previous) {
  return previous == ' ' || previous == '-' || previous == '.';
}

// Whether the text holds both a capital and a small letter: it was typed with care.
bool HasMixedCase(std::string_view text) {
  bool upper = false, lower = false;
  for (const char c : text) {
    const auto letter = static_cast<unsigned char>(c);
    upper = upper || LowerChar(letter) != letter;
    lower = lower || UpperChar(letter) != letter;
  }
  return upper && lower;
}

}  // namespace

std::string ExtractField(std::string_view text, int n, char separator) {
  return std::string(ExtractFieldView(text, n, separator));
}

std::string_view ExtractFieldView(std::string_view text, int n, char separator) {
  if (n <= 0) return {};
  text = text.substr(0, kFieldTextLimit);
  std::size_t start = 0;
  for (int skipped = 1; skipped < n; ++skipped) {
    const std::size_t next = text.find(separator, start);
    if (next == std::string_view::npos) return {};
    start = next + 1;
  }
  const std::size_t end = text.find(separator, start);
  return text.substr(start, end == std::string_view::npos ? end : end - start);
}

std::string_view TrimView(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string Trim(std::string_view text) {
  return std::string(TrimView(text));
}

std::string KeyOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::string(line);
  return Trim(line.substr(0, equals));
}

std::string ValueOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return Trim(line.substr(equals + 1));
}

int CountChar(std::string_view text, char c) {
  int count = 0;
  for (char each : text)
    count += each == c ? 1 : 0;
  return count;
}

int LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && !IsDigit(text[i]))
    ++i;
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    // A run too long for a whole number is not a number we can read: like any unreadable
    // value it counts as 0.
    if (value > INT_MAX) return 0;
  }
  return static_cast<int>(value);
}

std::string ReplaceAll(std::string_view pattern, std::string_view replacement,
                       std::string_view text) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  std::size_t start = 0;
  for (std::size_t hit = text.find(pattern); hit != std::string_view::npos;
       hit = text.find(pattern, start)) {
    result.append(text.substr(start, hit - start));
    result.append(replacement);
    start = hit + pattern.size();
  }
  result.append(text.substr(start));
  return result;
}

std::string IncludeTrailingSlash(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != '/') result += '/';
  return result;
}

std::string ProperCase(std::string_view text) {
  std::string result(text.substr(0, kProperCaseLimit));
  // "McAllister", "van der Berg" and "O'Neil" are right as typed; only a name typed all in
  // capitals or all in small letters is given its capitals here.
  if (HasMixedCase(result)) return result;
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto c = static_cast<unsigned char>(result[i]);
    const bool upper = i == 0 || StartsWord(result[i - 1]);
    result[i] = static_cast<char>(upper ? UpperChar(c) : LowerChar(c));
  }
  return result;
}

std::string OemToAnsiText(std::string_view text) {
  return DosToWindows(text);
}

std::string GetEnv(std::string_view name) {
  std::optional<std::string> value = FindEnv(name);
  if (!value) return {};
  if (value->size() > kEnvValueLimit) value->resize(kEnvValueLimit);
  return *value;
}

}  // namespace cardwise
