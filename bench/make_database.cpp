// cardwise-make-database FOLDER [ROUNDS [CLUBS [SEED]]]: writes a generated database's five
// data files into the folder (made when missing), for benchmarks of whole runs of the program.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "database_generator.h"
#include "platform/locale_formats.h"
#include "records/numbers.h"

namespace {

std::optional<int> Argument(int argc, char** argv, int index, int fallback) {
  if (index >= argc) return fallback;
  const std::optional<int> value = cardwise::ParseWholeNumber(argv[index]);
  if (!value || *value < 1) return std::nullopt;
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace cardwise::bench;
  DatabaseParams params;
  const std::optional<int> rounds = Argument(argc, argv, 2, params.Rounds);
  const std::optional<int> clubs = Argument(argc, argv, 3, params.Clubs);
  const std::optional<int> seed =
      Argument(argc, argv, 4, static_cast<int>(params.Seed % 1000000000));
  if (argc < 2 || argc > 5 || !rounds || !clubs || !seed) {
    std::fprintf(stderr, "usage: %s FOLDER [ROUNDS [CLUBS [SEED]]]\n", argv[0]);
    return 2;
  }
  params.Rounds = *rounds;
  params.Clubs = *clubs;
  params.Seed = static_cast<std::uint32_t>(*seed);
  // Dates are written year first, which every locale's reader takes.
  cardwise::SetCurrentFormats(cardwise::IsoFormats());
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  const auto database = GenerateDatabase(params);
  if (const cardwise::Status status = database->SaveAll(argv[1]); !status) {
    std::fprintf(stderr, "%s\n", status.message().c_str());
    return 1;
  }
  std::printf("%s\n", ShapeText(ShapeOf(*database)).c_str());
  return 0;
}
