#pragma once
// The rules of the game the cards, the results and the pages share: the strokes a player
// receives on a course and on each hole, Stableford points, and the green in regulation.

#include <optional>

#include "records/course.h"

namespace cardwise {

// The slope of a course of standard difficulty; a course's slope rating is relative to it.
inline constexpr int kStandardSlope = 113;

// The Stableford points of a round played to handicap: 2 on every hole.
inline constexpr int kStablefordPar = 36;

// The strokes a player of handicap `hcp` receives on the course: course rating - par +
// hcp x slope / 113 on a course with both a rating and a slope, else the handicap; rounded
// half to even and kept within -999..999.
int CourseStrokes(const Course& course, double hcp);

// Strokes received on the hole of stroke index 1..18 by a player receiving `strokes` on the
// course: one on each hole whose index <= strokes, two where index <= strokes - 18, and so on.
// A negative `strokes` (a plus handicap) gives strokes back from stroke index 18 down.
int StrokesReceived(int strokes, int strokeIndex);

// Stableford points of a hole: par + 2 + the strokes received there - score, never below 0;
// 0 without a score. A plus handicap gives back one stroke on every hole for each whole 18
// only, not hole by hole as StrokesReceived does.
int StablefordPoints(int par, int strokeIndex, int strokes, int score);

// A green in regulation, decided by the putts: on the green in par - 2 strokes or fewer
// (score - par - putts < -1). nullopt when the hole says nothing about its green: no score
// (score <= 0) or no putts.
std::optional<bool> GreenInRegulation(int score, int par, std::optional<int> putts);

}  // namespace cardwise
