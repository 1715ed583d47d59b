// Fuzz target: reading dates and times. The first byte chooses the user's formats (ISO, or
// day.month.year with a 12-hour clock), the rest is the text. Whatever is read as a date is
// written in the short date format and must read back as the same day; a time likewise.

#include <cmath>
#include <string>

#include "fuzz_support.h"
#include "records/dates.h"

namespace cardwise::fuzz {
namespace {

LocaleFormats Formats(unsigned char choice) {
  if (choice % 2 == 0) return IsoFormats();
  return FormatsFromPatterns("%d.%m.%Y", "%I:%M:%S %p", ',');
}

void RequireDateRoundTrip(std::string_view text) {
  const std::optional<DateTime> date = ParseDate(text);
  if (!date) return;
  const std::string written = ShortDateText(*date);
  const std::optional<DateTime> again = ParseDate(written);
  Require(again && std::floor(*again) == std::floor(*date), "a date does not read back");
}

void RequireTimeRoundTrip(std::string_view text) {
  const std::optional<DateTime> time = ParseTime(text);
  if (!time) return;
  const std::optional<DateTime> again = ParseTime(LongTimeText(*time));
  // Whole seconds survive; what lies below a second is not written.
  Require(again && std::fabs(*again - *time) * 86400 < 1.0 + 1e-6, "a time does not read back");
}

}  // namespace
}  // namespace cardwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace cardwise;
  using namespace cardwise::fuzz;
  if (size == 0) return 0;
  SetCurrentFormats(Formats(data[0]));
  const std::string_view text = AsText(data + 1, size - 1);
  RequireDateRoundTrip(text);
  RequireDateRoundTrip(NormalizeDXDate(text, 2026));
  RequireTimeRoundTrip(text);
  if (const auto date = StrToDate(text)) (void)FormatDateTime("yymmdd-hhnn", *date);
  return 0;
}
