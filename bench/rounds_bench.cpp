// Loading and saving a rounds file of 100,000 scorecards, beside the machine's plain read speed
// measured on the same file in the same run.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "generator.h"
#include "platform/files.h"
#include "platform/locale_formats.h"
#include "records/round.h"

namespace cardwise::bench {
namespace {

constexpr int kRounds = 100000;

// The generated file, written once per process into the temporary folder. It is written in ISO
// dates, so the formats are set to match whatever the machine's locale is.
struct RoundsFile {
  RoundsFile() {
    SetCurrentFormats(IsoFormats());
    path = (std::filesystem::temp_directory_path() / "cardwise-bench-ROUNDS.DAT").string();
    text = GenerateRoundsFile(kRounds, 20261207);
    WriteFileAtomically(path, text);
  }
  ~RoundsFile() {
    std::filesystem::remove(path);
    std::filesystem::remove(BackupPath(path));
  }
  std::string path;
  std::string text;
};

const RoundsFile& File() {
  static const RoundsFile file;
  return file;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(File().text.size()));
}

void BM_RoundsPlainGetline(benchmark::State& state) {
  File();  // made before the timing starts
  for (auto _ : state) {
    std::ifstream in(File().path, std::ios::binary);
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);)
      ++lines;
    benchmark::DoNotOptimize(lines);
  }
  SetBytes(state);
}
BENCHMARK(BM_RoundsPlainGetline)->Unit(benchmark::kMillisecond);

void BM_RoundsLoadFromFile(benchmark::State& state) {
  File();  // made before the timing starts
  for (auto _ : state) {
    auto list = std::make_unique<RoundList>();
    const LoadReport report = list->LoadFromFile(File().path);
    if (!report.Clean() || list->Count() != kRounds) state.SkipWithError("the load lost rounds");
    state.PauseTiming();  // freeing the list is not part of loading it
    list.reset();
    state.ResumeTiming();
  }
  SetBytes(state);
  state.counters["rounds"] = kRounds;
}
BENCHMARK(BM_RoundsLoadFromFile)->Unit(benchmark::kMillisecond);

void BM_RoundsSaveToFile(benchmark::State& state) {
  File();  // made before the timing starts
  const std::string path = File().path + ".save";
  RoundList list;
  list.LoadFromFile(File().path);
  for (auto _ : state)
    benchmark::DoNotOptimize(list.SaveToFile(path).ok());
  std::filesystem::remove(path);
  std::filesystem::remove(BackupPath(path));
  SetBytes(state);
}
BENCHMARK(BM_RoundsSaveToFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cardwise::bench
