// The generation driver. Four things shape it beyond the order of the pages, all for a run
// whose time grows with the size of the database, not with its square:
//
// - The rounds' pages are planned before any is rendered. The plan walks the rounds in list
//   order and makes the same choices a page-by-page walk makes (a page made earlier in the run
//   counts as existing, the player-on-course page marks the rounds it covers as Used), but a
//   page the walk would write several times (a player's year under AllPlayers, rounds whose
//   IDs differ in letter case, short names that collide) is written once, with the bytes of
//   its last write.
// - The page bodies find their rounds through a RoundIndex built once per run instead of
//   reading the whole list for every page.
// - An event's results and a tour's standings, computations that read every round of the list
//   they are given, are given a list of copies of the rounds they need.
// - Pages are rendered on this thread and written on another (WriteQueue); the run waits for
//   the writes where a later step looks at the files (year links, year folders). The players'
//   handicap records, which only the player pages and the handicap page read, are worked out on
//   a third thread while the pages before those are made.
// - The pages every run makes again (player, course and player-on-course pages: the most of
//   them by far; the years' statistics: each reads a year of rounds) are made only when what
//   they are made from changed since the run that made them (PageInputs, PageRecord). The rest
//   are few, or made only when missing.

#include "web/make_pages.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/run_beside.h"
#include "records/text.h"
#include "results/event_results.h"
#include "results/handicap_index.h"
#include "results/result_line.h"
#include "results/startup.h"
#include "results/team_results.h"
#include "results/tour_scoring.h"
#include "results/tour_standings.h"
#include "web/charts.h"
#include "web/page_inputs.h"
#include "web/page_record.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"
#include "web/write_queue.h"

namespace cardwise {

namespace {

constexpr const char* kStyleSheet = "cardwise.css";
constexpr const char* kUnsafePage = "not written: its folder or name leads outside the web root";
constexpr const char* kUnsafeTemplate =
    "not written: its header or footer template lies outside the template folder";

bool IsSafeTemplateName(const std::string& name) {
  return name.empty() || IsSafePathPart(name);
}

// The header template a page is opened with: its full path, and whether the name it was made
// from stays inside the template folder.
struct HeaderChoice {
  std::string Path;
  bool Safe = true;
};

HeaderChoice StdHeaderChoice(const AppSettings& settings) {
  return {StdHeaderPath(settings), IsSafeTemplateName(settings.StdHeader)};
}

// A tour's pages use its own header when it names one.
HeaderChoice TourHeader(const AppSettings& settings, const Tour& tour) {
  if (tour.Header.empty()) return StdHeaderChoice(settings);
  return {TemplatePath(settings, tour.Header), IsSafeTemplateName(tour.Header)};
}

// The template name HeaderFor takes its path from, for the safety check only.
std::string HeaderNameFor(const WebContext& context, std::string_view eventID) {
  const Event* event = context.Data.Events.FindRecord(eventID);
  if (event != nullptr && !event->Header.empty()) return event->Header;
  int index = -1;
  if (context.Data.Tours.FindTourOfEvent(eventID, index)) {
    const std::string& header = context.Data.Tours.RecordAt(index).Header;
    if (!header.empty()) return header;
  }
  return context.Settings.StdHeader;
}

// How a page is opened, besides its path.
struct PageFrame {
  std::string Header;  // full path of the header template, or empty
  std::string Keywords;
  std::string Robots;
  std::string Title;
  bool InYearFolder = false;
};

std::string YearText(DateTime date) {
  return FormatDateTime("yyyy", date);
}

// Opens, fills and closes pages, and keeps the account of the run.
class SiteWriter {
 public:
  SiteWriter(const WebContext& context, MakePagesReport& report)
      : context_(context),
        settings_(context.Settings),
        report_(report),
        footer_(StdFooterPath(context.Settings)),
        footerSafe_(IsSafeTemplateName(context.Settings.StdFooter)),
        record_(IncludeTrailingSlash(context.Settings.HtmlRootDir)),
        inputs_(context) {}

  const WebContext& Context() const { return context_; }
  PageInputs& Inputs() { return inputs_; }
  const AppSettings& Settings() const { return settings_; }

  // The page's path when it may be written; otherwise the page is reported and nullopt.
  std::optional<std::string> Admit(const PageLocation& location, bool headerSafe) {
    const std::string path = PagePath(settings_, location);
    if (!IsSafeLocation(location)) return Refuse(path, kUnsafePage);
    if (!headerSafe || !footerSafe_) return Refuse(path, kUnsafeTemplate);
    return path;
  }

