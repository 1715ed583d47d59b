#include "platform/ini_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unordered_map>

#include "platform/codepage.h"
#include "platform/file_lock.h"
#include "platform/files.h"

namespace cardwise {

// Every operation walks the text line by line with positions into the one buffer: data files
// hold tens of thousands of sections, and splitting them into a vector of lines for each change
// would make saving a record quadratic in practice.

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Line {
  std::size_t start = 0;
  std::size_t end = 0;   // end of the content, before "\r\n" or "\n"
  std::size_t next = 0;  // start of the following line (== end when there is no line end)
};

Line LineAt(std::string_view text, std::size_t start) {
  const std::size_t newline = text.find('\n', start);
  if (newline == std::string_view::npos) return {start, text.size(), text.size()};
  const std::size_t end = newline > start && text[newline - 1] == '\r' ? newline - 1 : newline;
  return {start, end, newline + 1};
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string_view Content(std::string_view text, const Line& line) {
  return text.substr(line.start, line.end - line.start);
}

// The name of a "[name]" line; nullopt for other lines. The name ends at the last "]", so that
// a record ID holding "]" still finds its own section; a missing "]" ends it at the line end.
std::optional<std::string_view> SectionName(std::string_view content) {
  std::size_t open = 0;
  while (open < content.size() && IsBlank(content[open])) {
    ++open;
  }
  if (open == content.size() || content[open] != '[') return std::nullopt;
  std::size_t close = content.rfind(']');
  if (close <= open) close = std::string_view::npos;
  const std::size_t length = close == std::string_view::npos ? content.npos : close - open - 1;
  return Trimmed(content.substr(open + 1, length));
}

bool IsSection(std::string_view text, const Line& line, std::string_view section) {
  const auto name = SectionName(Content(text, line));
  return name && SameText(*name, Trimmed(section));
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.front() == ';';
}

// The key of a key line (blank and comment lines have none). A line without "=" is all key.
std::optional<std::string_view> KeyOfLine(std::string_view content) {
  const std::string_view trimmed = Trimmed(content);
  if (trimmed.empty() || IsComment(trimmed)) return std::nullopt;
  return Trimmed(trimmed.substr(0, trimmed.find('=')));
}

std::string_view ValueOfLine(std::string_view content) {
  const std::size_t equals = content.find('=');
  return equals == std::string_view::npos ? std::string_view()
                                          : Trimmed(content.substr(equals + 1));
}

// The header line of the first section of that name, if any.
std::optional<Line> FindSection(std::string_view text, std::string_view section) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = LineAt(text, pos);
    if (IsSection(text, line, section)) return line;
    pos = line.next;
  }
  return std::nullopt;
}

// Calls visit(line) for each line of the section whose header is `header`, up to the next
// section or the end of the text; stops early when visit returns false.
template <typename Visit>
void ForEachBodyLine(std::string_view text, const Line& header, Visit visit) {
  for (std::size_t pos = header.next; pos < text.size();) {
    const Line line = LineAt(text, pos);
    if (SectionName(Content(text, line))) return;
    if (!visit(line)) return;
    pos = line.next;
  }
}

std::optional<Line> FindKey(std::string_view text, const Line& header, std::string_view key) {
  std::optional<Line> found;
  ForEachBodyLine(text, header, [&](const Line& line) {
    const auto lineKey = KeyOfLine(Content(text, line));
    if (lineKey && SameText(*lineKey, Trimmed(key))) found = line;
    return !found;
  });
  return found;
}

// Characters that would end a line or a name can not be stored; they become spaces so that a
// text never splits into lines the reader would take for keys or sections.
std::string Clean(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return result;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  return Clean(key) + "=" + Clean(value) + std::string(kLineEnd);
}

std::string SectionLine(std::string_view section) {
  return "[" + Clean(section) + "]" + std::string(kLineEnd);
}

bool EndsOpen(const std::string& text) {
  return !text.empty() && text.back() != '\n';
}

// The start of the first line at or after `pos` (a line start) that opens a section; the text's
// size when there is none. It hops from "[" to "[" rather than from line to line: data files
// are mostly key lines, and erasing a record from a large file is one such walk.
std::size_t NextSectionLine(std::string_view text, std::size_t pos) {
  for (;;) {
    const std::size_t bracket = text.find('[', pos);
    if (bracket == std::string_view::npos) return text.size();
    std::size_t start = bracket;
    while (start > pos && IsBlank(text[start - 1]))
      --start;
    if (start == 0 || text[start - 1] == '\n') return start;
    pos = bracket + 1;
  }
}

// Removes every section whose name `doomed` accepts, in one pass, moving the kept bytes down in
// place.
template <typename Doomed>
void EraseSectionsIf(std::string& text, Doomed doomed) {
  std::size_t write = 0;
  const auto keep = [&](std::size_t from, std::size_t to) {
    if (write != from) std::copy(text.begin() + from, text.begin() + to, text.begin() + write);
    write += to - from;
  };
  std::size_t header = NextSectionLine(text, 0);
  keep(0, header);
  while (header < text.size()) {
    const Line line = LineAt(text, header);
    const std::size_t next = NextSectionLine(text, line.next);
    if (!doomed(*SectionName(Content(text, line)))) keep(header, next);
    header = next;
  }
  text.resize(write);
}

void EraseSections(std::string& text, std::string_view section) {
  EraseSectionsIf(text, [&](std::string_view name) { return SameText(name, Trimmed(section)); });
}

