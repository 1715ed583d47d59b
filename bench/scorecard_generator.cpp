#include "scorecard_generator.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace cardwise::bench {

namespace {

struct TeeKind {
  const char* Name;
  const char* Colour;
  double LengthFactor;
};

constexpr TeeKind kTees[] = {{"Yellow", "ffff00", 1.00},
                             {"Red", "ff0000", 0.86},
                             {"White", "ffffff", 1.06},
                             {"Blue", "0000ff", 0.93},
                             {"Green", "00a000", 0.78}};

constexpr const char* kNotes[] = {"B", "W", "OB", "3P", "D", "S", "T"};

int HoleLength(int par, SeededRandom& random) {
  if (par == 3) return random.Uniform(120, 195);
  return par == 4 ? random.Uniform(290, 410) : random.Uniform(430, 520);
}

// A nine of par 4s with the given numbers of par 3s and par 5s.
std::vector<int> ParsOfNine(int par3s, int par5s) {
  std::vector<int> pars(9, 4);
  for (int i = 0; i < par3s; ++i)
    pars[static_cast<std::size_t>(i)] = 3;
  for (int i = 0; i < par5s; ++i)
    pars[static_cast<std::size_t>(8 - i)] = 5;
  return pars;
}

// The harder holes of a nine (long for their par) get the lower indexes of its parity.
void IndexNine(Layout& layout, int first, int firstIndex, SeededRandom& random) {
  std::vector<int> holes(9);
  std::iota(holes.begin(), holes.end(), first);
  std::vector<double> hardness(18);
  for (int h : holes) {
    const std::size_t i = static_cast<std::size_t>(h);
    // Long par 4s are the hardest holes, short par 3s and par 5s the easiest.
    const double typical = layout.Par[i] == 3 ? 185 : layout.Par[i] == 4 ? 340 : 500;
    hardness[i] = layout.Length[i] / typical + random.Normal(0, 0.08);
  }
  std::stable_sort(holes.begin(), holes.end(), [&](int a, int b) {
    return hardness[static_cast<std::size_t>(a)] > hardness[static_cast<std::size_t>(b)];
  });
  for (int rank = 0; rank < 9; ++rank)
    layout.Index[static_cast<std::size_t>(holes[static_cast<std::size_t>(rank)])] =
        firstIndex + 2 * rank;
}

void SetRow(Result& row, const HoleValues& values) {
  for (int h = 1; h <= kHoles; ++h)
    row.SetHoleValue(h, values[static_cast<std::size_t>(h - 1)]);
}

HoleValues RowValues(const Result& row) {
  HoleValues values{};
  for (int h = 1; h <= kHoles; ++h)
    values[static_cast<std::size_t>(h - 1)] = row.Hole(h);
  return values;
}

int Sum(const HoleValues& values) {
  return std::accumulate(values.begin(), values.end(), 0);
}

// The strokes received on a hole of the given stroke index; a plus handicap gives strokes back
// on the easiest holes.
int StrokesOnHole(int strokes, int index) {
  if (strokes < 0) return index > kHoles + std::max(strokes, -kHoles) ? -1 : 0;
  return strokes / kHoles + (index <= strokes % kHoles ? 1 : 0);
}

// Putts on a hole played in `score` strokes: mostly two, fewer on good holes, now and then a
// chip-in (0) on a hole at par or better.
int PuttsOnHole(int score, int par, double hcp, SeededRandom& random) {
  if (score <= par && random.Chance(0.02)) return 0;
  const double r = random.Real();
  int putts = r < 0.18 + (score < par ? 0.35 : 0) ? 1 : r < 0.86 - hcp / 150 ? 2 : 3;
  return std::min(putts, score - 1);
}

std::string Notes(SeededRandom& random) {
  std::string text;
  for (int h = 0; h < kHoles; ++h) {
    if (h > 0) text += ';';
    if (random.Chance(0.25)) text += kNotes[random.Uniform(0, std::size(kNotes) - 1)];
  }
  return text;
}

// The putts, greens and fairways of a card, on the share of cards the habits give.
void AddShotDetail(Round& round, const HoleValues& score, const HoleValues& par, double hcp,
                   const CardHabits& habits, SeededRandom& random) {
  if (!random.Chance(habits.PuttsShare)) {
    // Some cards keep only the putts total.
    if (random.Chance(0.15))
      round.Putts.SetTotal(random.Uniform(27, 38) + static_cast<int>(hcp / 9));
    return;
  }
  const bool detail = random.Chance(habits.DetailShare);
  HoleValues putts{}, greens{}, fairways{};
  for (std::size_t i = 0; i < putts.size(); ++i) {
    if (score[i] == 0) continue;
    putts[i] = PuttsOnHole(score[i], par[i], hcp, random);
    greens[i] = score[i] - putts[i] <= par[i] - 2 ? 1 : 0;
    fairways[i] = par[i] > 3 && random.Chance(0.68 - hcp / 110) ? 1 : 0;
  }
  SetRow(round.Putts, putts);
  round.Putts.Total();
  if (!detail) return;
  SetRow(round.Greens, greens);
  SetRow(round.Fairways, fairways);
  round.Greens.Total();
  round.Fairways.Total();
}

// The scores of one round: the strokes received by the level set how far over par each hole
// goes; in a Stableford event a hole without points (by the strokes of the handicap) is often
// left blank. Now and then only nine holes are played.
HoleValues PlayHoles(int strokes, int levelStrokes, const HoleValues& par, const HoleValues& index,
                     double level, bool stableford, SeededRandom& random) {
  const double form = random.Normal(0, 0.12);
  const int holes = random.Chance(0.015) ? 9 : kHoles;
  HoleValues score{};
  for (std::size_t i = 0; i < static_cast<std::size_t>(holes); ++i) {
    const int received = StrokesOnHole(levelStrokes, index[i]);
    // Strokes over par are skewed: a birdie is rarer than a double bogey, and the spread grows
    // with the handicap.
    const double over = 0.12 + 0.93 * received + form - 0.35 + random.Exponential(0.35) +
                        random.Normal(0, 0.45 + 0.015 * std::max(0.0, level));
    score[i] = std::max(1, par[i] + std::clamp(static_cast<int>(std::lround(over)), -2, 8));
    // No points on the hole: the ball is often picked up and the hole left blank.
    const int points = StrokesOnHole(strokes, index[i]) + par[i] + 2 - score[i];
    if (stableford && points <= 0 && random.Chance(0.35)) score[i] = 0;
  }
  return score;
}

}  // namespace