  // Whether an existing page stays as it is: its update-all setting is off and it exists, from
  // an earlier run or made earlier in this one. Pages from earlier runs count as kept.
  bool Keeps(const std::string& path, bool updateAll) {
    if (updateAll) return false;
    return made_.contains(path) || CountKept(path);
  }

  // Records that the page will be written in this run, for Keeps.
  void Plan(const std::string& path) { made_.insert(path); }

  // Lists the web root and its folders now, as Keeps would one at a time when it first looks
  // into each: another thread may do it before the planning, while nothing is written.
  void ListSiteFolders() {
    const std::string root = IncludeTrailingSlash(settings_.HtmlRootDir);
    ListingOf(root);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(root, error))
      if (entry.is_directory(error)) ListingOf(root + entry.path().filename().string() + "/");
  }

  // Write, unless the page was made from the same inputs and its file is as that run left it:
  // then it stays as it is, counted as kept.
  template <typename Body>
  void WriteUnlessCurrent(const std::string& path, std::uint64_t inputs, const PageFrame& frame,
                          Body&& body) {
    if (!KeepsChecked(path, inputs, Check(path, inputs))) Write(path, frame, body);
  }

  // The page's file as the record has it when the page may stay as it is (PageRecord::Current):
  // threads may ask it at once.
  std::optional<SiteFile> Check(const std::string& path, std::uint64_t inputs) const {
    return record_.Current(path, inputs);
  }

  // Notes the page in the record with the answer of Check; true when the page stays as it is,
  // counted as kept.
  bool KeepsChecked(const std::string& path, std::uint64_t inputs, std::optional<SiteFile> kept) {
    const bool keeps = kept.has_value();
    record_.Note(path, inputs, std::move(kept));
    if (!keeps) return false;
    Plan(path);
    CountKept(path);
    return true;
  }

  // Renders the page here and leaves the writing to the queue's thread.
  template <typename Body>
  void Write(const std::string& path, const PageFrame& frame, Body&& body) {
    WriteIn(context_, path, frame, body);
  }

  // The same with the page reading another context (a part of the round list).
  template <typename Body>
  void WriteIn(const WebContext& context, const std::string& path, const PageFrame& frame,
               Body&& body) {
    Plan(path);
    page_.Open(context, path, frame.Header, frame.Keywords, frame.Robots, frame.Title,
               frame.InYearFolder);
    body(page_);
    if (const Status status = page_.Finish(footer_); !status) {
      record_.Forget(path);
      Report(path, status.message());
    } else
      queue_.Push(path, page_.TakeContents());
  }

  // Flush, then the record of this run's pages replaces the last one's.
  void Finish() {
    Flush();
    if (const Status status = record_.Save(); !status) report_.Skipped.push_back(status.message());
  }

  // Waits until the pages rendered so far are on disk, for what looks at the files.
  void Flush() {
    for (const PageWritten& page : queue_.Drain()) {
      if (!page.Outcome) {
        record_.Forget(page.Path);
        Report(page.Path, page.Outcome.message());
      } else if (written_.insert(page.Path).second)
        ++report_.Written;
    }
  }

 private:
  // Texts found by a string_view without making a string of it.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };
  // The names of a folder's files, each with whether it was counted as kept.
  using Names = std::unordered_map<std::string, bool, TextHash, std::equal_to<>>;

  // Whether the file was there when the run first looked into its folder: one listing per folder
  // instead of a look-up per page (the planning asks for every round's pages). Such a page
  // counts as kept, once however often it is asked for. A page this run writes is in made_
  // before anyone asks for it again.
  bool CountKept(std::string_view path) {
    const std::size_t slash = path.rfind('/') + 1;  // 0 without a folder
    Names& listing = ListingOf(path.substr(0, slash));
    const auto file = listing.find(path.substr(slash));
    if (file == listing.end()) return false;
    if (!file->second) ++report_.Kept;
    file->second = true;
    return true;
  }

  // The names of the folder's files (the folder's path ends with "/"), listed when first asked.
  Names& ListingOf(std::string_view folder) {
    auto listing = listings_.find(folder);
    if (listing != listings_.end()) return listing->second;
    listing = listings_.emplace(folder, Names()).first;
    std::vector<std::string> names = FileNamesIn(listing->first);
    listing->second.reserve(names.size());
    for (std::string& name : names)
      listing->second.emplace(std::move(name), false);
    return listing->second;
  }

