#pragma once
// The pieces of the data-file syntax that every record kind shares: the line lexer, the report
// of lines that could not be read, clipboard text, and the ID helpers.
//
// A data file is an INI-syntax text: a record begins with a "[ID]" line, then one "key=value"
// line per non-empty field. The text inside the brackets is not used: the record's key is the
// value of its "ID=" line.

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_reader.h"
#include "platform/ini_file.h"
#include "platform/status.h"

namespace cardwise {

enum class LineKind { Blank, Section, Key };

struct DataLine {
  LineKind Kind = LineKind::Blank;
  int Number = 0;          // 1-based line number
  std::string_view Text;   // the line without its line end
  std::string_view Key;    // Key lines: the text before the first "=", trimmed (the whole
                           // trimmed line when it holds no "=")
  std::string_view Value;  // Key lines: the text after the first "=", trimmed
  bool HasEquals = false;
};

// Splits a file's text into classified lines. Views point into the text, which must outlive
// the lexer.
class DataLineLexer {
 public:
  // `linesBefore`: the lines of the file before the text, when it is a part of one.
  explicit DataLineLexer(std::string_view text, int linesBefore = 0)
      : text_(text), number_(linesBefore) {}
  bool Next(DataLine& line);
  // The number of the last line given by Next (linesBefore before the first).
  int LastLineNumber() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

// What a record kind says of one key line.
struct FieldResult {
  enum Kind { Read, UnknownKey, BadValue };
  Kind Outcome = Read;
  std::string Message;  // for BadValue: what is wrong ("not a date")

  static FieldResult Ok() { return {}; }
  static FieldResult Unknown() { return {UnknownKey, "unknown key"}; }
  static FieldResult Bad(std::string message) { return {BadValue, std::move(message)}; }
};

// A line of a data file that was not taken into a record as written.
struct LoadProblem {
  int Line = 0;
  std::string Text;
  std::string Message;
};

// The outcome of reading one data file: whether the file could be read at all, and every line
// that was skipped or whose value could not be read (the load goes on past each of them).
struct LoadReport {
  std::string File;
  Status ReadStatus = Status::Ok();
  std::vector<LoadProblem> Problems;
  int RecordsRead = 0;

  void Add(const DataLine& line, std::string message);
  bool Clean() const { return ReadStatus.ok() && Problems.empty(); }
  // One text per problem: "file:line: message: text".
  std::vector<std::string> Messages() const;
};

// A record that a batch save left as it was: its section in the file holds lines its kind
// cannot read, which rewriting the section would drop.
struct LeftAlone {
  std::string ID;
  std::vector<LoadProblem> Problems;
};

// The outcome of a batch save (RecordList::UpdateRecords): whether the file could be written,
// and the records it left as they were. Every other record was changed and saved.
struct BatchReport {
  std::string File;
  Status Outcome = Status::Ok();
  std::vector<LeftAlone> Kept;

  // True when every record was saved.
  bool ok() const { return Outcome.ok() && Kept.empty(); }
  explicit operator bool() const { return ok(); }
  // The failure, then one text per unreadable line of a record left alone:
  // "file:line: what: text (ID left as it was)".
  std::vector<std::string> Messages() const;
};

// The text of one record on the clipboard: its section line and key lines.
class ClipboardText {
 public:
  explicit ClipboardText(std::string_view text);
  bool IsEmpty() const { return lines_.empty(); }
  // The text after the first "=" of the first line whose part before it equals the key
  // without regard to letter case; empty when there is no such line.
  std::string Value(std::string_view key) const;
  bool Has(std::string_view key) const;

 private:
  // The first line whose key is `key`, with the position of its "=".
  const std::string* Find(std::string_view key, std::size_t& equals) const;

  std::vector<std::string> lines_;
};

// Where an open file is split to be read in two parts at once: the start of the first section
// line past its middle; npos (no split) for a file of a few megabytes or less, or one without
// such a line.
std::size_t SplitFileForReading(const FileReader& file);

// The order in which records read from a file join the list: the indexes of `keys` sorted by
// key (compared as CompareText does), one per key: the one read last.
std::vector<std::size_t> SortedLastOfEachKey(const std::vector<std::string_view>& keys);

// "[" + id + "]" and one "key=value" line per pair, each ended by CR LF.
std::string SectionText(std::string_view id, const std::vector<KeyValue>& keys);

// The first letter of each of the first `words` words of a name (words are runs of characters
// between spaces). Initials("John Smith", 2) gives "JS"; a one-word name gives one letter.
std::string Initials(std::string_view name, int words);
// The words of a text, split at spaces, empty words skipped.
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace cardwise
