// Reading a file by parts and by pieces of whole lines.

#include "platform/file_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::TempDir;

// Whatever the size of the pieces, the lines handed over are the range's bytes, in order, and
// each piece but the last ends at a line end.
TEST(FileReader, ReadsARangeAsWholeLinesWhateverThePieceSize) {
  struct Case {
    const char* Name;
    std::string Text;
    std::size_t From, To;
  };
  const Case cases[] = {
      {"empty file", "", 0, std::string::npos},
      {"one line without an end", "abc", 0, std::string::npos},
      {"lines with CR LF", "[A]\r\nID=A\r\n[B]\r\nID=B\r\n", 0, std::string::npos},
      {"a last line without an end", "one\ntwo\nthree", 0, std::string::npos},
      {"a line longer than a piece", "short\nsomething much longer than a piece\nx\n", 0,
       std::string::npos},
      {"empty lines", "\n\n\na\n\n", 0, std::string::npos},
      {"from a line start to the end", "first\nsecond\nthird\n", 6, std::string::npos},
      {"up to a line start", "first\nsecond\nthird\n", 0, 13},
      {"a range in the middle", "first\nsecond\nthird\n", 6, 13},
      {"past the end", "abc\n", 10, std::string::npos},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.Write("FILE.DAT", c.Text);
    const std::string range =
        c.From >= c.Text.size()
            ? ""
            : c.Text.substr(c.From, c.To == std::string::npos ? c.To : c.To - c.From);
    for (const std::size_t piece : {1, 2, 3, 7, 4096}) {
      FileReader file;
      ASSERT_TRUE(file.Open(path)) << c.Name;
      std::vector<std::string> pieces;
      ASSERT_TRUE(file.ReadLines(
          c.From, c.To, [&](std::string_view text) { pieces.emplace_back(text); }, piece))
          << c.Name;
      std::string joined;
      for (std::size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_FALSE(pieces[k].empty()) << c.Name << ", piece size " << piece;
        if (k + 1 < pieces.size()) {
          EXPECT_EQ(pieces[k].back(), '\n') << c.Name << ", piece size " << piece;
        }
        joined += pieces[k];
      }
      EXPECT_EQ(joined, range) << c.Name << ", piece size " << piece;
    }
  }
}

TEST(FileReader, PartsAndFailures) {
  TempDir dir;
  FileReader file;
  ASSERT_TRUE(file.Open(dir.Write("FILE.DAT", "0123456789")));
  EXPECT_EQ(file.Size(), 10u);
  std::string part;
  ASSERT_TRUE(file.ReadPart(3, 4, part));
  EXPECT_EQ(part, "3456");
  ASSERT_TRUE(file.ReadPart(8, 100, part));
  EXPECT_EQ(part, "89");
  ASSERT_TRUE(file.ReadPart(20, 4, part));
  EXPECT_EQ(part, "");

  // The file's bytes as opened, even once another file has replaced it.
  dir.Write("NEW.DAT", "something else");
  ASSERT_EQ(std::rename(dir.File("NEW.DAT").c_str(), dir.File("FILE.DAT").c_str()), 0);
  ASSERT_TRUE(file.ReadPart(0, 100, part));
  EXPECT_EQ(part, "0123456789");

  const Status missing = FileReader().Open(dir.File("NONE.DAT"));
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.message().find("NONE.DAT"), std::string::npos) << missing.message();
  EXPECT_FALSE(FileReader().Open(dir.Path()));
}

}  // namespace
}  // namespace cardwise