  std::nullopt_t Refuse(const std::string& path, const char* why) {
    Report(path, path + ": " + why);
    return std::nullopt;
  }

  // Each page is reported once, however often the walk comes back to it.
  void Report(const std::string& path, const std::string& message) {
    if (reported_.insert(path).second) report_.Skipped.push_back(message);
  }

  const WebContext& context_;
  const AppSettings& settings_;
  MakePagesReport& report_;
  const std::string footer_;
  const bool footerSafe_;
  PageRecord record_;
  PageInputs inputs_;
  Page page_;
  WriteQueue queue_;
  std::unordered_set<std::string> made_, written_, reported_;
  std::unordered_map<std::string, Names, TextHash, std::equal_to<>> listings_;  // by folder
};

// What the record says of a page: the digest of its inputs, and its file when the page may stay
// as it is.
struct CheckedPage {
  std::uint64_t Inputs = 0;
  std::optional<SiteFile> Kept;
};

// The pages 0 to count - 1 checked against the record, on two threads, before any is rendered:
// `check(k)` gives page k's (nullopt: a page not checked) and must change nothing. A check is a
// digest and a look at a file, and the most numerous pages are checked so.
template <typename Check>
std::vector<CheckedPage> CheckPages(std::size_t count, Check&& check) {
  constexpr std::size_t kShare = 256;
  std::vector<CheckedPage> checked(count);
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    for (std::size_t from = next.fetch_add(kShare); from < count; from = next.fetch_add(kShare)) {
      for (std::size_t k = from; k < std::min(from + kShare, count); ++k)
        if (std::optional<CheckedPage> page = check(k)) checked[k] = std::move(*page);
    }
  };
  if (!RunBeside(work, work)) work();
  return checked;
}

// The pages of the rounds: scorecards, player-on-course and player-year pages.
class RoundPages {
 public:
  explicit RoundPages(SiteWriter& writer)
      : writer_(writer),
        context_(writer.Context()),
        settings_(writer.Settings()),
        rounds_(context_.Data.Rounds) {}

  // Chooses the pages to make. It reads the rounds and marks them Used, and changes nothing else
  // of them.
  void Plan() {
    rounds_.ClearUsed();
    for (int i = 0; i < rounds_.Count(); ++i)
      PlanRound(i);
  }

  void Render() {
    const std::vector<CheckedPage> checked = CheckPlayerCoursePages();
    for (std::size_t k = 0; k < jobs_.size(); ++k)
      Render(jobs_[k].first, jobs_[k].second, checked[k]);
  }

 private:
  enum class Kind { Scorecard, PlayerCourse, PlayerYear };
  struct Job {
    Kind PageKind;
    int Round;
  };

  void PlanRound(int i) {
    Round& round = rounds_.RecordAt(i);
    PlanScorecard(round, i);
    if (!round.Used && !round.CourseID.empty() && !round.PlayerID.empty())
      PlanPlayerCourse(round, i);
    if (const Player* player = context_.Data.Players.FindRecord(round.PlayerID))
      PlanPlayerYear(round, i, *player);
  }

  void PlanScorecard(const Round& round, int i) {
    const HeaderChoice& header = EventHeader(round.EventID);
    const auto path = writer_.Admit(RoundPage(settings_, round), header.Safe);
    if (path && !writer_.Keeps(*path, settings_.AllRounds)) Put(*path, {Kind::Scorecard, i});
  }

  // Always rewritten. The page covers every round of the player on the course in that year:
  // they are marked now, as writing the page marks them, so the walk passes them over.
  void PlanPlayerCourse(const Round& round, int i) {
    const auto path = writer_.Admit(PlayerCourseYearPage(settings_, round), StdHeader().Safe);
    if (!path) return;
    Put(*path, {Kind::PlayerCourse, i});
    const auto covered = PlayerCourseRounds(context_, UpperCase(round.PlayerID),
                                            UpperCase(round.CourseID), round.Date);
    if (!covered) return;
    for (Round* shown : *covered)
      shown->Used = true;
  }

  // Unless all are made again, a player's year page is planned at the first round of the year:
  // for every later round it is kept or planned already.
  void PlanPlayerYear(const Round& round, int i, const Player& player) {
    const int year = DecodeDate(round.Date).year;
    if (!settings_.AllPlayers && !playerYears_.emplace(&player, year).second) return;
    const PageLocation location = PlayerYearPage(settings_, UpperCase(round.PlayerID), year);
    const auto path = writer_.Admit(location, StdHeader().Safe);
    if (path && !writer_.Keeps(*path, settings_.AllPlayers)) Put(*path, {Kind::PlayerYear, i});
  }

