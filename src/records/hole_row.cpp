#include "records/hole_row.h"

#include <algorithm>

#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {

namespace {
bool IsHole(int i) {
  return i >= 1 && i <= kHoles;
}
// The 16-bit wrap of the stored values: sums are kept the way the files always kept them.
std::int16_t To16(int value) {
  return static_cast<std::int16_t>(value);
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Reads the field at the start of `rest` (up to the separator, trimmed) as a whole number, 0 when
// it is none, and moves `rest` past the separator. `empty` tells whether the field was empty.
// Loading a rounds file reads over ten million fields, nearly all of them a few digits and a
// comma: those are read in one pass here, anything else through WholeNumberOr.
int NextField(std::string_view& rest, char separator, bool& empty) {
  const std::size_t size = rest.size();
  std::size_t i = 0;
  // Spaces are trimmed unless they separate the fields (the legacy files' form).
  while (separator != ' ' && i < size && rest[i] == ' ')
    ++i;
  const std::size_t start = i;
  const bool digitSeparator = separator >= '0' && separator <= '9';
  int value = 0;
  while (!digitSeparator && i < size && i - start < 9 &&
         static_cast<unsigned char>(rest[i] - '0') <= 9)
    value = value * 10 + (rest[i++] - '0');
  if (i > start && (i == size || rest[i] == separator)) {
    empty = false;
    rest.remove_prefix(i == size ? size : i + 1);
    return value;
  }
  while (i < size && rest[i] != separator)
    ++i;
  const std::string_view field = TrimSpaces(rest.substr(0, i));
  empty = field.empty();
  rest.remove_prefix(i == size ? size : i + 1);
  return WholeNumberOr(field, 0);
}
}  // namespace

int Result::Hole(int i) const {
  return IsHole(i) ? values_[i] : 0;
}

std::string Result::HoleText(int i) const {
  const int value = Hole(i);
  return value == 0 ? std::string() : std::to_string(value);
}

void Result::SetHole(int i, std::string_view text) {
  SetHoleValue(i, WholeNumberOr(text, 0));
}

void Result::SetHoleValue(int i, int value) {
  if (!IsHole(i)) return;
  values_[i] = To16(value);
  Recompute();
}

void Result::FromText(std::string_view text, int first, char separator) {
  // Only the first 255 characters count, as with every field reader of the files.
  text = text.substr(0, 255);
  for (int hole = first; IsHole(hole); ++hole) {
    bool empty = false;
    values_[hole] = To16(NextField(text, separator, empty));
    if (empty) break;
  }
  Recompute();
}

std::string Result::AsText() const {
  int last = kHoles;
  while (last > 0 && values_[last] == 0)
    --last;
  std::string text;
  for (int i = 1; i <= last; ++i) {
    if (i > 1) text += ',';
    text += std::to_string(values_[i]);
  }
  return text;
}

bool Result::IsEmpty() const {
  for (int i = 1; i <= kHoles; ++i)
    if (values_[i] > 0) return false;
  return true;
}

int Result::Sum(int from, int to) const {
  std::int16_t sum = 0;
  for (int i = from; i <= to; ++i)
    sum = To16(sum + values_[i]);
  return sum;
}

bool Result::AllFilled(int from, int to) const {
  for (int i = from; i <= to; ++i)
    if (values_[i] == 0) return false;
  return true;
}

int Result::RangeSum(int from, int to, bool strict) const {
  return strict && !AllFilled(from, to) ? 0 : Sum(from, to);
}

int Result::ComputeTotal() const {
  if (StrictTotal && !AllFilled(1, kHoles)) return 0;
  const int sum = Sum(1, kHoles);
  return sum != 0 ? sum : StoredTotal;
}

int Result::Total() {
  StoredTotal = To16(ComputeTotal());
  return StoredTotal;
}

std::string Result::TotalText() {
  const int total = Total();
  return total > 0 ? std::to_string(total) : std::string();
}

float Result::PerHoleAverage() {
  return static_cast<float>(Total()) / kHoles;
}

int Result::Out() const {
  return RangeSum(1, 9, StrictTotal);
}
int Result::In() const {
  return RangeSum(10, 18, StrictTotal);
}
int Result::TotalIfComplete() const {
  return RangeSum(1, kHoles, true);
}
int Result::OutIfComplete() const {
  return RangeSum(1, 9, true);
}
int Result::InIfComplete() const {
  return RangeSum(10, 18, true);
}

void Result::KeepBest(int i, int n) {
  if (n <= 0 || !IsHole(i)) return;
  if (values_[i] != 0 && values_[i] <= n) return;
  SetHoleValue(i, n);
}

int Result::Count(int value) const {
  int count = 0;
  for (int i = 1; i <= kHoles; ++i)
    if (values_[i] == value) ++count;
  return count;
}

double Result::AverageWhere(const Result& other) const {
  int sum = 0;
  int holes = 0;
  for (int i = 1; i <= kHoles; ++i) {
    if (other.values_[i] == 0) continue;
    sum += values_[i];
    ++holes;
  }
  return holes == 0 ? 0.0 : static_cast<double>(sum) / holes;
}

void Result::Assign(const Result& other) {
  values_ = other.values_;
}

void Result::Clear() {
  values_.fill(0);
  StoredTotal = 0;
}

void Result::Recompute() {
  const int total = ComputeTotal();
  values_[0] = To16(total != 0 ? total : StoredTotal);
  values_[19] = To16(Out());
  values_[20] = To16(In());
}

const std::string& StatTexts::Get(int i) const {
  static const std::string empty;
  return IsHole(i) && !texts_.empty() ? texts_[i - 1] : empty;
}

void StatTexts::Set(int i, std::string text) {
  if (!IsHole(i) || (texts_.empty() && text.empty())) return;
  texts_.resize(kHoles);
  texts_[i - 1] = std::move(text);
}

bool StatTexts::IsEmpty() const {
  for (const std::string& text : texts_)
    if (!text.empty()) return false;
  return true;
}

std::string StatTexts::AsText() const {
  std::string text = Get(1);
  for (int i = 2; i <= kHoles; ++i)
    text += ';' + Get(i);
  return text;
}

void StatTexts::FromText(std::string_view text) {
  Clear();
  for (int i = 1; i <= kHoles && !text.empty(); ++i) {
    const std::size_t end = std::min(text.find(';'), text.size());
    Set(i, Trim(text.substr(0, end)));
    text = end < text.size() ? text.substr(end + 1) : std::string_view();
  }
}

void StatTexts::Clear() {
  texts_.clear();
}

}  // namespace cardwise
