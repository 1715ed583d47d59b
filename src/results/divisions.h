#pragma once
// Divisions of an event's field by handicap: the event's "Divisions=10,20" holds ascending upper
// limits; division A is a handicap up to the first limit, B above it up to the second, and the
// last division everything above the last limit.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/database.h"
#include "results/result_line.h"

namespace cardwise {

// The limits of a "Divisions" value: numbers from -999 to 999 ("." as decimal point, an
// optional sign) separated by ",", each above the one before, 25 at most (divisions A to Z). An
// empty text is no divisions (an empty list); nullopt for anything else.
std::optional<std::vector<double>> ParseDivisions(std::string_view text);
// The limits as the file writes them: "10,20.5".
std::string DivisionsText(const std::vector<double>& limits);

// The division (0 for A) of a handicap. Handicaps and limits are compared in tenths, as the
// files write handicaps, so 20.1 is in the division that ends at 20.1.
int DivisionOf(const std::vector<double>& limits, double hcp);
// "A", "B", ... for 0, 1, ...
std::string DivisionLetter(int division);

// The handicap that places a result line in a division: its round's Hcp (as played), else the
// player's Hcp (manual results have no round); nullopt when there is neither.
std::optional<double> ResultHandicap(const ResultFields& line, const Database& database);

// The division letter of a result line of the event; empty when the event has no divisions or
// the line no handicap.
std::string ResultDivision(const Event& event, const std::string& line, const Database& database);

}  // namespace cardwise
