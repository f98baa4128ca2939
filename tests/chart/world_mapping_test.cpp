// The world/pixel mapping of one axis direction.
#include <gtest/gtest.h>

#include "chart/world_mapping.h"

namespace vqm {
namespace {

TAxisPlacement Horizontal(double low, double high, bool log = false) {
  // Width 358, margins 50 / 20, no shadow.
  return {low, high, log, 50, 338, 288, 179, 0, 358};
}

TEST(WorldMapping, LinearEndsGoToTheDataAreaEdges) {
  const TWorldAxisMap m = MakeWorldAxisMap(Horizontal(0, 1000));
  EXPECT_EQ(m.ToPixel(0), 50);
  EXPECT_EQ(m.ToPixel(1000), 338);
  EXPECT_EQ(m.ToPixel(500), 194);
  EXPECT_EQ(m.ToWorld(194), 500);
}

TEST(WorldMapping, HalvesRoundToEven) {
  // 0..10 on 10 pixels from 0: v + 0.5 lies exactly between two pixels.
  const TWorldAxisMap m = MakeWorldAxisMap({0, 10, false, 0, 10, 10, 5, 0, 10});
  EXPECT_EQ(m.ToPixel(0.5), 0);
  EXPECT_EQ(m.ToPixel(1.5), 2);
  EXPECT_EQ(m.ToPixel(2.5), 2);
  EXPECT_EQ(m.ToPixel(-0.5), 0);
}

TEST(WorldMapping, FarValuesAreLimitedToTheIntRange) {
  const TWorldAxisMap m = MakeWorldAxisMap(Horizontal(0, 1000));
  EXPECT_EQ(m.ToPixel(1e300), 2147483647);
  EXPECT_EQ(m.ToPixel(-1e300), -2147483647);
}

TEST(WorldMapping, LogarithmicAxis) {
  const TWorldAxisMap m = MakeWorldAxisMap(Horizontal(1, 1000, true));
  EXPECT_EQ(m.ToPixel(1), 50);
  EXPECT_EQ(m.ToPixel(1000), 338);
  EXPECT_EQ(m.ToPixel(10), 146);
  EXPECT_EQ(m.ToPixel(0), 0);  // no logarithm: pixel 0 on a normal range
  EXPECT_NEAR(m.ToWorld(146), 10, 0.2);
  const TWorldAxisMap mirrored = MakeWorldAxisMap(Horizontal(1000, 1, true));
  EXPECT_EQ(mirrored.ToPixel(-3), 358);  // the control's width on a mirrored range
}

TEST(WorldMapping, MirroredRangeRunsBackwards) {
  const TWorldAxisMap m = MakeWorldAxisMap(Horizontal(1000, 0));
  EXPECT_EQ(m.ToPixel(1000), 50);
  EXPECT_EQ(m.ToPixel(0), 338);
}

TEST(WorldMapping, NoRoomOrNoSpanMapsToTheMiddle) {
  TAxisPlacement p = Horizontal(0, 1000);
  p.Room = 0;
  EXPECT_EQ(MakeWorldAxisMap(p).ToPixel(123), 179);
  EXPECT_EQ(MakeWorldAxisMap(Horizontal(5, 5)).ToPixel(5), 179);
  EXPECT_EQ(MakeWorldAxisMap(Horizontal(0, 10, true)).ToPixel(5), 179);  // ln 0 has no value

  // One pixel of room is still an area: its ends map to its two edges.
  const TWorldAxisMap narrow = MakeWorldAxisMap({0, 1000, false, 50, 51, 1, 50, 0, 71});
  EXPECT_EQ(narrow.ToPixel(0), 50);
  EXPECT_EQ(narrow.ToPixel(1000), 51);
}

// The doubles decide only far from a rounding tie: next to one, and where the
// doubles cannot hold the terms, the pixel is the extended-precision one.
TEST(WorldMapping, DoubleMappingGivesTheExtendedPixel) {
  struct Case { long double k, d; bool log; double v; };
  const Case cases[] = {
      {1, 0.5L + 0x1p-60L, false, 0},       // just past a tie the doubles cannot see: 1, not 0
      {1, 1.5L - 0x1p-60L, false, 0},       // just short of one: 1, not 2
      {1.0L / 3, 0, false, 1.5},            // a third of 1.5 falls a hair below 0.5
      {2, -0.5L, false, 0.75},              // an exact tie rounds to even
      {1e-3L, 7, false, 2.5e12},            // beyond the doubles' range of pixels
      {1, 0, false, std::nan("")},          // no pixel: 0
      {100, 3, true, 10},                   // logarithmic axis
  };
  for (const Case& c : cases) {
    TWorldAxisMap exact;
    exact.K = c.k;
    exact.D = c.d;
    exact.Logarithmic = c.log;
    EXPECT_EQ(TDoubleAxisMap(exact).ToPixel(c.v), exact.ToPixel(c.v)) << double(c.k) << " " << c.v;
  }
}

}  // namespace
}  // namespace vqm
