#pragma once
// The record list: all records of one data file, kept sorted by key, and the operations every
// record kind shares (load, merge, save one or all, reload, delete, clipboard).
//
// A record kind T supplies what differs:
//   std::string ID; bool Used;
//   static constexpr const char* kSavingPrefix;  // "Saving " or "Saving: "
//   static constexpr const char* kNameKey;       // clipboard key found by name, or nullptr
//   FieldResult ReadField(std::string_view key, std::string_view value);  // one file line
//   void Complete();                  // after the record's last line was read
//   void MakeID();                    // an ID from the record's fields, when ID is empty
//   bool ShouldSave() const;          // false: SaveRecord writes nothing (a round with no score)
//   void PrepareSave();               // normalises fields just before they are written
//   std::vector<KeyValue> FileKeys() const;       // the key lines SaveRecord writes
//   std::vector<KeyValue> ClipboardKeys() const;  // the key lines CopyToClipboard writes
//   void ReloadFrom(const IniFile& file, const std::string& section);
//   void PasteFrom(const ClipboardText& clip);
//   bool MatchesName(std::string_view name) const;
//
// Keys are compared with CompareText (without regard to letter case); two IDs that differ only
// in letter case are one key, and a record added under a key that is present replaces the one
// held there. "??" is the ID of a placeholder: a record not yet given an ID.

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/run_beside.h"
#include "platform/status_sink.h"
#include "records/record_io.h"

namespace cardwise {

inline constexpr const char* kPlaceholderID = "??";

// Writes one record's section into the file: erases every section named by its ID and appends
// the record's keys as a new section, in one atomic rewrite of the file. Makes the ID first when
// it is empty. Shows "Saving ID ..." and then "ID saved." or "ID not saved.".
template <class T>
Status SaveRecord(T& record, const std::string& path);

// Reads the record's keys back from the section named by its ID; shows "ID loaded.".
template <class T>
Status ReloadRecord(T& record, const std::string& path);

struct DeleteResult {
  Status Outcome = Status::Ok();
  int Next = -1;  // the index to show next (-1 when the list is empty)
};

template <class T>
class RecordList {
 public:
  // The file the list was last loaded from (set even when that file does not exist).
  std::string FileName;

  int Count() const { return static_cast<int>(entries_.size()); }
  bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
  T& RecordAt(int index) { return *entries_.at(static_cast<std::size_t>(index)).Record; }
  const T& RecordAt(int index) const {
    return *entries_.at(static_cast<std::size_t>(index)).Record;
  }
  const std::string& KeyAt(int index) const {
    return entries_.at(static_cast<std::size_t>(index)).Key;
  }

  // Binary search: whether the key is present, and its index or the index it would go to.
  bool Find(std::string_view id, int& index) const;
  T* FindRecord(std::string_view id);
  const T* FindRecord(std::string_view id) const;
  // The first record (from the start) whose MatchesName(name) holds; -1 when none.
  bool FindByName(std::string_view name, int& index) const;

  // Files the record under its ID, replacing a record held under the same key; returns its index.
  int Add(std::unique_ptr<T> record);
  // Files the record at `index` again under its current ID; returns its new index.
  int Refile(int index);
  int AddPlaceholder();

  // Reads the file and adds its records (merging: a record whose key is present replaces it);
  // adds a placeholder when the list is then empty. A missing file is no error.
  LoadReport LoadFromFile(const std::string& path);
  // LoadFromFile with the file's text given: `path` names it in FileName and the report.
  LoadReport LoadFromText(const std::string& path, std::string_view text);
  // Writes every record in list order into the file, in one atomic rewrite.
  Status SaveAll(const std::string& path);
  // SaveRecord of the records at these indexes, in this order, in one atomic rewrite of the
  // file; the file ends up as saving them one by one leaves it.
  Status SaveRecords(const std::vector<int>& indexes, const std::string& path);

  // A batch change of records, saved so that nothing in the file is lost: holding the file's
  // lock, reads the file; each record at `indexes` (in this order) whose sections in it (those
  // named by its ID) hold only lines this kind can read is passed to `change`, and saved when
  // that returns true, as SaveRecords saves. A record whose section holds a line this kind
  // cannot read is neither changed nor saved: its section stays as it is, and the record is
  // listed in the report. Lines outside the rewritten sections are kept where they are.
  BatchReport UpdateRecords(const std::vector<int>& indexes, const std::string& path,
                            const std::function<bool(int index)>& change);

  // Erases the record's section from FileName and removes it. When the file cannot be written
  // nothing is removed and the failure is returned.
  DeleteResult DeleteAt(int index);
  Status DeleteByID(std::string_view id);

  std::string CopyToClipboard(int index) const;
  // Pastes a record's clipboard text into the record at `index`, else into the record found by
  // its ID or name, else into a new record filed under the pasted ID. Sets `index` to the
  // target. Returns false, changing nothing, when the text is empty.
  bool PasteFromClipboard(std::string_view text, int& index);

  void ClearUsed();
  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    std::string Key;
    std::unique_ptr<T> Record;
  };

  // Files the records read from `path` (in file order) as LoadFromFile describes.
  LoadReport TakeRecords(const std::string& path, std::vector<std::unique_ptr<T>> records,
                         LoadReport report);
  static std::vector<Entry> SortedEntries(std::vector<std::unique_ptr<T>> records);
  void Merge(std::vector<Entry> sorted);
  Status EraseFromFile(std::string_view id) const;
  int PasteTarget(const ClipboardText& clip, int index);

  std::vector<Entry> entries_;
};

}  // namespace cardwise

#include "records/record_list_impl.h"