  // A later write of the same file replaces the earlier one: only its bytes would remain.
  void Put(const std::string& path, Job job) {
    writer_.Plan(path);
    const auto [slot, added] = slots_.try_emplace(path, jobs_.size());
    if (added)
      jobs_.emplace_back(path, job);
    else
      jobs_[slot->second].second = job;
  }

  // The players' pages of a course are most of the pages checked against the record.
  std::vector<CheckedPage> CheckPlayerCoursePages() const {
    return CheckPages(jobs_.size(), [&](std::size_t k) -> std::optional<CheckedPage> {
      const auto& [path, job] = jobs_[k];
      if (job.PageKind != Kind::PlayerCourse) return std::nullopt;
      const Round& round = rounds_.RecordAt(job.Round);
      const std::uint64_t inputs = writer_.Inputs().PlayerCoursePage(
          UpperCase(round.PlayerID), UpperCase(round.CourseID), round.Date);
      return CheckedPage{inputs, writer_.Check(path, inputs)};
    });
  }

  void Render(const std::string& path, const Job& job, const CheckedPage& checked) {
    const Round& round = rounds_.RecordAt(job.Round);
    switch (job.PageKind) {
      case Kind::Scorecard:
        writer_.Write(path,
                      {EventHeader(round.EventID).Path, round.Summary(), settings_.RobotRounds,
                       round.DateText() + " / " + round.PlayerName, true},
                      [&](Page& page) { WriteScorecard(page, round); });
        break;
      case Kind::PlayerCourse:
        RenderPlayerCourse(path, round, checked);
        break;
      case Kind::PlayerYear:
        RenderPlayerYear(path, round);
        break;
    }
  }

  void RenderPlayerCourse(const std::string& path, const Round& round, const CheckedPage& checked) {
    // The most numerous of the pages checked: the frame is built only for one to be written.
    if (writer_.KeepsChecked(path, checked.Inputs, checked.Kept)) return;
    const std::string year = YearText(round.Date);
    writer_.Write(
        path,
        {StdHeader().Path, round.PlayerName + "," + round.CourseName + "," + year,
         settings_.RobotRounds, round.PlayerName + "/" + round.CourseName + "/" + year, true},
        [&](Page& page) {
          WritePlayerCourse(page, UpperCase(round.PlayerID), UpperCase(round.CourseID), round.Date);
        });
  }

  void RenderPlayerYear(const std::string& path, const Round& round) {
    const Player* player = context_.Data.Players.FindRecord(round.PlayerID);
    writer_.Write(
        path, {StdHeader().Path, player->Name, settings_.RobotIndex, player->Name, true},
        [&](Page& page) { WritePlayerYear(page, UpperCase(round.PlayerID), round.Date); });
  }

  // HeaderFor asks every tour; rounds of one event share the answer.
  const HeaderChoice& EventHeader(const std::string& eventID) {
    const auto [found, added] = headers_.try_emplace(eventID);
    if (added)
      found->second = {HeaderFor(context_, eventID),
                       IsSafeTemplateName(HeaderNameFor(context_, eventID))};
    return found->second;
  }

  const HeaderChoice& StdHeader() {
    if (!stdHeader_) stdHeader_ = StdHeaderChoice(settings_);
    return *stdHeader_;
  }

  SiteWriter& writer_;
  const WebContext& context_;
  const AppSettings& settings_;
  RoundList& rounds_;
  std::vector<std::pair<std::string, Job>> jobs_;
  std::unordered_map<std::string, std::size_t> slots_;
  std::unordered_map<std::string, HeaderChoice> headers_;
  // Planned, by player and year.
  struct PlayerYearHash {
    std::size_t operator()(const std::pair<const Player*, int>& key) const {
      return std::hash<const Player*>()(key.first) * 31 + static_cast<std::size_t>(key.second);
    }
  };
  std::unordered_set<std::pair<const Player*, int>, PlayerYearHash> playerYears_;
  std::optional<HeaderChoice> stdHeader_;
};