Layout MakeLayout(SeededRandom& random) {
  Layout layout;
  // Four par 3s with four, three or two par 5s give par 72, 71 or 70; five of each, par 72.
  int par5s = 4 - random.Weighted({0.5, 0.3, 0.2});
  int par3s = 4;
  if (par5s == 4 && random.Chance(0.2)) par3s = par5s = 5;
  const int front3 = (par3s + random.Uniform(0, 1)) / 2;
  const int front5 = (par5s + random.Uniform(0, 1)) / 2;
  for (int nine = 0; nine < 2; ++nine) {
    std::vector<int> pars =
        nine == 0 ? ParsOfNine(front3, front5) : ParsOfNine(par3s - front3, par5s - front5);
    random.Shuffle(pars);
    for (int i = 0; i < 9; ++i) {
      const std::size_t h = static_cast<std::size_t>(nine * 9 + i);
      layout.Par[h] = pars[static_cast<std::size_t>(i)];
      layout.Length[h] = HoleLength(layout.Par[h], random);
    }
  }
  const bool oddOut = random.Chance(0.8);
  IndexNine(layout, 0, oddOut ? 1 : 2, random);
  IndexNine(layout, 9, oddOut ? 2 : 1, random);
  return layout;
}

std::unique_ptr<Course> MakeTee(const Layout& layout, const std::string& id,
                                const std::string& clubName, int tee, DateTime changed,
                                SeededRandom& random) {
  const TeeKind& kind = kTees[static_cast<std::size_t>(tee) % std::size(kTees)];
  auto course = std::make_unique<Course>();
  course->ID = id;
  course->Name = clubName;
  course->Tee = kind.Name;
  course->LenRGB = kind.Colour;
  course->Changed = changed;
  HoleValues length{};
  for (std::size_t h = 0; h < length.size(); ++h)
    length[h] = static_cast<int>(std::lround(layout.Length[h] * kind.LengthFactor));
  SetRow(course->Par, layout.Par);
  SetRow(course->Hcp, layout.Index);
  SetRow(course->Len, length);
  const int par = Sum(layout.Par);
  // About one stroke of rating per 220 m over a 5700 m course of its par.
  const double rating = par - 1.2 + (Sum(length) - 5700) / 220.0 + random.Normal(0, 0.4);
  course->CR = static_cast<float>(std::round(std::clamp(rating, par - 5.0, par + 3.0) * 10) / 10);
  course->Slope = static_cast<float>(std::clamp(
      std::lround(118 + (course->CR - par + 1.2) * 7 + random.Uniform(-5, 8)), 98L, 150L));
  course->Complete();
  return course;
}

int PlayingHandicap(double hcp, const Course& course) {
  return static_cast<int>(
      std::lround(hcp * course.Slope / 113 + course.CR - course.Par.TotalIfComplete()));
}

void PlayCard(Round& round, const Course& course, double hcp, double level, bool stableford,
              const CardHabits& habits, SeededRandom& random) {
  const int levelStrokes = PlayingHandicap(level, course);
  round.Hcp = static_cast<float>(hcp);
  round.Strokes = static_cast<std::int16_t>(PlayingHandicap(hcp, course));
  round.CPar.Assign(course.Par);
  round.CHcp.Assign(course.Hcp);
  round.CLen.Assign(course.Len);
  const HoleValues par = RowValues(course.Par);
  const HoleValues score =
      PlayHoles(round.Strokes, levelStrokes, par, RowValues(course.Hcp), level, stableford, random);
  SetRow(round.Score, score);
  round.Score.Total();
  AddShotDetail(round, score, par, hcp, habits, random);
  if (random.Chance(0.04)) round.Stats.FromText(Notes(random));
}

double NextHandicap(double hcp, const Round& round, const Course& course) {
  const int gross = round.Score.TotalIfComplete();
  if (gross == 0) return hcp;
  const double differential = (gross - course.CR) * 113 / course.Slope;
  double next = hcp;
  if (differential < hcp)
    next -= std::min(1.5, (hcp - differential) * 0.08);
  else if (differential > hcp + 1)
    next += 0.1;
  return std::round(std::clamp(next, -2.0, 54.0) * 10) / 10;
}

}  // namespace cardwise::bench
