#include "results/line_sort.h"

#include "records/text.h"

namespace cardwise {

PlaceParts SplitForPlace(const std::string& line) {
  PlaceParts parts;
  parts.Score = ExtractField(line, 2, ';');
  parts.Note = ExtractField(line, 5, ';');
  // The rebuilt text always has its four separators, so an empty note still ends in ";".
  parts.Rebuilt = ";" + parts.Score + ";" + ExtractField(line, 3, ';') + ";" +
                  ExtractField(line, 4, ';') + ";" + parts.Note;
  return parts;
}

}  // namespace cardwise
