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
