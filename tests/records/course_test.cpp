#include "records/course.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "records_fixture.h"
#include "settings/settings.h"

namespace cardwise {
namespace {

using CourseTest = testing::ListTest<CourseList>;

TEST_F(CourseTest, WorkedExampleSavesBackByteForByte) {
  const std::string example =
      "[MILLBGC]\r\nID=MILLBGC\r\nCourse=Mill Brook Golf Club\r\nAlias=MILL BROOK\r\n"
      "Tee=Yellow\r\nLenRGB=ffff00\r\nCR=71.2\r\nSlope=128.0\r\nChanged=2002-05-01\r\n"
      "Par=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n"
      "Hcp=7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4\r\n"
      "Len=350,362,141,470,330,380,152,344,455,362,317,128,488,351,376,160,309,479\r\n";
  CourseList list = Load(example);
  EXPECT_TRUE(report_.Clean());
  ASSERT_TRUE(SaveRecord(list.RecordAt(0), dir_.File("OUT.DAT")));
  EXPECT_EQ(dir_.Read("OUT.DAT"), example);
  EXPECT_EQ(list.CopyToClipboard(0), example);
}

TEST_F(CourseTest, FindByNameMatchesTheWholeNameOrAnyPartOfTheAlias) {
  CourseList list =
      Load("[M]\nID=M\nCourse=Mill Brook Golf Club\n[H]\nID=H\nCourse=Harbour\nAlias=MILL BROOK\n");
  const std::pair<std::string, int> cases[] = {
      {"mill brook golf club", 1}, {"BROOK", 0}, {"ill b", 0}, {"Golf", -1}, {"", -1}};
  for (const auto& [name, expected] : cases) {
    int index = 99;
    EXPECT_EQ(list.FindByName(name, index), expected >= 0) << name;
    EXPECT_EQ(index, expected) << name;
  }
}

TEST_F(CourseTest, PasteEmptiesMissingKeysButKeepsChangedUnlessGiven) {
  CourseList list = Load("[A]\nID=A\nPhone=555\nChanged=2001-01-01\nPar=3,3,3\n");
  int index = 0;
  ASSERT_TRUE(
      list.PasteFromClipboard("[X]\nID=X\nLenRGB=0123456789ab\nHcp=1,2\nChanged=\n", index));
  const Course& course = list.RecordAt(index);
  EXPECT_EQ(std::tie(course.ID, course.LenRGB, course.Phone),
            std::make_tuple("A", "012345678", ""));
  EXPECT_EQ(course.Par.AsText() + "|" + course.Hcp.AsText(), "|1,2");
  EXPECT_EQ(course.Changed, EncodeDate(2001, 1, 1));
  EXPECT_EQ(course.LenColor, 0x00452301u) << "the pasted colour is decoded";
}

}  // namespace
}  // namespace cardwise
