// The result lines of events and tours, and the sort that keeps objects with their lines.

#include "results/result_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/line_sort.h"

namespace cardwise {
namespace {

// Lines as events and tours store them, the odd ones among them, with the fields read.
struct LineCase {
  std::string Line;
  std::string First, Second, Third, Fourth, Note, Extra;
};

const LineCase kCases[] = {
    {"1;72;JS;250601-0900-JS;", "1", "72", "JS", "250601-0900-JS", "", ""},
    {"2;72;AB;250601-0910-AB;Last 9", "2", "72", "AB", "250601-0910-AB", "Last 9", ""},
    {"3;72;CD;250601-0920-CD", "3", "72", "CD", "250601-0920-CD", "", ""},  // no note
    {";;;;", "", "", "", "", "", ""},
    {"", "", "", "", "", "", ""},
    {"4", "4", "", "", "", "", ""},
    {"5;;EF", "5", "", "EF", "", "", ""},
    {"6;70;GH;;=;=", "6", "70", "GH", "", "=", ";="},
    {"7;70;IJ;R;=;x;;y;", "7", "70", "IJ", "R", "=", ";x;;y;"},
    {"8;1;2;3;4;", "8", "1", "2", "3", "4", ";"},
    {" 9 ; 68 ;K L;;", " 9 ", " 68 ", "K L", "", "", ""},
};

TEST(ResultLineTest, EveryLineIsReadIntoItsFieldsAndWrittenBackAsItWas) {
  for (const LineCase& c : kCases) {
    const ResultFields result = ResultFields::Parse(c.Line);
    EXPECT_EQ(
        result.Place + "|" + result.Result + "|" + result.PlayerID + "|" + result.RoundID + "|" +
            result.Note + "|" + result.Extra,
        c.First + "|" + c.Second + "|" + c.Third + "|" + c.Fourth + "|" + c.Note + "|" + c.Extra)
        << c.Line;
    EXPECT_EQ(result.Text(), c.Line);
    const StandingFields standing = StandingFields::Parse(c.Line);
    EXPECT_EQ(standing.Place + "|" + standing.Total + "|" + standing.Events + "|" +
                  standing.PlayerID + "|" + standing.Note,
              c.First + "|" + c.Second + "|" + c.Third + "|" + c.Fourth + "|" + c.Note)
        << c.Line;
    EXPECT_EQ(standing.Text(), c.Line);
  }
}

// A line made from fields, or changed, gets the separators up to its last field set; one of
// five fields read keeps all five.
TEST(ResultLineTest, ChangedFieldsAreWrittenWithTheSeparatorsTheyNeed) {
  const struct {
    std::string Read;
    void (*Change)(ResultFields&);
    std::string Written;
  } cases[] = {
      {"", [](ResultFields& f) { f.Result = "72", f.PlayerID = "JS", f.RoundID = "R"; },
       ";72;JS;R"},
      {"", [](ResultFields& f) { f.Note = "="; }, ";;;;="},
      {";72;JS;R", [](ResultFields& f) { f.Place = "1"; }, "1;72;JS;R"},
      {"1;72;JS;R;=;=", [](ResultFields& f) { f.Place = "2", f.Note.clear(); }, "2;72;JS;R;;="},
      {"1;72;JS;R;", [](ResultFields& f) { f.RoundID.clear(); }, "1;72;JS;;"},
  };
  for (const auto& c : cases) {
    ResultFields fields = ResultFields::Parse(c.Read);
    c.Change(fields);
    EXPECT_EQ(fields.Text(), c.Written) << c.Read;
  }
  EXPECT_EQ((StandingFields{"", "12.5", "3", "JS", "", "", 4}).Text(), ";12.5;3;JS");
}

// Only the first 255 characters hold fields; the rest of a longer line is not split.
TEST(ResultLineTest, FieldsLieWithinTheFirst255Characters) {
  const std::string longID(260, 'P');
  const ResultFields fields = ResultFields::Parse("1;72;" + longID + ";R;=");
  EXPECT_EQ(fields.PlayerID, longID.substr(0, 250));
  EXPECT_EQ(fields.RoundID, "");
  const std::string longTail = "1;72;JS;R;=;" + std::string(300, 'x');
  EXPECT_EQ(ResultFields::Parse(longTail).Text(), longTail);
}

// The notes a sort leaves depend on the exact pairs it compares; those cases are checked
// through the event results. Here: objects travel with their lines, and a test that is no
// strict order cannot walk off the list.
TEST(LineSortTest, QuickSortMovesObjectsWithTheirLinesAndStaysInTheList) {
  std::vector<AttachedLine<int>> lines;
  for (int value : {5, 1, 4, 1, 5, 9, 2, 6, 5, 3})
    lines.push_back({std::to_string(value), std::make_shared<int>(value)});
  ListQuickSort(lines, [](const auto& a, const auto& b) { return a.Text < b.Text; });
  std::string order;
  for (const auto& line : lines)
    order += std::to_string(*line.Attached);
  EXPECT_EQ(order, "1123455569");

  std::vector<std::string> same(5, "x");
  ListQuickSort(same, [](const std::string&, const std::string&) { return true; });
  EXPECT_EQ(same.size(), 5u);
}

}  // namespace
}  // namespace cardwise
