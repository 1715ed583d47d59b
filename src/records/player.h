#pragma once
// Players: the golfers whose rounds are kept, in "PLAYERS.DAT".
//
//   [JS]
//   ID=JS
//   Player=John Smith
//   Hcp=12.4
//   Phone=555 0100
//   Club=Mill Brook GC
//
// "Alias" is read (FindByName uses it) but never written: the next save of the player drops it
// from the file.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "records/record_io.h"
#include "records/record_list.h"

namespace cardwise {

struct Player {
  static constexpr const char* kSavingPrefix = "Saving ";
  static constexpr const char* kNameKey = "Player";

  std::string ID;
  std::string Name;   // the player's name
  std::string Alias;  // another name FindByName finds the player by
  float Hcp = 0;      // exact handicap
  std::string Phone, Club, Email, URL;
  bool Used = false;                  // not stored
  std::vector<std::string> WorkList;  // filled by the computations that use it

  FieldResult ReadField(std::string_view key, std::string_view value);
  void Complete() {}
  // ID := the first letters of the first two words of Player ("John Smith" gives JS).
  void MakeID();
  bool ShouldSave() const { return true; }
  void PrepareSave() {}
  std::vector<KeyValue> FileKeys() const;
  // Every key, empty values included.
  std::vector<KeyValue> ClipboardKeys() const;
  void ReloadFrom(const IniFile& file, const std::string& section);
  void PasteFrom(const ClipboardText& clip);
  // Player or Alias equal to the name without regard to letter case.
  bool MatchesName(std::string_view name) const;

  // Hcp with one decimal, at least two characters wide.
  std::string HcpText() const;
  void Clear();
};

class PlayerList : public RecordList<Player> {
 public:
  // Sets Used of the player with that ID; returns what it was (false when there is none).
  bool MarkUsed(std::string_view id);
};

// The process-wide player list.
PlayerList& Players();

}  // namespace cardwise
