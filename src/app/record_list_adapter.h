#pragma once
// What the record editor frame needs of a record list, independent of the record kind, and its
// one implementation over RecordList<T>. Every index given to these functions lies inside the
// list: the frame checks before it calls.

#include <string>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/status.h"
#include "records/record_io.h"
#include "records/record_list.h"

namespace cardwise::app {

class RecordListAdapter {
 public:
  virtual ~RecordListAdapter() = default;

  virtual int count() const = 0;
  bool isValidIndex(int index) const { return index >= 0 && index < count(); }
  // The key the list files the record under, and the record's own ID (they differ only while a
  // post is renaming the record).
  virtual std::string keyAt(int index) const = 0;
  virtual std::string idAt(int index) const = 0;
  virtual void setID(int index, const std::string& id) = 0;
  // Gives a record with an empty ID the one its kind makes from its fields.
  virtual void makeId(int index) = 0;
  // The text the delete question names the record by.
  virtual std::string nameAt(int index) const = 0;

  // Whether the ID is present, and its index or the index it would be inserted at.
  virtual bool find(std::string_view id, int& index) const = 0;
  virtual int addPlaceholder() = 0;
  // Files the record at `index` again under its current ID; returns its new index.
  virtual int refile(int index) = 0;
  virtual DeleteResult deleteAt(int index) = 0;
  virtual Status deleteById(std::string_view id) = 0;

  virtual Status saveRecord(int index, const std::string& path) = 0;
  // Reads the record back from its section of the file. A record whose section is not in the
  // file is left as it is, so that undoing an edit of a record never saved cannot blank it.
  virtual Status reloadRecord(int index, const std::string& path) = 0;
  virtual std::string copyToClipboard(int index) const = 0;
  virtual bool pasteFromClipboard(std::string_view text, int& index) = 0;

  virtual LoadReport loadFromFile(const std::string& path) = 0;
  // The whole-file save of "Save As...".
  virtual Status saveAll(const std::string& path) = 0;
  virtual void clear() = 0;
  // The file that deletions erase sections from.
  virtual void setFileName(const std::string& path) = 0;
};

template <class T>
class RecordListAdapterOf : public RecordListAdapter {
 public:
  using NameOf = std::string (*)(const T&);

  RecordListAdapterOf(RecordList<T>& list, NameOf name) : list_(list), name_(name) {}

  RecordList<T>& list() { return list_; }
  T& recordAt(int index) { return list_.RecordAt(index); }

  int count() const override { return list_.Count(); }
  std::string keyAt(int index) const override { return list_.KeyAt(index); }
  std::string idAt(int index) const override { return list_.RecordAt(index).ID; }
  void setID(int index, const std::string& id) override { list_.RecordAt(index).ID = id; }
  void makeId(int index) override {
    if (list_.RecordAt(index).ID.empty()) list_.RecordAt(index).MakeID();
  }
  std::string nameAt(int index) const override { return name_(list_.RecordAt(index)); }

  bool find(std::string_view id, int& index) const override { return list_.Find(id, index); }
  int addPlaceholder() override { return list_.AddPlaceholder(); }
  int refile(int index) override { return list_.Refile(index); }
  DeleteResult deleteAt(int index) override { return list_.DeleteAt(index); }
  Status deleteById(std::string_view id) override { return list_.DeleteByID(id); }

  Status saveRecord(int index, const std::string& path) override {
    return cardwise::SaveRecord(list_.RecordAt(index), path);
  }
  Status reloadRecord(int index, const std::string& path) override {
    IniFile file;
    if (Status status = file.Load(path); !status) return status;
    T& record = list_.RecordAt(index);
    if (!file.HasSection(record.ID)) return Status::Ok();
    return cardwise::ReloadRecord(record, path);
  }
  std::string copyToClipboard(int index) const override { return list_.CopyToClipboard(index); }
  bool pasteFromClipboard(std::string_view text, int& index) override {
    return list_.PasteFromClipboard(text, index);
  }

  LoadReport loadFromFile(const std::string& path) override { return list_.LoadFromFile(path); }
  Status saveAll(const std::string& path) override { return list_.SaveAll(path); }
  void clear() override { list_.Clear(); }
  void setFileName(const std::string& path) override { list_.FileName = path; }

 private:
  RecordList<T>& list_;
  NameOf name_;
};

}  // namespace cardwise::app
