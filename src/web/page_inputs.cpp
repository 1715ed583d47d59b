#include "web/page_inputs.h"

#include <bit>
#include <unordered_map>
#include <vector>

#include "platform/files.h"
#include "platform/locale_formats.h"
#include "records/process_info.h"
#include "records/text.h"
#include "web/charts.h"
#include "web/page.h"
#include "web/pages.h"

namespace cardwise {

namespace {

// A template as the pages copy it; nothing for none.
std::string TemplateText(const std::string& path) {
  std::string contents;
  if (path.empty() || !FileExists(path) || !ReadWholeFile(path, contents)) return {};
  return contents;
}

// The date, time and number forms of the user's locale, in which the pages write their texts.
std::string LocaleText() {
  const LocaleFormats& formats = CurrentFormats();
  return formats.ShortDate + "|" + formats.LongTime + "|" + formats.ShortTime + "|" +
         formats.DecimalSeparator + formats.DateSeparator;
}

std::uint64_t SiteDigest(const WebContext& context) {
  const AppSettings& settings = context.Settings;
  const ProcessInfo& process = Process();
  DigestBuilder digest;
  digest.Add(SettingsFileText(settings))
      .Add(settings.UseLongFileNames)
      .Add(settings.CopyInFooter)
      .Add(TemplateText(StdHeaderPath(settings)))
      .Add(TemplateText(StdFooterPath(settings)))
      .Add(process.ProductName)
      .Add(process.VersionText)  // with the program's build date
      .Add(LocaleText())
      .Add(static_cast<std::uint64_t>(context.CurrentYear()))
      .Add(HasHandicaps(settings));
  // The author tag carries the day of the run.
  if (!settings.Author.empty()) digest.Add(static_cast<std::uint64_t>(context.Today));
  return digest.Value();
}

void AddKeys(DigestBuilder& digest, const std::vector<KeyValue>& keys) {
  digest.Add(keys.size());
  for (const auto& [key, value] : keys)
    digest.Add(key).Add(value);
}

template <typename Record>
std::uint64_t RecordDigest(const Record& record) {
  DigestBuilder digest;
  AddKeys(digest, record.FileKeys());
  return digest.Value();
}

// The record's digest as taken beforehand, else taken now.
template <typename Record, typename Digest>
std::uint64_t Taken(const std::unordered_map<const Record*, std::uint64_t>& digests,
                    const Record& record, Digest digest) {
  const auto known = digests.find(&record);
  return known != digests.end() ? known->second : digest(record);
}

template <typename Record, typename Digest = std::uint64_t (*)(const Record&)>
void TakeAll(const RecordList<Record>& list,
             std::unordered_map<const Record*, std::uint64_t>& digests,
             Digest digest = RecordDigest<Record>) {
  digests.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i)
    digests.try_emplace(&list.RecordAt(i), digest(list.RecordAt(i)));
}

void AddResult(DigestBuilder& digest, const Result& row) {
  const auto& values = row.Values();
  digest.Add(std::string_view(reinterpret_cast<const char*>(values.data()), sizeof values))
      .Add(static_cast<std::uint64_t>(row.StoredTotal))
      .Add(row.StrictTotal);
}

}  // namespace

PageInputs::PageInputs(const WebContext& context) : context_(context), site_(SiteDigest(context)) {}

DigestBuilder PageInputs::Start(std::string_view kind) const {
  DigestBuilder digest;
  digest.Add(site_).Add(kind);
  return digest;
}

std::uint64_t PageInputs::PlayerCoursePage(std::string_view playerID, std::string_view courseID,
                                           DateTime date) const {
  DigestBuilder digest = Start("player-course");
  const Player* player = context_.Data.Players.FindRecord(playerID);
  const Course* course = context_.Data.Courses.FindRecord(courseID);
  digest.Add(player ? Known(*player) : 0).Add(course ? Known(*course) : 0);
  digest.Add(static_cast<std::uint64_t>(DecodeDate(date).year));
  if (const auto rounds = PlayerCourseRounds(context_, playerID, courseID, date))
    AddRounds(digest, *rounds);
  return digest.Value();
}

std::uint64_t PageInputs::CoursePage(const Course& course, const std::string& path) {
  DigestBuilder digest = Start("course");
  digest.Add(Known(course)).Add(PictureBeside(path));
  // The page lists the rounds since the card changed; its chart takes them all.
  AddRounds(digest, SelectRounds(context_, {.CourseID = UpperCase(course.ID)}));
  return digest.Value();
}

std::uint64_t PageInputs::PlayerPage(const Player& player, const std::string& path) const {
  const std::string id = UpperCase(player.ID);
  DigestBuilder digest = Start("player");
  digest.Add(Known(player)).Add(PictureBeside(path));
  for (const int year : LinkedPlayerYears(context_, player.ID))
    digest.Add(static_cast<std::uint64_t>(year));
  if (context_.Handicaps != nullptr) {
    if (const HandicapRow* row = context_.Handicaps->Find(player.ID))
      for (const IndexPoint& point : HandicapChartPoints(*row))
        digest.Add(static_cast<std::uint64_t>(point.Date))
            .Add(static_cast<std::uint64_t>(point.Index));
  }
  AddMerits(digest, id);
  AddRounds(digest, SelectRounds(context_, {.PlayerID = id}));
  return digest.Value();
}

