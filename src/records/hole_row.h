#pragma once
// The two per-hole containers of the data files.
//
// Result: one row of eighteen whole numbers (a round's Score, Greens, Putts, Fairways and its
// copy of the course card; a course's Par, Hcp and Len) with the derived sums. 0 means "hole not
// filled". Values and sums are 16-bit, as the files have always held them.
//
// StatTexts: eighteen free texts, one per hole (the "Stats" row of a scorecard).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cardwise {

inline constexpr int kHoles = 18;

class Result {
 public:
  // Set only for a round's Score: a sum over a range of holes is 0 unless every hole in that
  // range is filled.
  bool StrictTotal = false;
  // The total of a row known only by its total (a round's putts without per-hole putts).
  std::int16_t StoredTotal = 0;

  int Hole(int i) const;                       // hole 1..18; 0 outside that range
  std::string HoleText(int i) const;           // decimal text, empty when 0
  void SetHole(int i, std::string_view text);  // the whole number read from text, else 0
  void SetHoleValue(int i, int value);
  void SetTotal(int n) { StoredTotal = static_cast<std::int16_t>(n); }

  // Reads the fields of `text` (split at `separator`, trimmed, each a whole number or 0) into
  // holes first, first+1, ... It stops after the first empty field, which stores 0 in its own
  // hole; later holes keep their values. The file form is FromText(text, 1, ',').
  void FromText(std::string_view text, int first, char separator);
  // Holes 1..n joined by ",", n the last non-zero hole; empty when no hole is non-zero.
  std::string AsText() const;

  bool IsEmpty() const;  // no hole holds a value greater than 0

  // The 18-hole sum if non-zero, else StoredTotal; 0 when StrictTotal is set and a hole is 0.
  // The result is kept as the new StoredTotal.
  int Total();
  std::string TotalText();  // Total as text, empty unless greater than 0
  float PerHoleAverage();   // Total / 18
  int Out() const;          // holes 1-9, 0 under StrictTotal when one is 0
  int In() const;           // holes 10-18, likewise
  // As Total, Out and In, but 0 whenever a hole of the range is 0.
  int TotalIfComplete() const;
  int OutIfComplete() const;
  int InIfComplete() const;

  // For n > 0: stores n in hole i unless the hole already holds a non-zero value <= n.
  void KeepBest(int i, int n);
  int Count(int value) const;  // holes whose value equals `value`
  // The mean of this row over the holes where `other` is non-zero; 0 when there is none.
  double AverageWhere(const Result& other) const;
  // Copies the values (not StrictTotal, not StoredTotal).
  void Assign(const Result& other);
  void Clear();  // values and StoredTotal to 0

  // The raw values: 0 total, 1..18 holes, 19 Out, 20 In.
  int Value(int index) const { return values_.at(static_cast<std::size_t>(index)); }
  const std::array<std::int16_t, 21>& Values() const { return values_; }  // as stored

 private:
  int Sum(int from, int to) const;  // 16-bit sum of holes from..to
  bool AllFilled(int from, int to) const;
  int RangeSum(int from, int to, bool strict) const;
  int ComputeTotal() const;
  void Recompute();

  std::array<std::int16_t, 21> values_{};
};

// Most rounds have no hole texts: the eighteen are held only once one is set.
class StatTexts {
 public:
  const std::string& Get(int i) const;  // hole 1..18; empty outside that range
  void Set(int i, std::string text);
  bool IsEmpty() const;
  // The eighteen texts joined by ";" (always seventeen separators).
  std::string AsText() const;
  // Empties all eighteen, then reads ";"-separated fields 1..18, each trimmed.
  void FromText(std::string_view text);
  void Clear();

 private:
  std::vector<std::string> texts_;  // empty, or one text per hole
};

}  // namespace cardwise
