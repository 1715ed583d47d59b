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
#include "web/pages.h"
#include "web/round_index.h"
#include "web/site_writer.h"
#include "web/tables.h"

namespace cardwise {

namespace {

constexpr const char* kStyleSheet = "cardwise.css";

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

std::string YearText(DateTime date) {
  return FormatDateTime("yyyy", date);
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
  // One handicap calculation for the handicap page and the player pages' charts, the first
  // pages to read it. It reads every round, as the pages before those do, but changes nothing:
  // it runs on another thread from here on (started earlier, it would slow the listing above,
  // which the planning waits for).
  std::optional<HandicapRecords> handicaps;
  std::future<std::vector<HandicapRow>> handicapRows;
  if (HasHandicaps(settings)) {
    handicapRows = std::async(std::launch::async | std::launch::deferred,
                              [&context] { return HandicapRows(context.Data, context.Today); });
  }
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