std::uint64_t PageInputs::YearStatsPage(int year) {
  if (byYear_.empty()) {
    RoundList& rounds = context_.Data.Rounds;
    for (int i = 0; i < rounds.Count(); ++i)
      byYear_[DecodeDate(rounds.RecordAt(i).Date).year].push_back(&rounds.RecordAt(i));
    DigestBuilder players;
    for (int i = 0; i < context_.Data.Players.Count(); ++i)
      players.Add(Known(context_.Data.Players.RecordAt(i)));
    allPlayers_ = players.Value();
  }
  DigestBuilder digest = Start("year-stats");
  digest.Add(static_cast<std::uint64_t>(year)).Add(allPlayers_);
  const auto rounds = byYear_.find(year);
  AddRounds(digest, rounds == byYear_.end() ? std::vector<Round*>{} : rounds->second);
  return digest.Value();
}

std::uint64_t PageInputs::ScoringPage(bool ptsp, int players, const std::string& headerPath,
                                      std::string_view tourName) const {
  DigestBuilder digest = Start("scoring");
  digest.Add(ptsp).Add(static_cast<std::uint64_t>(players)).Add(tourName).Add(headerPath);
  // A tour's own header is not the standard one the site's digest holds.
  if (headerPath != StdHeaderPath(context_.Settings)) digest.Add(TemplateText(headerPath));
  return digest.Value();
}

std::uint64_t PageInputs::Known(const Player& player) const {
  return Taken(players_, player, RecordDigest<Player>);
}

std::uint64_t PageInputs::Known(const Course& course) const {
  return Taken(courses_, course, RecordDigest<Course>);
}

std::uint64_t PageInputs::Known(const Event& event) const {
  return Taken(events_, event, RecordDigest<Event>);
}

std::uint64_t PageInputs::Known(const Tour& tour) const {
  return Taken(tours_, tour, RecordDigest<Tour>);
}

void PageInputs::DigestEventsAndTours() {
  TakeAll(context_.Data.Events, events_);
  TakeAll(context_.Data.Tours, tours_);
  if (context_.Merits == nullptr && !ownMerits_) {
    ownMerits_.emplace(context_.Data.Events, context_.Data.Tours, context_.Settings.MaxEventMerits,
                       context_.Settings.MaxTourMerits);
  }
}

void PageInputs::DigestAllRecords() {
  TakeAll(context_.Data.Rounds, rounds_, RoundDigest);
  TakeAll(context_.Data.Players, players_);
  TakeAll(context_.Data.Courses, courses_);
}

void PageInputs::AddRounds(DigestBuilder& digest, const std::vector<Round*>& rounds) const {
  digest.Add(rounds.size());
  for (const Round* round : rounds)
    digest.Add(Taken(rounds_, *round, RoundDigest));
}

// The events and tours the player's merits name, with their place: any change of such an event
// or tour (its name, its page's place) changes the page.
void PageInputs::AddMerits(DigestBuilder& digest, const std::string& playerID) const {
  // Without DigestEventsAndTours (and merits in the context), the merits are found for this page.
  std::optional<PlayerMerits> found;
  if (context_.Merits == nullptr && !ownMerits_) {
    found.emplace(context_.Data.Events, context_.Data.Tours, context_.Settings.MaxEventMerits,
                  context_.Settings.MaxTourMerits);
  }
  const PlayerMerits& merits =
      context_.Merits ? *context_.Merits : (ownMerits_ ? *ownMerits_ : *found);
  for (const EventMerit& merit : merits.OfEvents(playerID))
    digest.Add(Known(*merit.Of)).Add(merit.Place);
  digest.Add("tours");
  for (const TourMerit& merit : merits.OfTours(playerID))
    digest.Add(Known(*merit.Of)).Add(merit.Place);
}

std::uint64_t RoundDigest(const Round& round) {
  // A field added to the round must be added here too, or its pages would not see it change:
  // the size (where it is known) is the reminder.
#if defined(__GLIBCXX__) && defined(__x86_64__)
  static_assert(sizeof(Round) == 632,
                "a field of the round changed: take it into RoundDigest, then correct the size");
#endif
  DigestBuilder digest;
  for (const std::string* text :
       {&round.ID, &round.PlayerID, &round.PlayerName, &round.CourseID, &round.CourseName,
        &round.EventID, &round.EventIDs, &round.EventName})
    digest.Add(*text);
  digest.Add(std::bit_cast<std::uint64_t>(round.Date))
      .Add(std::bit_cast<std::uint64_t>(round.Start))
      .Add(std::bit_cast<std::uint32_t>(round.Hcp))
      .Add(static_cast<std::uint64_t>(round.Strokes));
  for (const Result* row : {&round.Score, &round.Greens, &round.Putts, &round.Fairways, &round.CPar,
                            &round.CHcp, &round.CLen})
    AddResult(digest, *row);
  for (int hole = 1; hole <= kHoles; ++hole)
    digest.Add(round.Stats.Get(hole));
  return digest.Value();
}

}  // namespace cardwise