// Writing a key twice changes its first line: keep the first position, the last value. (A
// "key" that reads as a comment is never found again, so each such write adds a line.)
std::vector<KeyValue> MergeRepeatedKeys(const std::vector<KeyValue>& keys) {
  std::vector<KeyValue> unique;
  for (const KeyValue& key : keys) {
    auto same = std::find_if(unique.begin(), unique.end(), [&](const KeyValue& seen) {
      return !IsComment(Trimmed(key.first)) && SameText(Trimmed(seen.first), Trimmed(key.first));
    });
    if (same == unique.end()) {
      unique.push_back(key);
    } else {
      same->second = key.second;
    }
  }
  return unique;
}

// Appends a section at the end of the text; a section without keys is not written at all.
void AppendSection(std::string& text, std::string_view section, const std::vector<KeyValue>& keys) {
  if (keys.empty()) return;  // erasing and writing nothing leaves no section either
  if (EndsOpen(text)) text += kLineEnd;
  text += SectionLine(section);
  for (const KeyValue& key : MergeRepeatedKeys(keys))
    text += KeyLine(key.first, key.second);
}

// Replaces the value of an existing key line, keeping the rest of the line and its line end.
void ReplaceValue(std::string& text, const Line& line, std::string_view value) {
  const std::string_view content = Content(text, line);
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) {
    text.insert(line.end, "=" + Clean(value));
    return;
  }
  const std::string_view old = ValueOfLine(content);
  const std::size_t valueStart =
      old.empty() ? line.end : static_cast<std::size_t>(old.data() - text.data());
  text.replace(valueStart, old.size(), Clean(value));
}

}  // namespace

Status IniFile::Load(const std::string& path) {
  path_ = path;
  text_.clear();
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return Status::Ok();
  return ReadWholeFile(path, text_);
}

Status IniFile::Save() const {
  if (path_.empty()) return Status::Error("The document has no file to be saved to.");
  return SaveAs(path_);
}

Status IniFile::SaveAs(const std::string& path) const {
  return WriteFileAtomically(path, text_);
}

bool IniFile::HasSection(std::string_view section) const {
  return FindSection(text_, section).has_value();
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  const auto header = FindSection(text_, section);
  return header && FindKey(text_, *header, key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const auto header = FindSection(text_, section);
  const auto line = header ? FindKey(text_, *header, key) : std::nullopt;
  if (!line) return std::string(fallback);
  return std::string(ValueOfLine(Content(text_, *line)));
}

std::vector<KeyValue> IniFile::ReadSection(std::string_view section) const {
  std::vector<KeyValue> keys;
  const auto header = FindSection(text_, section);
  if (!header) return keys;
  ForEachBodyLine(text_, *header, [&](const Line& line) {
    const std::string_view content = Content(text_, line);
    if (const auto key = KeyOfLine(content)) {
      keys.emplace_back(std::string(*key), std::string(ValueOfLine(content)));
    }
    return true;
  });
  return keys;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const auto header = FindSection(text_, section);
  if (!header) {
    if (EndsOpen(text_)) text_ += kLineEnd;
    text_ += SectionLine(section) + KeyLine(key, value);
    return;
  }
  if (const auto line = FindKey(text_, *header, key)) {
    ReplaceValue(text_, *line, value);
    return;
  }
  Line last = *header;  // the new key goes after the last non-blank line of the section
  ForEachBodyLine(text_, *header, [&](const Line& line) {
    if (!Trimmed(Content(text_, line)).empty()) last = line;
    return true;
  });
  const std::string newLine = last.next == last.end ? std::string(kLineEnd) : std::string();
  text_.insert(last.next, newLine + KeyLine(key, value));
}

void IniFile::EraseSection(std::string_view section) {
  EraseSections(text_, section);
}

void IniFile::ReplaceSection(std::string_view section, const std::vector<KeyValue>& keys) {
  EraseSections(text_, section);
  AppendSection(text_, section, keys);
}

void IniFile::ReplaceSections(const std::vector<SectionWrite>& sections) {
  // Written one by one, a later section of the same name would erase an earlier one: only the
  // last of each name survives, in the order of those last writes.
  std::unordered_map<std::string, std::size_t> last;
  for (std::size_t i = 0; i < sections.size(); ++i)
    last[UpperCase(Trimmed(sections[i].Name))] = i;
  EraseSectionsIf(text_, [&](std::string_view name) { return last.contains(UpperCase(name)); });
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (last[UpperCase(Trimmed(sections[i].Name))] == i)
      AppendSection(text_, sections[i].Name, sections[i].Keys);
  }
}

std::optional<std::string_view> IniSectionName(std::string_view line) {
  return SectionName(line);
}

Status IniUpdate(const std::string& path, const std::function<void(IniFile&)>& change) {
  return WithFileLock(path, [&] {
    IniFile file;
    if (Status status = file.Load(path); !status) return status;
    const std::string before = file.Text();
    change(file);
    // A file that would be written with its own bytes is left alone, time and all.
    if (file.Text() == before && FileExists(path)) return Status::Ok();
    return file.Save();
  });
}

Status IniWriteString(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view value) {
  return IniUpdate(path, [&](IniFile& file) { file.WriteString(section, key, value); });
}

Status IniEraseSection(const std::string& path, std::string_view section) {
  return IniUpdate(path, [&](IniFile& file) { file.EraseSection(section); });
}

}  // namespace cardwise
