#pragma once
// The fields of the ";"-separated lines that events and tours store: an event's result lines
// (Event::Results) and a tour's standing lines (Tour::Standings). The records keep the lines
// as text, so that a line is saved byte for byte as it was read; this is where they are split
// and joined.
//
// Parse reads a field as ExtractField does: within the first 255 characters of the line, a
// missing field empty. Text writes the line back: Parse(line).Text() == line for every line of
// up to 255 characters, among them lines with empty fields, with fewer than five fields (no
// separators are added) and with more (the text after the fifth field is kept as it is).

#include <string>
#include <string_view>

namespace cardwise {

// "place;result;player ID;round ID;note" (see event.h).
struct ResultFields {
  std::string Place;
  std::string Result;  // the score, or the value of a manual result
  std::string PlayerID;
  std::string RoundID;
  std::string Note;   // the tie note, the first one when there are several
  std::string Extra;  // what follows the fifth field, from its ";" on
  int Present = 5;    // fields in the line read, at most 5

  static ResultFields Parse(std::string_view line);
  // Parse(line).Place, .Result and .PlayerID, read without taking the whole line apart.
  static std::string_view PlaceOf(std::string_view line);
  static std::string_view ResultOf(std::string_view line);
  static std::string_view PlayerIDOf(std::string_view line);
  // Present fields, or up to the last field that is not empty if that is further, then Extra.
  std::string Text() const;
};

// "place;total;events counted;player ID;note" (see tour.h).
struct StandingFields {
  std::string Place;
  std::string Total;
  std::string Events;  // the number of events counted
  std::string PlayerID;
  std::string Note;
  std::string Extra;
  int Present = 5;

  static StandingFields Parse(std::string_view line);
  std::string Text() const;
};

}  // namespace cardwise