void MakeCoursePages(SiteWriter& writer) {
  const AppSettings& settings = writer.Settings();
  CourseList& courses = writer.Context().Data.Courses;
  courses.ClearUsed();
  for (int i = 0; i < courses.Count(); ++i) {
    const Course& course = courses.RecordAt(i);
    const auto path = writer.Admit(CoursePage(settings, course.ID), StdHeaderChoice(settings).Safe);
    if (!path) continue;
    writer.WriteUnlessCurrent(
        *path, writer.Inputs().CoursePage(course, *path),
        {StdHeaderPath(settings), course.Name, settings.RobotIndex, course.Name, false},
        [&](Page& page) { WriteCoursePage(page, UpperCase(course.ID), 0); });
  }
}

// A page per team of a team event of a computed type, each with the team's card.
void MakeTeamCardPages(SiteWriter& writer, const Event& event, bool safe) {
  if (!event.IsTeamEvent() || !IsComputed(event.Type)) return;
  const WebContext& context = writer.Context();
  for (std::size_t number = 1; number <= event.Teams.size(); ++number) {
    const auto path = writer.Admit(TeamCardPage(context.Settings, event, number), safe);
    if (!path) continue;
    writer.Write(
        *path,
        {HeaderFor(context, event.ID), event.Name, context.Settings.RobotIndex, event.Name, true},
        [&](Page& page) { WriteTeamCardPage(page, event, number); });
  }
}

// The draw page of an event with a draw, written on every run: a draw changes up to the day.
void MakeDrawPage(SiteWriter& writer, const Event& event) {
  const WebContext& context = writer.Context();
  if (event.Draw.empty()) return;
  const bool safe = IsSafeTemplateName(HeaderNameFor(context, event.ID));
  const auto path = writer.Admit(DrawPage(context.Settings, event), safe);
  if (!path) return;
  const std::string title = event.Name + " - Draw";
  writer.Write(*path,
               {HeaderFor(context, event.ID), title, context.Settings.RobotIndex, title, true},
               [&](Page& page) { WriteDrawPage(page, UpperCase(event.ID)); });
}

void MakeEventPages(SiteWriter& writer) {
  const WebContext& context = writer.Context();
  const AppSettings& settings = context.Settings;
  EventList& events = context.Data.Events;
  std::optional<EventRounds> eventRounds;  // found at the first event whose results are made
  for (int i = 0; i < events.Count(); ++i) {
    Event& event = events.RecordAt(i);
    if (!event.Make) continue;
    MakeDrawPage(writer, event);
    const bool safe = IsSafeTemplateName(HeaderNameFor(context, event.ID));
    const auto path = writer.Admit(EventPage(settings, event), safe);
    if (path && writer.Keeps(*path, settings.AllEvents)) continue;
    // The computation reads the whole list it is given for the rounds that count in the event;
    // it is given those rounds only.
    if (!eventRounds) eventRounds.emplace(context.Data.Rounds, events);
    RoundList counting = CopyRounds(*context.Rounds, eventRounds->Of(event.ID));
    CalcEventResults(event, counting, context.Data.Players, context.Data.Courses);
    if (!path) continue;
    writer.Write(*path,
                 {HeaderFor(context, event.ID), event.Name, settings.RobotIndex, event.Name, true},
                 [&](Page& page) { WriteEventPage(page, UpperCase(event.ID)); });
    MakeTeamCardPages(writer, event, safe);
  }
}

// The scoring table a tour's value columns link to, as the tour's page made just after it would
// see it: its size (Ntot) as before the tour's standings are computed, its header and name. Tours
// of one size share the page; the last of them gives it its bytes.
struct ScoringPage {
  const Tour* Of = nullptr;
  int Ntot = 0;
};

void NoteScoringPage(const AppSettings& settings, const Tour& tour,
                     std::map<std::string, ScoringPage>& pages) {
  const TourPointsTable table = ScoringOf(tour.Type).PointsTable;
  if (table == TourPointsTable::kNone) return;
  const PageLocation at =
      table == TourPointsTable::kPtsP ? PtsPPage(settings, tour.Ntot) : F1Page(settings);
  pages[PagePath(settings, at)] = {&tour, tour.Ntot};
}

