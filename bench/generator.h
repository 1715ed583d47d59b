#pragma once
// Seeded generators of large synthetic data files for the benchmarks. The same seed always
// gives the same bytes.

#include <cstdint>
#include <string>

namespace cardwise::bench {

// A players file of `count` records in the data-file syntax, in random ID order (the order
// records saved one by one leave behind), with names, handicaps and contact fields.
std::string GeneratePlayersFile(int count, std::uint32_t seed);

}  // namespace cardwise::bench
