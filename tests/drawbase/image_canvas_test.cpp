#include <gtest/gtest.h>

#include "common/canvas_probe.h"

using namespace vqm;
using vqm::testing::CanvasProbe;
using Pixels = std::set<std::pair<int, int>>;

TEST(ImageCanvas, LinePaintsStartButNotEnd) {
  CanvasProbe p(20, 20);
  p.Canvas().Pen.Color = clRed;
  p.Canvas().MoveTo(2, 5);
  p.Canvas().LineTo(6, 5);
  EXPECT_EQ(p.Painted(), (Pixels{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
  EXPECT_EQ(p.Canvas().PenPos(), (TPoint{6, 5}));
}
