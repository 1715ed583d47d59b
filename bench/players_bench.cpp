// Loading and saving a players file of 100,000 records, beside the machine's plain read and
// write speeds measured on the same file in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "generator.h"
#include "platform/files.h"
#include "records/player.h"

namespace cardwise::bench {
namespace {

constexpr int kPlayers = 100000;

// The generated file, written once per process into the temporary folder.
struct PlayersFile {
  PlayersFile() {
    path = (std::filesystem::temp_directory_path() / "cardwise-bench-PLAYERS.DAT").string();
    text = GeneratePlayersFile(kPlayers, 20261206);
    WriteFileAtomically(path, text);
    // The same records as saving the whole list writes them: sorted by ID.
    PlayerList list;
    list.LoadFromFile(path);
    sortedPath = path + ".sorted";
    list.SaveAll(sortedPath);
  }
  ~PlayersFile() {
    std::filesystem::remove(path);
    std::filesystem::remove(sortedPath);
  }
  std::string path;
  std::string sortedPath;
  std::string text;
};

const PlayersFile& File() {
  static const PlayersFile file;
  return file;
}

void BM_PlainGetline(benchmark::State& state) {
  File();  // made before the timing starts
  for (auto _ : state) {
    std::ifstream in(File().path, std::ios::binary);
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);)
      ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(File().text.size()));
}
BENCHMARK(BM_PlainGetline)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state) {
  File();  // made before the timing starts
  const std::string copy = File().path + ".copy";
  for (auto _ : state) {
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out.write(File().text.data(), static_cast<std::streamsize>(File().text.size()));
  }
  std::filesystem::remove(copy);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(File().text.size()));
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

// Loads the file in random ID order (arg 0), as records saved one by one leave it, or sorted
// (arg 1), as saving the whole list writes it.
void BM_LoadFromFile(benchmark::State& state) {
  File();  // made before the timing starts
  const std::string& path = state.range(0) == 0 ? File().path : File().sortedPath;
  for (auto _ : state) {
    auto list = std::make_unique<PlayerList>();
    list->LoadFromFile(path);
    benchmark::DoNotOptimize(list->Count());
    state.PauseTiming();  // freeing the list is not part of loading it
    list.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(File().text.size()));
}
BENCHMARK(BM_LoadFromFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SaveRecord(benchmark::State& state) {
  File();  // made before the timing starts
  const std::string path = File().path + ".save";
  WriteFileAtomically(path, File().text);
  PlayerList list;
  list.LoadFromFile(path);
  Player& player = list.RecordAt(kPlayers / 2);
  for (auto _ : state) {
    player.Hcp += 0.1f;
    benchmark::DoNotOptimize(SaveRecord(player, path).ok());
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(File().text.size()));
}
BENCHMARK(BM_SaveRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cardwise::bench
