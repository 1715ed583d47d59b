#include "results/draw_sheet.h"

#include "records/golf_rules.h"
#include "records/text.h"
#include "results/round_stats.h"

namespace cardwise {

std::optional<int> EventStrokes(const Event& event, const Database& database, double hcp) {
  const Course* course = database.Courses.FindRecord(event.CourseID);
  if (course == nullptr) return std::nullopt;
  return CourseStrokes(*course, hcp);
}

std::vector<DrawRow> DrawRows(const Event& event, const Database& database) {
  std::vector<DrawRow> rows;
  for (std::size_t g = 0; g < event.Draw.size(); ++g) {
    const DrawGroup& group = event.Draw[g];
    for (const std::string& id : group.PlayerIDs) {
      DrawRow row;
      row.Group = static_cast<int>(g + 1);
      row.Time = ClockText(group.Time);
      row.Tee = std::to_string(group.Tee);
      row.PlayerID = id;
      row.Player = database.Players.FindRecord(id);
      if (row.Player != nullptr) {
        row.Hcp = Trim(FixedText(row.Player->Hcp, 1, 0));
        const std::optional<int> strokes = EventStrokes(event, database, row.Player->Hcp);
        if (strokes) row.Strokes = std::to_string(*strokes);
      }
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

}  // namespace cardwise