void MakeScoringPage(SiteWriter& writer, const ScoringPage& scoring) {
  const AppSettings& settings = writer.Settings();
  const Tour& tour = *scoring.Of;
  const bool ptsp = ScoringOf(tour.Type).PointsTable == TourPointsTable::kPtsP;
  const HeaderChoice header = TourHeader(settings, tour);
  const auto path =
      writer.Admit(ptsp ? PtsPPage(settings, scoring.Ntot) : F1Page(settings), header.Safe);
  if (!path) return;
  const std::string title = ptsp ? "Tour Scoring System: Pts(p)" : "Tour Scoring System: F1(p)";
  writer.WriteUnlessCurrent(
      *path, writer.Inputs().ScoringPage(ptsp, scoring.Ntot, header.Path, tour.Name),
      {header.Path, tour.Name, settings.RobotIndex, title, false}, [&](Page& page) {
        if (ptsp)
          WritePtsPTable(page, scoring.Ntot);
        else
          WriteF1Table(page, scoring.Ntot);
      });
}

// The rounds a tour's standings and page read: those played in its events and those its
// events' result lines name, as positions in the whole list, ascending.
std::vector<int> TourRoundPositions(const WebContext& context, const Tour& tour) {
  const RoundIndex& index = *context.Rounds;
  std::vector<int> positions =
      index.ByEvents([&tour](std::string_view eventID) { return tour.HasEvent(eventID); });
  for (int k = 1;; ++k) {
    const std::string eventID = tour.EventAt(k);
    if (eventID.empty()) break;
    const Event* event = context.Data.Events.FindRecord(eventID);
    if (event == nullptr) continue;
    for (const std::string& line : event->Results) {
      const std::string field = ResultFields::Parse(line).RoundID;
      for (const std::string& id : event->IsTeamEvent() ? SplitIDs(field) : std::vector{field}) {
        int position = -1;
        if (index.List().Find(id, position)) positions.push_back(position);
      }
    }
  }
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  return positions;
}

void MakeTourPage(SiteWriter& writer, Tour& tour) {
  const WebContext& context = writer.Context();
  const AppSettings& settings = context.Settings;
  const PageLocation before = TourPage(settings, tour);
  if (IsSafeLocation(before) && writer.Keeps(PagePath(settings, before), settings.AllTours)) return;
  // The standings and the page read the whole round list they are given and need only the
  // tour's rounds of it: they get a list of those.
  RoundList rounds = CopyRounds(*context.Rounds, TourRoundPositions(context, tour));
  Database database{context.Data.Players, context.Data.Courses, rounds, context.Data.Events,
                    context.Data.Tours};
  const WebContext tourContext{settings, database, context.Today};
  CalcTour(tour, database);
  // The computation gives a tour without a folder the year of its first round; the page goes
  // where the links of the pages made after it point.
  const HeaderChoice header = TourHeader(settings, tour);
  const auto path = writer.Admit(TourPage(settings, tour), header.Safe);
  if (!path) return;
  writer.WriteIn(tourContext, *path,
                 {header.Path, tour.Name, settings.RobotIndex, tour.Name, false},
                 [&](Page& page) { WriteTourPage(page, UpperCase(tour.ID)); });
}

void MakeTourPages(SiteWriter& writer) {
  TourList& tours = writer.Context().Data.Tours;
  std::map<std::string, ScoringPage> scoringPages;
  for (int i = 0; i < tours.Count(); ++i) {
    NoteScoringPage(writer.Settings(), tours.RecordAt(i), scoringPages);
    MakeTourPage(writer, tours.RecordAt(i));
  }
  for (const auto& [path, scoring] : scoringPages)
    MakeScoringPage(writer, scoring);
}

void MakePlayerPages(SiteWriter& writer) {
  const AppSettings& settings = writer.Settings();
  const PlayerList& players = writer.Context().Data.Players;
  writer.Inputs().DigestEventsAndTours();
  std::vector<std::pair<const Player*, std::string>> pages;
  for (int i = 0; i < players.Count(); ++i) {
    const Player& player = players.RecordAt(i);
    const auto path = writer.Admit(PlayerPage(settings, player.ID), StdHeaderChoice(settings).Safe);
    if (path) pages.emplace_back(&player, *path);
  }
  const std::vector<CheckedPage> checked =
      CheckPages(pages.size(), [&](std::size_t k) -> std::optional<CheckedPage> {
        const auto& [player, path] = pages[k];
        const std::uint64_t inputs = writer.Inputs().PlayerPage(*player, path);
        return CheckedPage{inputs, writer.Check(path, inputs)};
      });
  for (std::size_t k = 0; k < pages.size(); ++k) {
    const Player* player = pages[k].first;
    const std::string& path = pages[k].second;
    if (writer.KeepsChecked(path, checked[k].Inputs, checked[k].Kept)) continue;
    writer.Write(path,
                 {StdHeaderPath(settings), player->Name, settings.RobotIndex, player->Name, false},
                 [&](Page& page) { WritePlayerPage(page, UpperCase(player->ID)); });
  }
}

