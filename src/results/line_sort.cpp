#include "results/line_sort.h"
#include "results/result_line.h"

namespace cardwise {

PlaceParts SplitForPlace(const std::string& line) {
  // Standing lines have their total and note where result lines have theirs.
  ResultFields fields = ResultFields::Parse(line);
  PlaceParts parts{fields.Result, fields.Note, {}};
  // The rebuilt text always has its four separators, so an empty note still ends in ";".
  fields.Place.clear(), fields.Extra.clear(), fields.Present = 5;
  parts.Rebuilt = fields.Text();
  return parts;
}

}  // namespace cardwise
