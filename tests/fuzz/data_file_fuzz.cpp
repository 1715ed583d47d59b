// Fuzz target: the data-file line reader of the five record kinds. The first byte chooses the
// kind (players, courses, rounds, events, tours: its value modulo 5), the rest is the file's
// text. What the reader makes of it is written back as a save writes it, and that text must
// read back without a single line the reader cannot take.

#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "records/course.h"
#include "records/player.h"
#include "records/round.h"
#include "results/event.h"
#include "results/tour.h"

namespace cardwise::fuzz {
namespace {

// The sections a save of every record writes, in list order.
template <class T>
std::string SavedText(RecordList<T>& list) {
  std::string text;
  for (int i = 0; i < list.Count(); ++i) {
    T& record = list.RecordAt(i);
    if (!record.ShouldSave()) continue;
    if (record.ID.empty()) record.MakeID();
    record.PrepareSave();
    text += SectionText(record.ID, record.FileKeys());
    (void)list.CopyToClipboard(i);
  }
  return text;
}

template <class T>
void ReadWriteRead(std::string_view text) {
  RecordList<T> list;
  list.LoadFromText("fuzz.dat", text);
  const std::string saved = SavedText(list);
  RecordList<T> again;
  const LoadReport report = again.LoadFromText("saved.dat", saved);
  for (const std::string& message : report.Messages())
    std::fprintf(stderr, "%s\n", message.c_str());
  Require(report.Problems.empty(), "a saved file reads back with problems");
}

}  // namespace
}  // namespace cardwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace cardwise;
  fuzz::SetUpOnce();
  if (size == 0) return 0;
  const std::string_view text = fuzz::AsText(data + 1, size - 1);
  switch (data[0] % 5) {
    case 0:
      fuzz::ReadWriteRead<Player>(text);
      break;
    case 1:
      fuzz::ReadWriteRead<Course>(text);
      break;
    case 2:
      fuzz::ReadWriteRead<Round>(text);
      break;
    case 3:
      fuzz::ReadWriteRead<Event>(text);
      break;
    default:
      fuzz::ReadWriteRead<Tour>(text);
  }
  return 0;
}
