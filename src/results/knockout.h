#pragma once
// Knockouts: singles match play cups over a seeded bracket, in "KNOCKOUTS.DAT" (the settings'
// KnockoutFName). The file exists only once a knockout has been made.
//
//   [CUP]
//   ID=CUP
//   Knockout=Club Cup
//   Course=MILLBGC
//   Allowance=90
//   Seeding=random
//   Seed=1234
//   Players=AB;CD;EF
//   R1M1=AB;bye;AB;bye
//   R1M2=EF;CD;CD;3&2
//   R2M1=AB;CD;;
//
// Players are the entrants in seed order (seed 1 first). A match line "R<round>M<match>" holds
// player A; player B ("bye" for a bye); the winner (empty until the match is decided); the
// result (empty when only the winner is known). Matches count from the top of the bracket.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "records/record_io.h"
#include "records/record_list.h"
#include "results/match_play.h"

namespace cardwise {

// How the entrants are put in seed order.
enum class Seeding { Listed, Handicap, Random };
const char* SeedingName(Seeding seeding);  // "listed", "handicap", "random"
std::optional<Seeding> ParseSeeding(std::string_view text);

// The player B of a bye.
inline constexpr const char* kByePlayer = "bye";

struct KnockoutMatch {
  std::string PlayerA, PlayerB;  // empty while not known
  std::string Winner;            // empty while not decided
  std::string Result;            // a match result text, "bye", or empty
  bool IsBye() const { return PlayerB == kByePlayer; }
  bool HasPlayers() const { return !PlayerA.empty() && !PlayerB.empty(); }
  bool operator==(const KnockoutMatch&) const = default;
};

struct Knockout {
  static constexpr const char* kSavingPrefix = "Saving ";
  static constexpr const char* kNameKey = "Knockout";

  std::string ID;
  std::string Name;      // the knockout's name
  std::string CourseID;  // the course the shots are given on; empty: no shots
  int Allowance = 100;   // percent of the difference of course handicaps, 0..100
  Seeding Order = Seeding::Handicap;
  std::optional<std::int32_t> Seed;  // of a random seeding
  std::vector<std::string> Players;  // in seed order
  std::map<MatchRef, KnockoutMatch> Matches;
  bool Used = false;  // not stored

  FieldResult ReadField(std::string_view key, std::string_view value);
  void Complete() {}
  void MakeID();  // ID := the initials of the first two words of the name
  bool ShouldSave() const { return true; }
  void PrepareSave() {}
  std::vector<KeyValue> FileKeys() const;
  std::vector<KeyValue> ClipboardKeys() const { return FileKeys(); }
  void ReloadFrom(const IniFile& file, const std::string& section);
  void PasteFrom(const ClipboardText& clip);
  bool MatchesName(std::string_view name) const;  // the name, without regard to letter case

  // The match, or nullptr when the bracket has none there yet.
  const KnockoutMatch* MatchAt(const MatchRef& ref) const;
};

using KnockoutList = RecordList<Knockout>;

}  // namespace cardwise
