// The rounds outside events, the tee times of every round and the playing of the cards.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "database_plan.h"
#include "platform/codepage.h"
#include "records/dates.h"
#include "results/event.h"

namespace cardwise::bench {

namespace {

using namespace std::chrono;

// Golf is played all year, but mostly from April to October.
const std::vector<double> kMonthWeights = {1, 1, 3, 6, 9, 10, 11, 11, 8, 5, 2, 1};
constexpr int kMostRoundsInSeason = 200;
constexpr double kHomeCourseShare = 0.88;

// One member's rounds outside events in one season.
struct Share {
  int Member = 0;
  int Season = 0;
  double Expected = 0;
  int Count = 0;
};

std::vector<Share> SharesOf(const Plan& plan) {
  std::vector<Share> shares;
  for (int m = 0; m < static_cast<int>(plan.Members.size()); ++m) {
    const Member& member = plan.Members[static_cast<std::size_t>(m)];
    // The last season ends in September.
    for (int season = member.Join; season <= member.Leave; ++season)
      shares.push_back({m, season, member.RoundsPerYear * (season == plan.LastYear ? 0.75 : 1)});
  }
  return shares;
}

// Splits the rounds over the members' seasons by their rates: the whole parts first, then one
// more for the largest remainders, none above the most a season can hold.
std::vector<Share> Allocate(const Plan& plan, int rounds) {
  std::vector<Share> shares = SharesOf(plan);
  double total = 0;
  for (const Share& share : shares)
    total += share.Expected;
  int left = rounds;
  for (Share& share : shares) {
    share.Expected = total > 0 ? rounds * share.Expected / total : 0;
    share.Count = std::min(kMostRoundsInSeason, static_cast<int>(share.Expected));
    left -= share.Count;
  }
  std::vector<std::size_t> order(shares.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return shares[a].Expected - shares[a].Count > shares[b].Expected - shares[b].Count;
  });
  for (bool progress = true; left > 0 && progress;) {
    progress = false;
    for (std::size_t i = 0; i < order.size() && left > 0; ++i) {
      Share& share = shares[order[i]];
      if (share.Count >= kMostRoundsInSeason) continue;
      ++share.Count;
      --left;
      progress = true;
    }
  }
  return shares;
}

int DaysInMonth(int y, int m) {
  return static_cast<int>(static_cast<unsigned>(
      year_month_day_last{year{y} / month{static_cast<unsigned>(m)} / last}.day()));
}

// A day of the season the member has no round on yet; -1 when every day is taken.
int PickDay(Plan& plan, int member, int season) {
  const int first = DaySerial(season, 1, 1);
  const int lastDay = season == plan.LastYear ? plan.LastDay : DaySerial(season, 12, 31);
  for (int attempt = 0; attempt < 30; ++attempt) {
    const int m = plan.Random.Weighted(kMonthWeights) + 1;
    const int day = DaySerial(season, m, plan.Random.Uniform(1, DaysInMonth(season, m)));
    if (day <= lastDay && plan.TakeDay(member, day)) return day;
  }
  // A busy member: the first free day from a random one on.
  const int span = lastDay - first + 1;
  const int start = plan.Random.Uniform(0, span - 1);
  for (int k = 0; k < span; ++k) {
    const int day = first + (start + k) % span;
    if (plan.TakeDay(member, day)) return day;
  }
  return -1;
}

// Mostly the member's own tee at home, now and then the standard tee of another club.
const Course* CourseOf(const Plan& plan, const Member& member, SeededRandom& random) {
  const Club& home = plan.Clubs[static_cast<std::size_t>(member.Club)];
  if (plan.Clubs.size() == 1 || random.Chance(kHomeCourseShare))
    return home.Tees[static_cast<std::size_t>(member.Tee)];
  int other = random.Uniform(0, static_cast<int>(plan.Clubs.size()) - 2);
  if (other >= member.Club) ++other;
  return plan.Clubs[static_cast<std::size_t>(other)].Tees.front();
}

bool SameSlotGroup(const PlannedRound& a, const PlannedRound& b) {
  return a.Day == b.Day && a.Venue == b.Venue;
}

// A day's rounds on a course go out in groups of four, ten minutes apart: an event's field from
// 08:00, the other rounds after it, or from 07:30 on a day without an event.
void AssignTeeTimes(Plan& plan) {
  std::vector<PlannedRound>& rounds = plan.Rounds;
  std::sort(rounds.begin(), rounds.end(), [](const PlannedRound& a, const PlannedRound& b) {
    if (a.Day != b.Day) return a.Day < b.Day;
    if (a.Venue != b.Venue) return a.Venue->ID < b.Venue->ID;
    if ((a.Event < 0) != (b.Event < 0)) return a.Event >= 0;
    return a.Order < b.Order;
  });
  for (std::size_t first = 0; first < rounds.size();) {
    std::size_t end = first;
    while (end < rounds.size() && SameSlotGroup(rounds[first], rounds[end]))
      ++end;
    const int start = rounds[first].Event >= 0 ? 8 * 60 : 7 * 60 + 30;
    for (std::size_t i = first; i < end; ++i)
      rounds[i].Minutes = std::min(23 * 60 + 59, start + static_cast<int>((i - first) / 4) * 10);
    first = end;
  }
}

std::string RoundID(const PlannedRound& round, const std::string& playerID) {
  const year_month_day date = DateOfSerial(round.Day);
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02u%02u-%02d%02d-", static_cast<int>(date.year()) % 100,
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                round.Minutes / 60, round.Minutes % 60);
  return text + playerID;
}

