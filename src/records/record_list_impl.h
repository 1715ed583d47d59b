#pragma once
// Template definitions of record_list.h; include that header, not this one.

namespace cardwise {

namespace detail {

// What reading one key line into the record says: nothing when it was read, else what is wrong.
template <class T>
std::optional<std::string> ReadLine(T& record, const DataLine& line) {
  // A line without "=" still counts as its key with an empty value.
  const FieldResult result = record.ReadField(line.Key, line.Value);
  if (!line.HasEquals) return "no \"=\" in the line";
  if (result.Outcome != FieldResult::Read) return result.Message;
  return std::nullopt;
}

// The lines of the text that kind T cannot read, by the upper-cased name of the section that
// holds them, sections told apart as the INI writer tells them (which decides what a rewrite
// of a section drops). A section line the line reader would not take for one counts too.
template <class T>
std::unordered_map<std::string, std::vector<LoadProblem>> UnreadableSections(
    std::string_view text) {
  std::unordered_map<std::string, std::vector<LoadProblem>> sections;
  std::optional<std::string> section;  // none before the first section line
  T scratch;
  const auto add = [&](const DataLine& line, std::string message) {
    if (section) sections[*section].push_back({line.Number, std::string(line.Text), message});
  };
  DataLineLexer lexer(text);
  for (DataLine line; lexer.Next(line);) {
    if (const auto name = IniSectionName(line.Text)) {
      section = UpperCase(*name);
      scratch = T();
      if (line.Kind != LineKind::Section) add(line, "section line not at the start of the line");
    } else if (line.Kind == LineKind::Key) {
      if (auto problem = ReadLine(scratch, line)) add(line, std::move(*problem));
    }
  }
  return sections;
}

// Builds records from the lines of one data file, one small step per line kind.
// Status is shown from the thread that reads the file's first part only: a sink may belong to a
// window.
template <class T>
class RecordReader {
 public:
  RecordReader(LoadReport& report, bool showStatus) : report_(report), showStatus_(showStatus) {}

  void Take(const DataLine& line) {
    if (line.Kind == LineKind::Section)
      StartRecord();
    else if (line.Kind == LineKind::Key)
      KeyLine(line);
  }

  // Takes every line of the text, the first numbered `linesBefore` + 1; returns the number of
  // the last.
  int TakeText(std::string_view text, int linesBefore) {
    DataLineLexer lexer(text, linesBefore);
    for (DataLine line; lexer.Next(line);)
      Take(line);
    return lexer.LastLineNumber();
  }

  // Completes the record being built and returns every record in file order.
  std::vector<std::unique_ptr<T>> Finish() {
    FinishRecord();
    return std::move(records_);
  }

 private:
  void StartRecord() {
    FinishRecord();
    current_ = std::make_unique<T>();
  }

  void KeyLine(const DataLine& line) {
    if (!current_) return report_.Add(line, "line before the first record, ignored");
    if (auto problem = ReadLine(*current_, line)) report_.Add(line, std::move(*problem));
  }

  void FinishRecord() {
    if (!current_) return;
    current_->Complete();
    if (showStatus_) ShowStatus(current_->ID);
    records_.push_back(std::move(current_));
  }

