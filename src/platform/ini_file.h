#pragma once
// An INI-syntax text file: "[section]" lines, each followed by "key=value" lines.
//
// The document keeps the file's bytes exactly as read: Windows-1252 text, CR LF or LF line ends,
// comments and lines it does not understand all survive a change untouched. Section and key
// names are matched without regard to letter case (CompareText) and without surrounding blanks.
// A value is the text after the first "=" of its line without surrounding blanks.
//
// Changes are made in memory; Save() replaces the file atomically. Lines this class adds end
// with CR LF. A key that exists is replaced in place (its first occurrence in the first section
// of that name); a new key is appended after the last non-blank line of its section; a new
// section is appended at the end of the file.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/status.h"

namespace cardwise {

using KeyValue = std::pair<std::string, std::string>;

// One section to be written by ReplaceSections.
struct SectionWrite {
  std::string Name;
  std::vector<KeyValue> Keys;
};

class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::string text) : text_(std::move(text)) {}

  // Reads the file at `path` and remembers the path. A missing file gives an empty document and
  // is not an error; a file that exists but cannot be read is.
  Status Load(const std::string& path);
  // Replaces the remembered file atomically with the document.
  Status Save() const;
  Status SaveAs(const std::string& path) const;

  const std::string& Path() const { return path_; }
  const std::string& Text() const { return text_; }

  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  // The value of the key in the first section of that name, or `fallback` when absent.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The key lines of the first section of that name, in file order (lines without "=" give a
  // key with an empty value; blank lines are skipped).
  std::vector<KeyValue> ReadSection(std::string_view section) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Removes every section of that name: its "[" line and all lines up to the next section.
  void EraseSection(std::string_view section);
  // EraseSection, then one section of that name with these keys appended at the end: what
  // erasing a section and writing its keys one by one gives, in one pass over the text.
  void ReplaceSection(std::string_view section, const std::vector<KeyValue>& keys);
  // ReplaceSection for each of the sections in turn, in one pass over the text: every section
  // of any of those names is erased, then the sections are appended in order (of sections with
  // the same name only the last one, as writing them one by one would leave).
  void ReplaceSections(const std::vector<SectionWrite>& sections);

 private:
  std::string path_;
  std::string text_;
};

// The name of a "[name]" line as this class matches it (leading blanks allowed, the name ends
// at the last "]", trimmed); nullopt for any other line.
std::optional<std::string_view> IniSectionName(std::string_view line);

// A read-modify-write of the file at `path` that no other such change can lose: holding the
// file's lock (file_lock.h), reads it, lets `change` change the document, and replaces the file
// atomically. Nothing is written when the lock cannot be had or the file cannot be read, nor
// when the change leaves an existing file's text as it was.
Status IniUpdate(const std::string& path, const std::function<void(IniFile&)>& change);

// One change to the file at `path` through IniUpdate.
Status IniWriteString(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view value);
Status IniEraseSection(const std::string& path, std::string_view section);

}  // namespace cardwise
