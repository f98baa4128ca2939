#include <gtest/gtest.h>

#include "common/canvas_probe.h"
#include "drawbase/frames.h"

using namespace vqm;
using vqm::testing::CanvasProbe;
using Pixels = std::set<std::pair<int, int>>;

namespace {
Pixels Square(int cx, int cy, int a) {
  Pixels out;
  for (int x = cx - a; x <= cx + a; ++x)
    for (int y = cy - a; y <= cy + a; ++y) out.insert({x, y});
  return out;
}

Pixels DrawnMark(std::uint8_t mark, bool printer = false) {
  CanvasProbe p(21, 21, clWhite);
  p.Canvas().SetPrinter(printer);
  p.Canvas().Pen.Color = clRed;
  DrawMark(p.Canvas(), mark, 10, 10);
  return p.Painted();
}
}  // namespace

TEST(DrawMark, FilledSquares) {
  EXPECT_EQ(DrawnMark(7), Square(10, 10, 1));
  EXPECT_EQ(DrawnMark(8), Square(10, 10, 2));
  EXPECT_EQ(DrawnMark(9), Square(10, 10, 3));
}

TEST(DrawMark, ScreenBitmapsAndPrinterLines) {
  EXPECT_EQ(DrawnMark(0), (Pixels{{10, 10}}));
  EXPECT_EQ(DrawnMark(1), (Pixels{{10, 10}, {9, 10}, {11, 10}, {10, 9}, {10, 11}}));
  // On the printer: two lines of four pixels, X-2..X+1 and Y-2..Y+1.
  EXPECT_EQ(DrawnMark(1, true), (Pixels{{8, 10}, {9, 10}, {10, 10}, {11, 10}, {10, 8}, {10, 9}, {10, 11}}));
  EXPECT_EQ(DrawnMark(6).size(), 13u);  // diagonal cross, arms of 3
  EXPECT_EQ(DrawnMark(18).size(), 25u);  // checkerboard with its corners set
  EXPECT_TRUE(DrawnMark(18).count({7, 7}));
  EXPECT_EQ(DrawnMark(25).size(), 33u);
}

TEST(DrawMark, LineMarks) {
  Pixels ring = Square(10, 10, 1);
  ring.erase({10, 10});
  EXPECT_EQ(DrawnMark(10), ring);  // square outline, closed by its last line
  // Caret: two lines from the centre down to both sides, end pixels excluded.
  EXPECT_EQ(DrawnMark(20), (Pixels{{10, 10}, {9, 11}, {8, 12}, {11, 11}, {12, 12}}));
}

TEST(DrawMark, BrushStateAfterMarks) {
  for (std::uint8_t hollow : {16, 17, 27, 31, 32, 33, 35, 39, 40, 42, 44, 46}) {
    CanvasProbe p(21, 21);
    p.Canvas().Brush = {clYellow, bsClear};
    DrawMark(p.Canvas(), hollow, 10, 10);
    EXPECT_EQ(p.Canvas().Brush.Style, bsSolid) << int(hollow);
    EXPECT_EQ(p.Canvas().Brush.Color, clYellow) << int(hollow);
  }
  for (int m = 0; m <= 47; ++m) {
    CanvasProbe p(21, 21);
    p.Canvas().Brush.Color = clAqua;
    p.Canvas().Pen.Color = clRed;
    DrawMark(p.Canvas(), std::uint8_t(m), 10, 10);
    EXPECT_EQ(p.Canvas().Brush.Color, clAqua) << m;
    EXPECT_EQ(p.Canvas().Pen.Color, clRed) << m;
  }
}

TEST(DrawMark, FilledShapesTakeThePenColour) {
  CanvasProbe p(21, 21, clWhite);
  p.Canvas().Pen.Color = clBlue;
  p.Canvas().Brush.Color = clYellow;
  DrawMark(p.Canvas(), 24, 10, 10);  // filled circle
  EXPECT_EQ(p.At(10, 10), clBlue);
  EXPECT_TRUE(p.PixelsOf(clYellow).empty());
}

TEST(DrawMark, CharacterMarksAreCentred) {
  CanvasProbe p(41, 41, clWhite);
  p.Canvas().Brush.Style = bsClear;
  DrawMark(p.Canvas(), 48, 20, 20);  // "0"
  const Pixels painted = p.Painted();
  ASSERT_FALSE(painted.empty());
  int minX = 99, maxX = -1;
  for (auto [x, y] : painted) minX = std::min(minX, x), maxX = std::max(maxX, x);
  EXPECT_LE(std::abs((minX + maxX) / 2 - 20), 1);
  EXPECT_NE(DrawnMark(65), DrawnMark(48));  // "A" differs from "0"
}
