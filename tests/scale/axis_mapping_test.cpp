#include "scale/axis_mapping.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vqm;

namespace {
TAxisMapping Mapped(const TAxisRange& r, const TAxisExtent& e) {
  TAxisMapping m;
  CalcMapping(r, e, m);
  return m;
}
}  // namespace

TEST(AxisMapping, HorizontalRunsFromLeftMarginToRightMargin) {
  const TAxisRange r{0, 100, false};
  const TAxisExtent e;  // 400 x 400, margins 20
  const TAxisMapping m = Mapped(r, e);
  EXPECT_EQ(ValueToPixel(m, r, 400, 0), 20);
  EXPECT_EQ(ValueToPixel(m, r, 400, 100), 379);
  EXPECT_EQ(ValueToPixel(m, r, 400, 25), 110);  // 109.75
  EXPECT_EQ(ValueToPixel(m, r, 400, 20), 92);   // 91.8

  const TAxisRange reversed{100, 0, false};
  const TAxisMapping mr = Mapped(reversed, e);
  EXPECT_EQ(ValueToPixel(mr, reversed, 400, 100), 20);
  EXPECT_EQ(ValueToPixel(mr, reversed, 400, 0), 379);
}

TEST(AxisMapping, PixelHalvesRoundToEven) {
  const TAxisRange r{0, 359, false};  // one pixel per unit
  const TAxisMapping m = Mapped(r, TAxisExtent{});
  EXPECT_EQ(ValueToPixel(m, r, 400, 0.5), 20);
  EXPECT_EQ(ValueToPixel(m, r, 400, 1.5), 22);
  EXPECT_EQ(ValueToPixel(m, r, 400, -20.5), 0);
  EXPECT_EQ(ValueToPixel(m, r, 400, -21.5), -2);
}

TEST(AxisMapping, VerticalHasHighAtTheTop) {
  const TAxisRange r{-5.5, 5.5, false};
  TAxisExtent e;
  e.Type = sctYL;
  e.Height = 200;
  e.MarginTop = 10;
  e.MarginBottom = 30;
  const TAxisMapping m = Mapped(r, e);
  EXPECT_EQ(ValueToPixel(m, r, e.Width, 5.5), 10);
  EXPECT_EQ(ValueToPixel(m, r, e.Width, -5.5), 169);
}

TEST(AxisMapping, LogarithmicUsesNaturalLogs) {
  const TAxisRange r{1, 1000, true};
  const TAxisExtent e;
  const TAxisMapping m = Mapped(r, e);
  EXPECT_EQ(ValueToPixel(m, r, 400, 1), 20);
  EXPECT_EQ(ValueToPixel(m, r, 400, 1000), 379);
  EXPECT_EQ(ValueToPixel(m, r, 400, 10), 140);  // 20 + 359/3 = 139.67
  // Values at or below 1e-100 go to the start or, reversed, to the width.
  EXPECT_EQ(ValueToPixel(m, r, 400, 0), 0);
  const TAxisRange reversed{1000, 1, true};
  EXPECT_EQ(ValueToPixel(Mapped(reversed, e), reversed, 400, -3), 400);
}

TEST(AxisMapping, DegenerateCasesKeepOrCentreTheMapping) {
  TAxisMapping m{2.5, 7.0};
  CalcMapping({5, 5, false}, TAxisExtent{}, m);  // equal bounds: unchanged
  EXPECT_EQ(m, (TAxisMapping{2.5, 7.0}));
  CalcMapping({0, 10, true}, TAxisExtent{}, m);  // log with a bound <= 0: unchanged
  EXPECT_EQ(m, (TAxisMapping{2.5, 7.0}));

  TAxisExtent narrow;
  narrow.Width = 41;  // 41 - 40 - 1 = 0 pixels of room
  CalcMapping({0, 10, false}, narrow, m);
  EXPECT_EQ(m, (TAxisMapping{0.0, 20.0}));
  EXPECT_EQ(ValueToPixel(m, {0, 10, false}, 41, 1e9), 20);
}

TEST(AxisMapping, PixelsAreClampedToTheIntRange) {
  const TAxisRange r{0, 1, false};
  const TAxisMapping m = Mapped(r, TAxisExtent{});
  EXPECT_EQ(ValueToPixel(m, r, 400, 1e300), 2147483647);
  EXPECT_EQ(ValueToPixel(m, r, 400, -1e300), -2147483647);
  EXPECT_EQ(ValueToPixel(m, r, 400, std::nan("")), 0);
}
