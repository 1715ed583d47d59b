#pragma once
// Ranking of ";"-separated result lines, shared by event results, tour standings and the
// statistics lists.
//
// A list is a std::vector of items: plain std::string lines, or lines with an attached object
// (AttachedLine). Exchanging two positions moves a line and its object together.

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace cardwise {

// A result line with an optional object attached to it (a player's values in a tour).
template <class Object>
struct AttachedLine {
  std::string Text;
  std::shared_ptr<Object> Attached;
};

inline std::string& LineText(std::string& line) {
  return line;
}
inline const std::string& LineText(const std::string& line) {
  return line;
}
template <class Object>
std::string& LineText(AttachedLine<Object>& line) {
  return line.Text;
}
template <class Object>
const std::string& LineText(const AttachedLine<Object>& line) {
  return line.Text;
}

// The exchange quicksort over positions low..high with the test before(a, b). The test may
// append tie notes to the lines it compares, so the pairs it is asked about are part of the
// result: this is exactly the classic exchange sort with the pivot position followed as
// entries move. before(x, x) must be false.
template <class Item, class Before>
void ListQuickSort(std::vector<Item>& list, int low, int high, Before&& before) {
  int i = low;
  int j = high;
  int p = (low + high) / 2;
  do {
    // With a before test that is a strict order the pivot stops both scans; the bounds only
    // keep a test that is not one from walking off the range.
    while (i < high && before(list[i], list[p]))
      ++i;
    while (j > low && before(list[p], list[j]))
      --j;
    if (i <= j) {
      std::swap(list[i], list[j]);
      if (p == i)
        p = j;
      else if (p == j)
        p = i;
      ++i;
      --j;
    }
  } while (i <= j);
  if (j > low) ListQuickSort(list, low, j, before);
  if (i < high) ListQuickSort(list, i, high, before);
}

// Sorts the whole list; an empty list is left alone.
template <class Item, class Before>
void ListQuickSort(std::vector<Item>& list, Before&& before) {
  if (!list.empty()) ListQuickSort(list, 0, static_cast<int>(list.size()) - 1, before);
}

// The parts of a result line that numbering its place needs.
struct PlaceParts {
  std::string Score;    // field 2
  std::string Note;     // field 5, the first tie note
  std::string Rebuilt;  // ";" + fields 2 to 5, each after a ";" (later notes dropped)
};
PlaceParts SplitForPlace(const std::string& line);

// Numbers the places of a sorted list of lines "place;score;player;round;note...": each line
// becomes its place followed by PlaceParts::Rebuilt. The place is the line's position (from 1),
// or the place of the line before when its first note is "=" and its score text equals that
// line's, so ties no count-back separated share a place and the next place is skipped.
template <class Item>
void AssignPlaces(std::vector<Item>& list) {
  int place = 0;
  std::string previousScore;
  for (std::size_t k = 0; k < list.size(); ++k) {
    PlaceParts parts = SplitForPlace(LineText(list[k]));
    const bool tied = k > 0 && parts.Note == "=" && parts.Score == previousScore;
    if (!tied) place = static_cast<int>(k) + 1;
    LineText(list[k]) = std::to_string(place) + parts.Rebuilt;
    previousScore = std::move(parts.Score);
  }
}

}  // namespace cardwise
