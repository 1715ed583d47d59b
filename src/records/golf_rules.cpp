#include "records/golf_rules.h"

#include <algorithm>

#include "records/hole_row.h"
#include "records/numbers.h"

namespace cardwise {
namespace {

constexpr double kMaxStrokes = 999;

// The strokes points count on a hole. C++ division and remainder truncate toward zero: a
// negative `strokes` never reaches a stroke index of 1 to 18 with the remainder and gives
// strokes back through strokes / 18 alone.
int PointsStrokes(int strokes, int strokeIndex) {
  if (strokes >= 0) return StrokesReceived(strokes, strokeIndex);
  return strokes / kHoles + (strokeIndex <= strokes % kHoles ? 1 : 0);
}

}  // namespace

int CourseStrokes(const Course& course, double hcp) {
  int par = 0;
  for (int hole = 1; hole <= kHoles; ++hole)
    par += course.Par.Hole(hole);
  double strokes = RoundHalfEven(hcp);
  if (course.Slope != 0 && course.CR != 0)
    strokes = static_cast<double>(course.CR) - par + hcp * course.Slope / kStandardSlope;
  // A handicap no golfer has must not overflow the whole number it is rounded to.
  return RoundHalfEven(std::clamp(strokes, -kMaxStrokes, kMaxStrokes));
}

int StrokesReceived(int strokes, int strokeIndex) {
  if (strokes >= 0) return strokes / kHoles + (strokeIndex <= strokes % kHoles ? 1 : 0);
  const int back = -strokes;
  return -(back / kHoles + (strokeIndex > kHoles - back % kHoles ? 1 : 0));
}

int StablefordPoints(int par, int strokeIndex, int strokes, int score) {
  if (score == 0) return 0;
  const int points = par + 2 + PointsStrokes(strokes, strokeIndex) - score;
  return std::max(points, 0);
}

std::optional<bool> GreenInRegulation(int score, int par, std::optional<int> putts) {
  if (score <= 0 || !putts) return std::nullopt;
  return score - par - *putts < -1;
}

}  // namespace cardwise