void MakeIndexPages(SiteWriter& writer) {
  const AppSettings& settings = writer.Settings();
  const struct {
    char Kind;
    Caption Title;
    void (*Body)(Page&);
  } lists[] = {{'t', Caption::TourIndex, WriteTourList},
               {'p', Caption::PlayerIndex, WritePlayerList},
               {'e', Caption::EventIndex, WriteEventList},
               {'c', Caption::CourseIndex, WriteCourseList}};
  for (const auto& list : lists) {
    const auto path = writer.Admit(IndexPage(settings, list.Kind), StdHeaderChoice(settings).Safe);
    if (!path) continue;
    writer.Write(
        *path,
        {StdHeaderPath(settings), "", settings.RobotIndex, settings.CaptionText(list.Title), false},
        list.Body);
  }
}

// Made only when the setting is on, so that a site without it stays as it was.
void MakeHandicapPage(SiteWriter& writer) {
  const WebContext& context = writer.Context();
  const AppSettings& settings = context.Settings;
  if (!settings.HandicapPage) return;
  const auto path = writer.Admit(HandicapListPage(), StdHeaderChoice(settings).Safe);
  if (!path) return;
  const std::vector<HandicapRow>& rows = context.Handicaps->Rows();
  writer.Write(*path, {StdHeaderPath(settings), "", settings.RobotIndex, kHandicapPageTitle, false},
               [&](Page& page) { WriteHandicapList(page, rows); });
}

// A bracket page per knockout of the context's list (none without the knockouts' file).
void MakeKnockoutPages(SiteWriter& writer) {
  const WebContext& context = writer.Context();
  const AppSettings& settings = context.Settings;
  if (!context.Knockouts) return;
  for (int i = 0; i < context.Knockouts->Count(); ++i) {
    const Knockout& knockout = context.Knockouts->RecordAt(i);
    if (knockout.ID == kPlaceholderID) continue;
    const auto path =
        writer.Admit(KnockoutPage(settings, knockout), StdHeaderChoice(settings).Safe);
    if (!path) continue;
    writer.Write(
        *path, {StdHeaderPath(settings), knockout.Name, settings.RobotIndex, knockout.Name, false},
        [&](Page& page) { WriteKnockoutPage(page, knockout); });
  }
}

// The current year's page, and those of the years before it back to the first gap in the
// year folders.
void MakeYearStatsPages(SiteWriter& writer) {
  const AppSettings& settings = writer.Settings();
  const std::string root = IncludeTrailingSlash(settings.HtmlRootDir);
  const int current = writer.Context().CurrentYear();
  int first = current;
  while (first > 1 && DirectoryExists(root + YearStatsPage(first - 1).Dir))
    --first;
  for (int year = first; year <= current; ++year) {
    const auto path = writer.Admit(YearStatsPage(year), StdHeaderChoice(settings).Safe);
    if (!path) continue;
    const std::string title = settings.CaptionText(Caption::Stats) + ": " + std::to_string(year);
    writer.WriteUnlessCurrent(*path, writer.Inputs().YearStatsPage(year),
                              {StdHeaderPath(settings), "", settings.RobotRounds, title, true},
                              [&](Page& page) { WriteYearStats(page, year); });
  }
}

bool IsUpToDate(const std::string& target, const std::string& source) {
  const std::optional<std::time_t> copied = ModificationTime(target);
  const std::optional<std::time_t> original = ModificationTime(source);
  return copied && original && *copied >= *original;
}

Status CopyAsText(const std::string& from, const std::string& to) {
  std::string contents;
  Status status = ReadWholeFile(from, contents);
  if (status) status = CreateDirectories(DirectoryOf(to));
  if (status) status = WriteFileAtomically(to, AsTextLines(contents));
  return status;
}

// A new site gets the style sheet its pages link to: the template folder's, else the one
// shipped with the program.
void PlaceStyleSheet(const AppSettings& settings, MakePagesReport& report) {
  const std::string target = PagePath(settings, {"index", kStyleSheet});
  if (FileExists(target)) return;
  std::string source = settings.TemplateDir + kStyleSheet;
  if (!FileExists(source)) {
    const std::string shipped = ShippedFilesDir();
    if (shipped.empty()) return;
    source = shipped + "template/" + kStyleSheet;
    if (!FileExists(source)) return;
  }
  Status status = CreateDirectories(DirectoryOf(target));
  if (status) status = CopyFile(source, target);
  if (!status) report.Skipped.push_back(status.message());
}

