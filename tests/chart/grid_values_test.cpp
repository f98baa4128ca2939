// Grid values for fixed steps, axis ticks and the logarithmic rules.
#include <gtest/gtest.h>

#include "chart/grid_values.h"

namespace vqm {
namespace {

std::vector<double> Values(TGridAxis a) {
  std::vector<double> out;
  GridValues(a, out);
  return out;
}

TEST(GridValues, FixedStepsBelowTheUpperEnd) {
  EXPECT_EQ(Values({0, 1000, false, 100}), (std::vector<double>{0, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
  EXPECT_EQ(Values({-5.5, 5.5, false, 2}), (std::vector<double>{-4, -2, 0, 2, 4}));
}

TEST(GridValues, NegativeStepOnALinearAxisStepsByItsSize) {
  // Ceil(-5.5 / -2) * -2 = -6: the first line lies below the range, as the rule says.
  EXPECT_EQ(Values({-5.5, 5.5, false, -2}), (std::vector<double>{-6, -4, -2, 0, 2, 4}));
}

TEST(GridValues, StepZeroWalksTheAxisTicks) {
  const double ticks[] = {0, 250, 500, 750, 1000};
  EXPECT_EQ(Values({0, 1000, false, 0, ticks}), (std::vector<double>{0, 250, 500, 750}));
  EXPECT_EQ(Values({3, 7, false, 0, {}}), (std::vector<double>{3}));  // no ticks: the lower end only
}

TEST(GridValues, LogarithmicRules) {
  EXPECT_EQ(Values({1, 1000, true, -1}), (std::vector<double>{1, 10, 100}));
  EXPECT_EQ(Values({1, 100, true, -2}), (std::vector<double>{2, 5, 10, 20, 50}));
  const auto every = Values({1, 30, true, -3});
  const std::vector<double> expected{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20};
  ASSERT_EQ(every.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_DOUBLE_EQ(every[i], expected[i]);
  EXPECT_EQ(Values({2, 1000, true, -1}).front(), 10);
}

TEST(GridValues, AFixedStepLeavingFewerThanTwoLinesGivesWayToTheTickStep) {
  EXPECT_EQ(Values({495, 505, false, 100, {}, 2}), (std::vector<double>{496, 498, 500, 502, 504}));
  EXPECT_EQ(Values({0, 150, false, 100, {}, 50}), (std::vector<double>{0, 50, 100}));  // one line: 0 only
  EXPECT_EQ(Values({0, 250, false, 100, {}, 50}), (std::vector<double>{0, 100, 200}));  // two are enough
  EXPECT_EQ(Values({495, 505, false, 100}), (std::vector<double>{500}));  // no tick step: as it is
}

TEST(GridValues, RunawayGridsStopAtAThousand) {
  EXPECT_EQ(Values({0, 1e6, false, 1}).size(), 1000u);
}

}  // namespace
}  // namespace vqm
