#pragma once
// What a page is made from, as one digest: the pages that every run makes again (a player's
// page, a course's page, a player's page of a course in a year, a year's statistics, a table of
// tour points) are left
// alone when their digest is the one recorded for them (page_record.h).
//
// A digest takes in everything its page reads: the settings and captions, the header and footer
// templates, the program's version and build date, the locale's date and number forms and the
// current year (the links bar) for every page; then the
// records the page shows and the rounds it lists or counts, field by field; and the files beside
// the page it looks for (a picture, the player's year pages). Whatever escapes a digest would
// leave a page stale, so a digest errs on the side of taking in more. The day of the run is part
// of a page only through the author tag, and only when an author is set: then it is taken in.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/digest.h"
#include "web/site.h"

namespace cardwise {

class PageInputs {
 public:
  // The context as the pages of the run read it: its round index set.
  explicit PageInputs(const WebContext& context);

  // The page of the player on the course in the year of `date` (IDs as WritePlayerCourse gets
  // them). It changes nothing: after DigestAllRecords, threads may ask it at once.
  std::uint64_t PlayerCoursePage(std::string_view playerID, std::string_view courseID,
                                 DateTime date) const;
  std::uint64_t CoursePage(const Course& course, const std::string& path);
  // Reads the merits of the context (or, without them, the events' results and the tours'
  // standings as DigestEventsAndTours found them): call it where the player pages are made. It
  // changes nothing: after DigestAllRecords and DigestEventsAndTours, threads may ask it at once.
  std::uint64_t PlayerPage(const Player& player, const std::string& path) const;
  // Takes the digests of the events and tours as they are now, their results computed, and the
  // merits when the context has none.
  void DigestEventsAndTours();
  // Takes the digest of every round, player and course now, for the pages that follow; it
  // touches nothing else of this object (another thread may do it while this one plans the
  // pages). Without it, each digest is taken at every use.
  void DigestAllRecords();
  // The statistics of a year: every round of the year and every player.
  std::uint64_t YearStatsPage(int year);
  // A table of tour points (Pts(p) when `ptsp`, else F1(p)) for `players` players, opened with
  // the header template at `headerPath` and the tour's name as its keywords.
  std::uint64_t ScoringPage(bool ptsp, int players, const std::string& headerPath,
                            std::string_view tourName) const;

 private:
  DigestBuilder Start(std::string_view kind) const;
  // A round is listed on three such pages, a player or course record shown on many: the digest
  // of each is taken once, by DigestAllRecords.
  void AddRounds(DigestBuilder& digest, const std::vector<Round*>& rounds) const;
  std::uint64_t Known(const Player& player) const;
  std::uint64_t Known(const Course& course) const;
  std::uint64_t Known(const Event& event) const;
  std::uint64_t Known(const Tour& tour) const;
  void AddMerits(DigestBuilder& digest, const std::string& playerID) const;

  const WebContext& context_;
  std::uint64_t site_ = 0;
  std::optional<PlayerMerits> ownMerits_;
  std::unordered_map<const Round*, std::uint64_t> rounds_;
  std::unordered_map<int, std::vector<Round*>> byYear_;  // filled at the first YearStatsPage
  std::unordered_map<const Player*, std::uint64_t> players_;
  std::unordered_map<const Course*, std::uint64_t> courses_;
  std::unordered_map<const Event*, std::uint64_t> events_;
  std::unordered_map<const Tour*, std::uint64_t> tours_;
  std::uint64_t allPlayers_ = 0;
};

// Every stored field of the round.
std::uint64_t RoundDigest(const Round& round);

}  // namespace cardwise
