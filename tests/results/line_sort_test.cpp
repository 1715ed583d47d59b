#include "results/line_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cardwise {
namespace {

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