  LoadReport& report_;
  const bool showStatus_;
  std::unique_ptr<T> current_;
  std::vector<std::unique_ptr<T>> records_;
};

// The records of the text, in file order.
template <class T>
std::vector<std::unique_ptr<T>> ReadRecords(std::string_view text, LoadReport& report) {
  RecordReader<T> reader(report, true);
  reader.TakeText(text, 0);
  return reader.Finish();
}

// What one thread read of a part of a file.
template <class T>
struct FilePart {
  std::vector<std::unique_ptr<T>> Records;
  LoadReport Report;
  int Lines = 0;
  Status Outcome = Status::Ok();
};

// The records of bytes [from, to) of the file (to its end for npos), read a piece at a time,
// their lines numbered from 1 on.
template <class T>
void ReadFilePartRecords(const FileReader& file, std::size_t from, std::size_t to, bool showStatus,
                         FilePart<T>& part) {
  RecordReader<T> reader(part.Report, showStatus);
  part.Outcome = file.ReadLines(
      from, to, [&](std::string_view text) { part.Lines = reader.TakeText(text, part.Lines); });
  part.Records = reader.Finish();
}

// The records of the file in file order, as ReadRecords gives those of its text, without
// holding the text: a large file (a federation's rounds) is read in two parts at once, from
// one opening. Nothing is read from a file that cannot be read to its end.
template <class T>
std::vector<std::unique_ptr<T>> ReadAllFileRecords(const std::string& path, LoadReport& report) {
  FileReader file;
  report.ReadStatus = file.Open(path);
  if (!report.ReadStatus) return {};
  const std::size_t split = SplitFileForReading(file);
  FilePart<T> first, second;
  const bool parallel =
      split != std::string::npos &&
      RunBeside([&] { ReadFilePartRecords(file, split, std::string::npos, false, second); },
                [&] { ReadFilePartRecords(file, 0, split, true, first); });
  if (!parallel) ReadFilePartRecords(file, 0, std::string::npos, true, first);
  report.ReadStatus = !first.Outcome ? first.Outcome : second.Outcome;
  if (!report.ReadStatus) return {};
  // The second part's lines were numbered from its start.
  for (LoadProblem& problem : second.Report.Problems)
    problem.Line += first.Lines;
  report.Problems = std::move(first.Report.Problems);
  report.Problems.insert(report.Problems.end(), second.Report.Problems.begin(),
                         second.Report.Problems.end());
  std::vector<std::unique_ptr<T>> records = std::move(first.Records);
  records.insert(records.end(), std::make_move_iterator(second.Records.begin()),
                 std::make_move_iterator(second.Records.end()));
  return records;
}

inline bool KeyLess(std::string_view a, std::string_view b) {
  return CompareText(a, b) < 0;
}

}  // namespace detail

template <class T>
Status SaveRecord(T& record, const std::string& path) {
  if (!record.ShouldSave()) return Status::Ok();
  if (record.ID.empty()) record.MakeID();
  record.PrepareSave();
  ShowStatus(T::kSavingPrefix + record.ID + " ...");
  const Status status =
      IniUpdate(path, [&](IniFile& file) { file.ReplaceSection(record.ID, record.FileKeys()); });
  ShowStatus(record.ID + (status ? " saved." : " not saved."));
  return status;
}

template <class T>
Status ReloadRecord(T& record, const std::string& path) {
  IniFile file;
  if (Status status = file.Load(path); !status) return status;
  record.ReloadFrom(file, record.ID);
  ShowStatus(record.ID + " loaded.");
  return Status::Ok();
}

template <class T>
bool RecordList<T>::Find(std::string_view id, int& index) const {
  const auto it = std::lower_bound(
      entries_.begin(), entries_.end(), id,
      [](const Entry& e, std::string_view key) { return detail::KeyLess(e.Key, key); });
  index = static_cast<int>(it - entries_.begin());
  return it != entries_.end() && CompareText(it->Key, id) == 0;
}

template <class T>
T* RecordList<T>::FindRecord(std::string_view id) {
  int index = 0;
  return Find(id, index) ? &RecordAt(index) : nullptr;
}

template <class T>
const T* RecordList<T>::FindRecord(std::string_view id) const {
  int index = 0;
  return Find(id, index) ? &RecordAt(index) : nullptr;
}

template <class T>
bool RecordList<T>::FindByName(std::string_view name, int& index) const {
  for (index = 0; index < Count(); ++index)
    if (RecordAt(index).MatchesName(name)) return true;
  index = -1;
  return false;
}

template <class T>
int RecordList<T>::Add(std::unique_ptr<T> record) {
  int index = 0;
  std::string key = record->ID;
  if (Find(key, index)) {
    entries_[static_cast<std::size_t>(index)] = Entry{std::move(key), std::move(record)};
  } else {
    entries_.insert(entries_.begin() + index, Entry{std::move(key), std::move(record)});
  }
  return index;
}

template <class T>
int RecordList<T>::Refile(int index) {
  std::unique_ptr<T> record = std::move(entries_.at(static_cast<std::size_t>(index)).Record);
  entries_.erase(entries_.begin() + index);
  return Add(std::move(record));
}

template <class T>
int RecordList<T>::AddPlaceholder() {
  auto record = std::make_unique<T>();
  record->ID = kPlaceholderID;
  return Add(std::move(record));
}

template <class T>
LoadReport RecordList<T>::LoadFromFile(const std::string& path) {
  LoadReport report;
  std::vector<std::unique_ptr<T>> records;
  if (FileExists(path)) records = detail::ReadAllFileRecords<T>(path, report);
  return TakeRecords(path, std::move(records), std::move(report));
}

template <class T>
LoadReport RecordList<T>::LoadFromText(const std::string& path, std::string_view text) {
  LoadReport report;
  std::vector<std::unique_ptr<T>> records = detail::ReadRecords<T>(text, report);
  return TakeRecords(path, std::move(records), std::move(report));
}

template <class T>
LoadReport RecordList<T>::TakeRecords(const std::string& path,
                                      std::vector<std::unique_ptr<T>> records, LoadReport report) {
  FileName = path;
  report.File = path;
  report.RecordsRead = static_cast<int>(records.size());
  Merge(SortedEntries(std::move(records)));
  if (entries_.empty()) AddPlaceholder();
  return report;
}

// The records sorted by key, one per key: the one read last.
template <class T>
std::vector<typename RecordList<T>::Entry> RecordList<T>::SortedEntries(
    std::vector<std::unique_ptr<T>> records) {
  std::vector<std::string_view> keys;
  keys.reserve(records.size());
  for (const auto& record : records)
    keys.emplace_back(record->ID);
  std::vector<Entry> entries;
  entries.reserve(keys.size());
  for (std::size_t index : SortedLastOfEachKey(keys))
    entries.push_back(Entry{std::string(keys[index]), std::move(records[index])});
  return entries;
}

// Merges sorted, unique entries into the list in one pass; on equal keys the new one wins.
template <class T>
void RecordList<T>::Merge(std::vector<Entry> sorted) {
  if (entries_.empty()) {
    entries_ = std::move(sorted);
    return;
  }
  std::vector<Entry> merged;
  merged.reserve(entries_.size() + sorted.size());
  auto old = entries_.begin();
  for (Entry& entry : sorted) {
    while (old != entries_.end() && detail::KeyLess(old->Key, entry.Key))
      merged.push_back(std::move(*old++));
    if (old != entries_.end() && !detail::KeyLess(entry.Key, old->Key)) ++old;
    merged.push_back(std::move(entry));
  }
  std::move(old, entries_.end(), std::back_inserter(merged));
  entries_ = std::move(merged);
}

template <class T>
Status RecordList<T>::SaveAll(const std::string& path) {
  std::vector<int> all(entries_.size());
  for (std::size_t i = 0; i < all.size(); ++i)
    all[i] = static_cast<int>(i);
  return SaveRecords(all, path);
}

template <class T>
Status RecordList<T>::SaveRecords(const std::vector<int>& indexes, const std::string& path) {
  std::vector<SectionWrite> sections;
  for (int index : indexes) {
    T& record = RecordAt(index);
    if (!record.ShouldSave()) continue;
    if (record.ID.empty()) record.MakeID();
    record.PrepareSave();
    ShowStatus(T::kSavingPrefix + record.ID + " ...");
    sections.push_back(SectionWrite{record.ID, record.FileKeys()});
  }
  const Status status = IniUpdate(path, [&](IniFile& file) { file.ReplaceSections(sections); });
  if (!sections.empty()) ShowStatus(sections.back().Name + (status ? " saved." : " not saved."));
  return status;
}

template <class T>
BatchReport RecordList<T>::UpdateRecords(const std::vector<int>& indexes, const std::string& path,
                                         const std::function<bool(int index)>& change) {
  BatchReport report;
  report.File = path;
  std::vector<SectionWrite> sections;
  report.Outcome = IniUpdate(path, [&](IniFile& file) {
    const auto unreadable = detail::UnreadableSections<T>(file.Text());
    for (int index : indexes) {
      T& record = RecordAt(index);
      if (record.ID.empty()) record.MakeID();
      if (const auto kept = unreadable.find(UpperCase(record.ID)); kept != unreadable.end()) {
        report.Kept.push_back({record.ID, kept->second});
        continue;
      }
      if (!change(index) || !record.ShouldSave()) continue;
      record.PrepareSave();
      ShowStatus(T::kSavingPrefix + record.ID + " ...");
      sections.push_back(SectionWrite{record.ID, record.FileKeys()});
    }
    file.ReplaceSections(sections);
  });
  if (!sections.empty())
    ShowStatus(sections.back().Name + (report.Outcome ? " saved." : " not saved."));
  return report;
}

template <class T>
Status RecordList<T>::EraseFromFile(std::string_view id) const {
  if (!FileExists(FileName)) return Status::Ok();
  return IniEraseSection(FileName, id);
}

template <class T>
DeleteResult RecordList<T>::DeleteAt(int index) {
  if (!IsValidIndex(index)) return {Status::Ok(), Count() - 1};
  if (Status status = EraseFromFile(RecordAt(index).ID); !status) return {status, index};
  entries_.erase(entries_.begin() + index);
  return {Status::Ok(), std::min(index, Count() - 1)};
}

template <class T>
Status RecordList<T>::DeleteByID(std::string_view id) {
  if (Status status = EraseFromFile(id); !status) return status;
  int index = 0;
  if (Find(id, index)) entries_.erase(entries_.begin() + index);
  return Status::Ok();
}

template <class T>
std::string RecordList<T>::CopyToClipboard(int index) const {
  if (!IsValidIndex(index)) return {};
  const T& record = RecordAt(index);
  return SectionText(record.ID, record.ClipboardKeys());
}

template <class T>
int RecordList<T>::PasteTarget(const ClipboardText& clip, int index) {
  if (IsValidIndex(index)) return index;
  const std::string id = clip.Value("ID");
  if (!id.empty() && Find(id, index)) return index;
  if constexpr (T::kNameKey != nullptr) {
    const std::string name = clip.Value(T::kNameKey);
    if (!name.empty() && FindByName(name, index)) return index;
  }
  // A new record filed under the pasted ID (made directly rather than through a placeholder, so
  // that a placeholder the user is filling in is not replaced).
  auto record = std::make_unique<T>();
  record->ID = id;
  return Add(std::move(record));
}

template <class T>
bool RecordList<T>::PasteFromClipboard(std::string_view text, int& index) {
  const ClipboardText clip(text);
  if (clip.IsEmpty()) return false;
  index = PasteTarget(clip, index);
  RecordAt(index).PasteFrom(clip);
  return true;
}

template <class T>
void RecordList<T>::ClearUsed() {
  for (auto& entry : entries_)
    entry.Record->Used = false;
}

}  // namespace cardwise
