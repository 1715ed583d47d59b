#include "results/divisions.h"

#include <gtest/gtest.h>

#include <vector>

namespace cardwise {
namespace {

TEST(DivisionsTest, LimitsAreAscendingNumbersAndWriteBackTheSame) {
  EXPECT_EQ(ParseDivisions("10,20"), (std::vector<double>{10, 20}));
  EXPECT_EQ(ParseDivisions(" -2, 10.5 ,36"), (std::vector<double>{-2, 10.5, 36}));
  EXPECT_EQ(ParseDivisions(""), std::vector<double>());
  for (const char* bad :
       {"20,10", "10,10", "10,", "ten", "10;20", "1.", ".5", "10 20", "1,2,x", "1000", "1e3"})
    EXPECT_FALSE(ParseDivisions(bad)) << bad;
  EXPECT_EQ(DivisionsText({10, 20.5, -2.5}), "10,20.5,-2.5");
}

TEST(DivisionsTest, AHandicapAtALimitIsInTheLowerDivision) {
  const std::vector<double> limits = {10, 20.1};
  const struct {
    double Hcp;
    const char* Division;
  } cases[] = {{-3.0, "A"}, {0.0, "A"},  {10.0, "A"}, {10.04, "A"}, {10.1, "B"},
               {20.0, "B"}, {20.1, "B"}, {20.2, "C"}, {54.0, "C"}};
  for (const auto& c : cases) {
    EXPECT_EQ(DivisionLetter(DivisionOf(limits, c.Hcp)), c.Division) << c.Hcp;
    EXPECT_EQ(DivisionLetter(DivisionOf(limits, static_cast<float>(c.Hcp))), c.Division)
        << "as a round's Hcp " << c.Hcp;
  }
}

}  // namespace
}  // namespace cardwise
