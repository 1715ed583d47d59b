#pragma once
// Course cards and played scorecards for the database generator.

#include <array>
#include <memory>
#include <string>

#include "records/course.h"
#include "records/round.h"
#include "seeded_random.h"

namespace cardwise::bench {

using HoleValues = std::array<int, kHoles>;

// One golf course's holes: par 70 to 72, a stroke index that is a permutation of 1..18 (the
// odd indexes on one nine, the even ones on the other, the harder holes first), and the
// lengths from the standard tee in metres.
struct Layout {
  HoleValues Par{}, Index{}, Length{};
};

Layout MakeLayout(SeededRandom& random);

// The record of one set of tees of a layout: tee 0 is the standard yellow tee, 1 the forward
// red tee, 2 the back white tee, 3 and later blue and green tees. Lengths, course rating and
// slope follow from the tee.
std::unique_ptr<Course> MakeTee(const Layout& layout, const std::string& id,
                                const std::string& clubName, int tee, DateTime changed,
                                SeededRandom& random);

// A player's habits of keeping the card.
struct CardHabits {
  double PuttsShare = 0.5;   // the share of cards with putts per hole
  double DetailShare = 0.8;  // the share of those that also have greens and fairways
};

// The strokes received on a course: the handicap by the slope plus rating minus par, rounded.
int PlayingHandicap(double hcp, const Course& course);

// Plays one round: fills Hcp, Strokes, the Score, Putts, Greens and Fairways rows, the copy of
// the course card and now and then a few notes per hole. The strokes come from the handicap,
// the scores from `level`, the handicap the player really plays to; in a Stableford event a
// hole without points is often left blank.
void PlayCard(Round& round, const Course& course, double hcp, double level, bool stableford,
              const CardHabits& habits, SeededRandom& random);

// The handicap after a round: cut by a share of the difference when the round's differential
// is below it, raised by 0.1 when it is more than a stroke above; one decimal, -2 to 54.
// Incomplete cards leave it.
double NextHandicap(double hcp, const Round& round, const Course& course);

}  // namespace cardwise::bench
