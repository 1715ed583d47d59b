// Fuzz target: the INI file. The first line names a section, a key and a value ("section|key|
// value"), the rest is the file's text. The file is read, the key written, and read back: the
// key has the value, and every line outside the changed one is where it was.

#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/ini_file.h"

namespace cardwise::fuzz {
namespace {

// Names are kept to letters, digits and inner blanks: a key holding "=" or "[" is no key.
std::string NameFrom(std::string_view text) {
  std::string name;
  for (char c : text)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')
      name += c;
  while (!name.empty() && name.back() == ' ')
    name.pop_back();
  while (!name.empty() && name.front() == ' ')
    name.erase(0, 1);
  return name;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    // A last line ended by a bare CR gets its CR LF when a section is appended after it.
    while (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The value as ReadString gives it back: line ends made blanks, surrounding blanks gone.
std::string Stored(std::string_view value) {
  std::string text(value);
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.back()))
    text.pop_back();
  while (!text.empty() && blank(text.front()))
    text.erase(0, 1);
  return text;
}

// Only the changed line may differ, and at most two lines (a new section and its key) appear.
void RequireOtherLinesKept(std::string_view before, std::string_view after) {
  const auto old = Lines(before), now = Lines(after);
  std::size_t prefix = 0;
  while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
    ++prefix;
  std::size_t suffix = 0;
  while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
         old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
    ++suffix;
  Require(old.size() - prefix - suffix <= 1, "more than one line changed");
  Require(now.size() - prefix - suffix <= 2, "more than two lines added");
}

}  // namespace
}  // namespace cardwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace cardwise;
  using namespace cardwise::fuzz;
  std::string_view input = AsText(data, size);
  const std::size_t end = input.find('\n');
  const std::string_view first = input.substr(0, end);
  const std::string_view text = end == std::string_view::npos ? "" : input.substr(end + 1);
  const std::size_t bar1 = first.find('|'), bar2 = first.find('|', bar1 + 1);
  if (bar1 == std::string_view::npos || bar2 == std::string_view::npos) return 0;
  const std::string section = NameFrom(first.substr(0, bar1));
  const std::string key = NameFrom(first.substr(bar1 + 1, bar2 - bar1 - 1));
  const std::string_view value = first.substr(bar2 + 1);
  if (section.empty() || key.empty()) return 0;

  IniFile file{std::string(text)};
  (void)file.ReadSection(section);
  (void)file.ReadString(section, key, "");
  file.WriteString(section, key, value);
  Require(file.ReadString(section, key, "?") == Stored(value), "the key does not read back");
  RequireOtherLinesKept(text, file.Text());
  file.ReplaceSection(section, {{key, std::string(value)}});
  Require(file.ReadString(section, key, "?") == Stored(value), "a replaced section lost its key");
  return 0;
}
