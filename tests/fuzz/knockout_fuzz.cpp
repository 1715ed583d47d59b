// Fuzz target: the knockouts' file. What the reader makes of the text is written back as a
// save writes it and must read back without a line the reader cannot take; then the winner of
// every match is recorded (player A, with and without --force), which must never break the
// bracket: what it leaves saves and reads back as cleanly, and a refused result changes
// nothing.

#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "results/knockout_bracket.h"

namespace cardwise::fuzz {
namespace {

std::string SavedText(KnockoutList& list) {
  std::string text;
  for (int i = 0; i < list.Count(); ++i) {
    Knockout& knockout = list.RecordAt(i);
    if (knockout.ID.empty()) knockout.MakeID();
    text += SectionText(knockout.ID, knockout.FileKeys());
  }
  return text;
}

void RequireReadsBack(KnockoutList& list) {
  KnockoutList again;
  const LoadReport report = again.LoadFromText("saved.dat", SavedText(list));
  for (const std::string& message : report.Messages())
    std::fprintf(stderr, "%s\n", message.c_str());
  Require(report.Problems.empty(), "a saved file reads back with problems");
}

void RecordEveryWinner(Knockout& knockout, bool force) {
  const auto matches = knockout.Matches;
  for (const auto& [ref, match] : matches) {
    const Knockout before = knockout;
    const ResultChange change = RecordResult(knockout, ref, match.PlayerA, "2&1", force);
    Require(change.Outcome.ok() || knockout.Matches == before.Matches,
            "a refused result changed the bracket");
  }
}

}  // namespace
}  // namespace cardwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace cardwise;
  fuzz::SetUpOnce();
  KnockoutList list;
  list.LoadFromText("fuzz.dat", fuzz::AsText(data, size));
  fuzz::RequireReadsBack(list);
  for (int i = 0; i < list.Count(); ++i) {
    fuzz::RecordEveryWinner(list.RecordAt(i), false);
    fuzz::RecordEveryWinner(list.RecordAt(i), true);
  }
  fuzz::RequireReadsBack(list);
  return 0;
}
