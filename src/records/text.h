#pragma once
// Small text functions used by every reader of the data files and the legacy exchange files.
// All work on Windows-1252 bytes and keep no state between calls.

#include <string>
#include <string_view>

namespace cardwise {

// The n-th (1-based) field of the text, fields being the pieces between separators; empty when
// n is 0, the text is empty, or it has fewer than n fields. Fields are not trimmed. Only the
// first 255 characters of the text are looked at.
std::string ExtractField(std::string_view text, int n, char separator);
// The same as a view into the text, for look-ups that keep nothing.
std::string_view ExtractFieldView(std::string_view text, int n, char separator);

// The text without leading and trailing spaces (only the space character).
std::string Trim(std::string_view text);
std::string_view TrimView(std::string_view text);

// The key of a "key=value" line: the text before the first "=", trimmed; the whole line
// unchanged when it holds no "=".
std::string KeyOf(std::string_view line);
// The value: the text after the first "=", trimmed; empty when the line holds no "=".
std::string ValueOf(std::string_view line);

int CountChar(std::string_view text, char c);

// The run of digits after the leading non-digits, as a whole number ("ab12cd" gives 12); 0 when
// there is none.
int LeadingNumber(std::string_view text);

// Replaces every occurrence of `pattern` by `replacement`. The replacement must not contain the
// pattern.
std::string ReplaceAll(std::string_view pattern, std::string_view replacement,
                       std::string_view text);

// The path with a "/" appended unless it ends with one (an empty path stays empty).
std::string IncludeTrailingSlash(std::string_view path);

// A name typed all in capitals or all in small letters with the first character and every
// character after a space, "-" or "." upper-cased and the others lower-cased (Windows-1252 case
// mapping); a text that holds both capitals and small letters stays as typed. Only the first 80
// characters are kept.
std::string ProperCase(std::string_view text);

// The DOS code-page letters of the legacy files replaced by the Windows letters.
std::string OemToAnsiText(std::string_view text);

// The value of the environment variable (name matched without regard to letter case), at most
// 255 characters; empty when it is not set.
std::string GetEnv(std::string_view name);

}  // namespace cardwise
