#include "results/event.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/locale_formats.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using Lines = std::vector<std::string>;

class EventTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentFormats(IsoFormats()); }
  testing::TempDir dir_;
};

TEST_F(EventTest, ReadsAndWritesItsKeysByteForByteSkippingBlankResults) {
  const std::string text =
      "[SC]\r\nID=SC\r\nEvent=Spring Cup\r\nHeader=spring.htm\r\nCourseID=MILLBGC\r\n"
      "Date=2002-06-15\r\nType=0\r\nMake=0\r\n1=1;70;JS;R1;\r\n2=2;72;AB;R2;Last 9\r\n"
      "3=3;;CD;R3;\r\n";
  EventList list;
  list.LoadFromFile(dir_.Write("EVENTS.DAT", text));
  Lines& results = list.RecordAt(0).Results;
  results.insert(results.begin() + 1, {";;;;", ";;;R;="});
  ASSERT_TRUE(list.SaveAll(dir_.File("AGAIN.DAT")));
  EXPECT_EQ(dir_.Read("AGAIN.DAT"), text);
  EXPECT_EQ(list.CopyToClipboard(0),
            "[SC]\r\nID=SC\r\nEvent=Spring Cup\r\nHeader=spring.htm\r\nDate=2002-06-15\r\n"
            "CourseID=MILLBGC\r\nType=0\r\n");
  Event fresh;
  fresh.Name = "Autumn Open";
  ASSERT_TRUE(SaveRecord(fresh, dir_.File("NEW.DAT")));
  EXPECT_EQ(dir_.Read("NEW.DAT"), "[AO]\r\nID=AO\r\nEvent=Autumn Open\r\nMake=1\r\n");
}

TEST_F(EventTest, ReadsTypeMakeAndResultKeysTolerantly) {
  const std::tuple<std::string, int, bool, Lines> cases[] = {
      {"Type=2\nMake=1\n", 2, true, {}},
      {"Type=two\nMake= 01\n", -1, true, {}},
      {"Make=yes\n", -1, false, {}},
      {"3=c\n1=a\n0=zero\n-2=minus\nx=letter\n7=\n", -1, true, {"c", "a", ""}}};
  for (const auto& [text, type, make, results] : cases) {
    EventList list;
    list.LoadFromFile(dir_.Write("EVENTS.DAT", "[E]\nID=E\n" + text));
    const Event& event = list.RecordAt(0);
    EXPECT_EQ(std::tie(event.Type, event.Make, event.Results), std::tie(type, make, results))
        << text;
  }
}

TEST_F(EventTest, ReloadUsesDefaultsAndStopsAtTheFirstMissingOrEmptyResult) {
  const std::string path =
      dir_.Write("EVENTS.DAT", "[E]\nID=E\nEvent=Cup\n1=a\n2=b\n4=d\n[F]\nID=F\n1=a\n2=\n3=c\n");
  Event event;
  std::tie(event.ID, event.Header, event.Make) = std::make_tuple("e", "old.htm", false);
  ASSERT_TRUE(ReloadRecord(event, path));
  EXPECT_EQ(std::make_tuple(event.Header, event.Date, event.Type, event.Make, event.Results),
            std::make_tuple("", Today(), -1, true, Lines{"a", "b"}));
  event.ID = "F";
  ASSERT_TRUE(ReloadRecord(event, path));
  EXPECT_EQ(event.Results, (Lines{"a"}));
}

}  // namespace
}  // namespace cardwise

namespace cardwise {
namespace {

TEST_F(EventTest, DrawAndDivisionsReadAndWriteBackAndBadOnesAreUnreadableLines) {
  const std::string drawn =
      "[SC]\r\nID=SC\r\nMake=1\r\nDivisions=10,20.5\r\nDrawSeed=42\r\n"
      "Group1=08:00;1;JS;AB\r\nGroup2=08:10;10;CD\r\n1=1;70;JS;R1;\r\n";
  EventList list;
  EXPECT_TRUE(list.LoadFromFile(dir_.Write("EVENTS.DAT", drawn)).Clean());
  const Event& event = list.RecordAt(0);
  EXPECT_EQ(event.Divisions, (std::vector<double>{10, 20.5}));
  EXPECT_EQ(event.DrawSeed, 42u);
  EXPECT_EQ(event.Draw, (std::vector<DrawGroup>{{480, 1, {"JS", "AB"}}, {490, 10, {"CD"}}}));
  ASSERT_TRUE(list.SaveAll(dir_.File("AGAIN.DAT")));
  EXPECT_EQ(dir_.Read("AGAIN.DAT"), drawn);

  const std::string bad[] = {"Divisions=20,10",  "Divisions=10;20", "DrawSeed=-1",
                             "Group1=8:00;1;JS", "Group2=08:00;1;", "Group1000=08:00;1;JS"};
  for (const std::string& line : bad) {
    EventList other;
    const LoadReport report =
        other.LoadFromFile(dir_.Write("BAD.DAT", "[E]\nID=E\n" + line + "\n"));
    ASSERT_EQ(report.Problems.size(), 1u) << line;
    EXPECT_EQ(report.Problems[0].Line, 3) << line;
    EXPECT_TRUE(other.RecordAt(0).Draw.empty() && other.RecordAt(0).Divisions.empty()) << line;
  }

  // Groups numbered with gaps are renumbered; a reload reads the draw again.
  list.LoadFromFile(dir_.Write("GAPS.DAT", "[G]\nID=G\nGroup3=09:00;1;C\nGroup1=08:00;1;A\n"));
  EXPECT_EQ(list.FindRecord("G")->Draw.size(), 2u);
  Event reloaded;
  reloaded.ID = "SC";
  ASSERT_TRUE(ReloadRecord(reloaded, dir_.File("AGAIN.DAT")));
  EXPECT_EQ(reloaded.Draw, event.Draw);
  EXPECT_EQ(reloaded.Divisions, event.Divisions);
}

}  // namespace
}  // namespace cardwise