// The front page is rewritten on every run, as the index pages are; a file of that name that
// the run did not make (the club's own front page, or a tour page in the root) is left alone.
void MakeRootPage(const AppSettings& settings, MakePagesReport& report) {
  const std::string path = PagePath(settings, RootPage());
  std::string existing;
  if (FileExists(path) &&
      (!ReadWholeFile(path, existing) || existing.find(kRootPageMark) == std::string::npos))
    return;
  if (const Status status = WritePageFile(path, RootPageText(settings)); !status)
    report.Skipped.push_back(status.message());
  else
    ++report.Written;
}

}  // namespace

void CopyTemplates(const WebContext& context, MakePagesReport& report) {
  const AppSettings& settings = context.Settings;
  if (settings.TemplateDir.empty()) return;
  for (const std::string& name : FilesMatching(settings.TemplateDir, "*.htm*")) {
    const std::string source = settings.TemplateDir + name;
    const std::string target = PagePath(settings, {"index", name});
    if (FileExists(target) && IsUpToDate(target, source)) continue;
    if (const Status status = CopyAsText(source, target); !status)
      report.Skipped.push_back(status.message());
    else
      ++report.TemplatesCopied;
  }
}

MakePagesReport MakeAllPages(const WebContext& context) {
  MakePagesReport report;
  const AppSettings& settings = context.Settings;
  // The site counts as new while it has no index folder: the start-up may have made the root.
  const bool newSite = !DirectoryExists(PagePath(settings, {"index", ""}));
  WebContext indexed = context;
  // One handicap calculation for the handicap page and the player pages' charts, the first
  // pages to read it. It reads every round, as the pages before those do, but changes nothing:
  // it runs on another thread meanwhile.
  std::optional<HandicapRecords> handicaps;
  std::future<std::vector<HandicapRow>> handicapRows;
  if (HasHandicaps(settings)) {
    handicapRows = std::async(std::launch::async | std::launch::deferred,
                              [&context] { return HandicapRows(context.Data, context.Today); });
  }
  // The knockouts' file is read here, only when it exists: a site without knockouts stays as
  // it was.
  KnockoutList knockouts;
  if (!indexed.Knockouts && FileExists(KnockoutFilePath(settings))) {
    knockouts.LoadFromFile(KnockoutFilePath(settings));
    indexed.Knockouts = &knockouts;
  }
  SiteWriter writer(indexed, report);
  // The site's folders are listed on another thread while the rounds are indexed.
  std::optional<RoundIndex> index;
  if (!RunBeside([&] { writer.ListSiteFolders(); }, [&] { index.emplace(context.Data.Rounds); }))
    index.emplace(context.Data.Rounds);
  indexed.Rounds = &*index;
  // Every page made from inputs takes in the digests of its rounds: they are taken on another
  // thread while the rounds' pages are planned, which reads the rounds too, before anything is
  // rendered (rendering a page may store a row's total in its round).
  RoundPages roundPages(writer);
  if (!RunBeside([&] { writer.Inputs().DigestAllRecords(); }, [&] { roundPages.Plan(); })) {
    writer.Inputs().DigestAllRecords();
    roundPages.Plan();
  }
  MakeCoursePages(writer);
  roundPages.Render();
  MakeEventPages(writer);
  MakeTourPages(writer);
  writer.Flush();  // the player pages link the year pages that exist
  // The events' results and the tours' standings are as the pages show them now.
  const PlayerMerits merits(context.Data.Events, context.Data.Tours, settings.MaxEventMerits,
                            settings.MaxTourMerits);
  indexed.Merits = &merits;
  if (handicapRows.valid()) indexed.Handicaps = &handicaps.emplace(handicapRows.get());
  MakePlayerPages(writer);
  MakeIndexPages(writer);
  MakeKnockoutPages(writer);
  MakeHandicapPage(writer);
  writer.Flush();  // the year statistics look for the year folders; new folders are in place
  CopyTemplates(indexed, report);
  MakeYearStatsPages(writer);
  writer.Finish();
  if (newSite) PlaceStyleSheet(settings, report);
  MakeRootPage(settings, report);
  return report;
}

}  // namespace cardwise
