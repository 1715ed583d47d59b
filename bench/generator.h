#pragma once
// Seeded generators of large synthetic data files for the benchmarks. The same seed always
// gives the same bytes.

#include <cstdint>
#include <string>

namespace cardwise::bench {

// A players file of `count` records in the data-file syntax, in random ID order (the order
// records saved one by one leave behind), with names, handicaps and contact fields.
std::string GeneratePlayersFile(int count, std::uint32_t seed);

// A rounds file of `count` scorecards, as saving the whole list writes it (sorted by ID). The
// players belong to clubs and mostly play their club's course, a day's rounds go out in groups
// of up to four from 08:00, and the days run forward from 2012. Every card has a score and the
// course's par, stroke index and lengths; most have putts, greens and fairways; some belong to
// an event, some only have a putts total, a few have notes per hole.
std::string GenerateRoundsFile(int count, std::uint32_t seed);

}  // namespace cardwise::bench
