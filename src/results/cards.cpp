#include "results/cards.h"

#include "platform/codepage.h"
#include "records/dates.h"
#include "records/golf_rules.h"
#include "results/draw_sheet.h"

namespace cardwise {

namespace {

constexpr std::size_t kOutColumn = 9, kInColumn = 19, kTotalColumn = 20;

std::string Utf8(std::string_view text) {
  return Windows1252ToUtf8(text);
}

// The table column of hole 1..18.
std::size_t ColumnOf(int hole) {
  return static_cast<std::size_t>(hole <= 9 ? hole - 1 : hole);
}

std::string NumberOrEmpty(int value) {
  return value != 0 ? std::to_string(value) : std::string();
}

// A row of the course card with its sums in Out, In and Total.
CardRow SumRow(const char* caption, const Result& holes) {
  CardRow row{caption, {}, false};
  for (int hole = 1; hole <= kHoles; ++hole)
    row.Cells[ColumnOf(hole)] = NumberOrEmpty(holes.Hole(hole));
  row.Cells[kOutColumn] = NumberOrEmpty(holes.Out());
  row.Cells[kInColumn] = NumberOrEmpty(holes.In());
  row.Cells[kTotalColumn] = NumberOrEmpty(holes.Out() + holes.In());
  return row;
}

CardRow HoleRow() {
  CardRow row{"Hole", {}, false};
  for (int hole = 1; hole <= kHoles; ++hole)
    row.Cells[ColumnOf(hole)] = std::to_string(hole);
  row.Cells[kOutColumn] = "Out";
  row.Cells[kInColumn] = "In";
  row.Cells[kTotalColumn] = "Total";
  return row;
}

CardRow IndexRow(const Course& course) {
  CardRow row{"Index", {}, false};
  for (int hole = 1; hole <= kHoles; ++hole)
    row.Cells[ColumnOf(hole)] = NumberOrEmpty(course.Hcp.Hole(hole));
  return row;
}

CardRow StrokesRow(const Course& course, int strokes) {
  CardRow row{"Strokes", {}, false};
  for (int hole = 1; hole <= kHoles; ++hole) {
    const int index = course.Hcp.Hole(hole);
    if (index > 0) row.Cells[ColumnOf(hole)] = StrokeMarks(StrokesReceived(strokes, index));
  }
  return row;
}

// The row the player adds up after the round, by the event's type.
const char* LastRowCaption(int type) {
  if (type == kStrokesNet) return "Nett";
  if (type == kStableford) return "Points";
  return nullptr;
}

std::string MarkerOf(const DrawGroup& group, std::size_t index, const Database& database) {
  if (group.PlayerIDs.size() < 2) return {};
  const std::string& id = group.PlayerIDs[(index + 1) % group.PlayerIDs.size()];
  const Player* player = database.Players.FindRecord(id);
  return Utf8(player ? player->Name : id);
}

}  // namespace

std::string StrokeMarks(int strokes) {
  std::string marks;
  for (int i = 0; i < strokes; ++i)
    marks += kStrokeBullet;
  for (int i = 0; i > strokes; --i)
    marks += '-';
  return marks;
}

Card PlayerCard(const Event& event, const Course& course, const std::string& marker,
                const DrawRow& row) {
  Card card{Utf8(event.Name),
            Utf8(course.Name),
            event.Date ? ShortDateText(event.Date) : "",
            Utf8(row.Player ? row.Player->Name : row.PlayerID),
            row.Time,
            row.Tee,
            row.Hcp,
            row.Strokes,
            marker,
            {}};
  const int strokes = row.Player ? CourseStrokes(course, row.Player->Hcp) : 0;
  card.Rows = {HoleRow(),        SumRow("Length", course.Len), SumRow("Par", course.Par),
               IndexRow(course), StrokesRow(course, strokes),  CardRow{"Score", {}, true}};
  if (const char* last = LastRowCaption(event.Type)) card.Rows.push_back({last, {}, true});
  return card;
}

std::optional<std::vector<Card>> EventCards(const Event& event, const Database& database,
                                            std::string& missing) {
  const Course* course = database.Courses.FindRecord(event.CourseID);
  missing.clear();
  if (event.Draw.empty())
    missing = "event " + Utf8(event.ID) + " has no draw";
  else if (course == nullptr)
    missing = "event " + Utf8(event.ID) + " has no course";
  if (!missing.empty()) return std::nullopt;
  const std::vector<DrawRow> rows = DrawRows(event, database);
  std::vector<Card> cards;
  std::size_t next = 0;
  for (const DrawGroup& group : event.Draw)
    for (std::size_t i = 0; i < group.PlayerIDs.size(); ++i)
      cards.push_back(PlayerCard(event, *course, MarkerOf(group, i, database), rows[next++]));
  return cards;
}

}  // namespace cardwise