// A member's playing level from season to season: a beginner improves fast for four seasons,
// the others wander, a little more often upwards.
void AgeLevel(Member& member, int season, SeededRandom& random) {
  for (; member.LevelSeason < season; ++member.LevelSeason) {
    const bool learning = member.Beginner && member.LevelSeason - member.Join < 4;
    member.Level = learning ? member.Level * 0.82 : member.Level + random.Normal(0.15, 0.7);
    member.Level = std::clamp(member.Level, -2.0, 54.0);
  }
}

// A round with everything but the card: who, where, when and in which events.
std::unique_ptr<Round> RoundRecord(const Plan& plan, const PlannedRound& planned) {
  const Member& member = plan.Members[static_cast<std::size_t>(planned.Member)];
  auto round = std::make_unique<Round>();
  round->ID = planned.ID;
  round->PlayerID = member.ID;
  round->PlayerName = member.Name;
  round->CourseID = planned.Venue->ID;
  round->CourseName = planned.Venue->Name;
  if (planned.Event >= 0) {
    const PlannedEvent& event = plan.Events[static_cast<std::size_t>(planned.Event)];
    round->EventID = event.ID;
    round->EventName = event.Name;
    if (event.Net >= 0) round->EventIDs = plan.Events[static_cast<std::size_t>(event.Net)].ID;
  }
  round->Date = planned.Day;
  round->Start = EncodeTime(planned.Minutes / 60, planned.Minutes % 60, 0).value_or(0);
  return round;
}

}  // namespace

void PlanRounds(Plan& plan, int roundsTarget) {
  const int general = std::max(0, roundsTarget - static_cast<int>(plan.Rounds.size()));
  for (const Share& share : Allocate(plan, general)) {
    const Member& member = plan.Members[static_cast<std::size_t>(share.Member)];
    for (int i = 0; i < share.Count; ++i) {
      const int day = PickDay(plan, share.Member, share.Season);
      if (day < 0) break;
      plan.Rounds.push_back(
          {share.Member, CourseOf(plan, member, plan.Random), day, -1, 0, plan.Random.Next(), {}});
    }
  }
  AssignTeeTimes(plan);
  for (PlannedRound& round : plan.Rounds)
    round.ID = RoundID(round, plan.Members[static_cast<std::size_t>(round.Member)].ID);
  // The list's order, which is also the order of play: by date and tee time (every season is
  // from 2000 on, so the two-digit year sorts as the date does).
  std::sort(
      plan.Rounds.begin(), plan.Rounds.end(),
      [](const PlannedRound& a, const PlannedRound& b) { return CompareText(a.ID, b.ID) < 0; });
}

void PlayRounds(Plan& plan, RoundList& rounds) {
  SeededRandom& random = plan.Random;
  for (const PlannedRound& planned : plan.Rounds) {
    Member& member = plan.Members[static_cast<std::size_t>(planned.Member)];
    auto round = RoundRecord(plan, planned);
    const bool stableford =
        planned.Event >= 0 &&
        plan.Events[static_cast<std::size_t>(planned.Event)].Type == kStableford;
    AgeLevel(member, static_cast<int>(DateOfSerial(planned.Day).year()), random);
    PlayCard(*round, *planned.Venue, member.Hcp, member.Level, stableford, member.Habits, random);
    member.LastRoundHcp = member.Hcp;
    member.Hcp = NextHandicap(member.Hcp, *round, *planned.Venue);
    // In list order, so every round goes to the end of the list.
    rounds.Add(std::move(round));
  }
  plan.Rounds.clear();
  plan.Rounds.shrink_to_fit();
}

}  // namespace cardwise::bench
