#include "drawbase/image_canvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include "common/canvas_probe.h"

using namespace vqm;
using vqm::testing::CanvasProbe;
using Pixels = std::set<std::pair<int, int>>;

TEST(ImageCanvasLines, PaintStartButNotEndPixel) {
  CanvasProbe p(20, 20);
  p.Canvas().Pen.Color = clRed;
  p.Canvas().MoveTo(2, 5);
  p.Canvas().LineTo(6, 5);
  EXPECT_EQ(p.Painted(), (Pixels{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
  EXPECT_EQ(p.Canvas().PenPos(), (TPoint{6, 5}));

  CanvasProbe q(20, 20);
  q.Canvas().MoveTo(5, 9);
  q.Canvas().LineTo(5, 6);  // upward: 9, 8, 7 but not 6
  EXPECT_EQ(q.Painted(), (Pixels{{5, 9}, {5, 8}, {5, 7}}));
}

TEST(ImageCanvasLines, DiagonalAndZeroLength) {
  CanvasProbe p(20, 20);
  p.Canvas().MoveTo(1, 1);
  p.Canvas().LineTo(4, 4);
  EXPECT_EQ(p.Painted(), (Pixels{{1, 1}, {2, 2}, {3, 3}}));

  CanvasProbe q(20, 20);
  q.Canvas().MoveTo(3, 3);
  q.Canvas().LineTo(3, 3);
  EXPECT_TRUE(q.Painted().empty());
}

TEST(ImageCanvasLines, ClippedLinesKeepTheirPixels) {
  // A line that starts far outside paints the same pixels inside as a short one.
  CanvasProbe far(30, 30), near(30, 30);
  far.Canvas().MoveTo(-30000, 10);
  far.Canvas().LineTo(30000, 10);
  near.Canvas().MoveTo(0, 10);
  near.Canvas().LineTo(30, 10);
  EXPECT_EQ(far.Painted(), near.Painted());
  EXPECT_EQ(far.Painted().size(), 30u);
}

TEST(ImageCanvasLines, XorTwiceRestores) {
  CanvasProbe p(10, 10, clWhite);
  p.Canvas().Pen.Mode = pmXor;
  p.Canvas().Pen.Color = clRed;
  p.Canvas().MoveTo(0, 4);
  p.Canvas().LineTo(10, 4);
  EXPECT_EQ(p.At(3, 4), RGBColor(0, 255, 255));  // white xor red
  p.Canvas().MoveTo(0, 4);
  p.Canvas().LineTo(10, 4);
  EXPECT_TRUE(p.Painted().empty());
}

TEST(ImageCanvasLines, DottedPenLeavesGapsInBrushColour) {
  CanvasProbe p(12, 3, clWhite);
  p.Canvas().Pen.Style = psDot;
  p.Canvas().Brush.Style = bsClear;
  p.Canvas().MoveTo(0, 1);
  p.Canvas().LineTo(12, 1);
  EXPECT_EQ(p.Painted(), (Pixels{{0, 1}, {1, 1}, {2, 1}, {6, 1}, {7, 1}, {8, 1}}));
  // With a solid brush the gaps take the brush colour.
  p.Canvas().Pen.Color = clBlack;
  p.Canvas().Brush = {clRed, bsSolid};
  p.Canvas().MoveTo(0, 2);
  p.Canvas().LineTo(12, 2);
  EXPECT_EQ(p.At(3, 2), clRed);
  EXPECT_EQ(p.At(6, 2), clBlack);
}

TEST(ImageCanvasShapes, RectangleCoversUpToButNotIncludingSecondCorner) {
  CanvasProbe p(10, 10, clWhite);
  p.Canvas().Pen.Color = clBlack;
  p.Canvas().Brush.Color = clRed;
  p.Canvas().Rectangle(2, 2, 6, 5);
  EXPECT_EQ(p.PixelsOf(clRed), (Pixels{{3, 3}, {4, 3}}));
  EXPECT_EQ(p.PixelsOf(clBlack).size(), 10u);  // outline of 4 x 3 pixels
  EXPECT_EQ(p.At(6, 2), clWhite);
  EXPECT_EQ(p.At(2, 5), clWhite);
}

// Thin boxes, boxes across the edges, corners either way round, either brush.
TEST(ImageCanvasShapes, RectangleOutlineAndInsideEverywhere) {
  const TRect boxes[] = {{2, 2, 3, 7}, {1, 4, 8, 5}, {3, 3, 4, 4}, {-3, -2, 5, 4}, {6, 5, 14, 12}, {9, 8, -1, 1}};
  for (const TBrushStyle brush : {bsSolid, bsClear})
    for (const TRect& b : boxes) {
      CanvasProbe p(10, 9, clWhite);
      p.Canvas().Brush = {clRed, brush};
      p.Canvas().Rectangle(b.Left, b.Top, b.Right, b.Bottom);
      const auto [x1, x2] = std::minmax(b.Left, b.Right);
      const auto [y1, y2] = std::minmax(b.Top, b.Bottom);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 10; ++x) {
          const bool in = x >= x1 && x < x2 && y >= y1 && y < y2, edge = x == x1 || x == x2 - 1 || y == y1 || y == y2 - 1;
          ASSERT_EQ(p.At(x, y), !in ? clWhite : edge ? clBlack : brush == bsSolid ? clRed : clWhite) << x << "," << y;
        }
    }
}

TEST(ImageCanvasShapes, ClearBrushFillsNothing) {
  CanvasProbe p(10, 10, clWhite);
  p.Canvas().Brush.Style = bsClear;
  p.Canvas().Rectangle(1, 1, 8, 8);
  EXPECT_EQ(p.At(4, 4), clWhite);
  EXPECT_EQ(p.At(1, 1), clBlack);
  p.Canvas().Ellipse(1, 1, 8, 8);
  EXPECT_EQ(p.At(4, 4), clWhite);
}

TEST(ImageCanvasShapes, EllipseStaysInsideItsBox) {
  CanvasProbe p(20, 20, clWhite);
  p.Canvas().Brush.Color = clBlue;
  p.Canvas().Ellipse(5, 5, 12, 12);
  for (auto [x, y] : p.Painted()) {
    EXPECT_GE(x, 5);
    EXPECT_LT(x, 12);
    EXPECT_GE(y, 5);
    EXPECT_LT(y, 12);
  }
  EXPECT_EQ(p.At(8, 8), clBlue);
  // A box as large as a zoomed chart item gives (60000 px)^4 terms: the canvas
  // lies near its centre, all inside, none of it outline.
  CanvasProbe big(20, 20, clWhite);
  big.Canvas().Brush.Color = clBlue;
  big.Canvas().Ellipse(-30000, -30000, 30001, 30001);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(big.At(x, y), clBlue) << x << "," << y;
}

TEST(ImageCanvasText, SolidBrushFillsTheTextCell) {
  CanvasProbe p(80, 30, clWhite);
  p.Canvas().Brush.Color = clYellow;
  const TSize size = p.Canvas().TextExtent(QStringLiteral("Hg"));
  EXPECT_GT(size.cx, 5);
  EXPECT_GE(size.cy, 13);
  p.Canvas().TextOut(4, 2, QStringLiteral("Hg"));
  EXPECT_EQ(p.At(4, 2), clYellow);
  EXPECT_EQ(p.At(4 + size.cx, 2), clWhite);
  EXPECT_EQ(p.At(4, 2 + size.cy), clWhite);
}

TEST(ImageCanvasPixels, OutsideIsIgnoredAndReadsBlack) {
  CanvasProbe p(4, 4, clWhite);
  p.Canvas().SetPixel(-1, 0, clRed);
  p.Canvas().SetPixel(4, 4, clRed);
  EXPECT_TRUE(p.Painted().empty());
  EXPECT_EQ(p.Canvas().GetPixel(10, 10), clBlack);
  p.Canvas().SetPixel(3, 3, clBtnFace);
  EXPECT_EQ(p.At(3, 3), ResolveColor(clBtnFace));
}

TEST(Bitmap, EmptySizesAreSafe) {
  TBitmap b(0, 0);
  b.Canvas().MoveTo(0, 0);
  b.Canvas().LineTo(10, 10);
  b.Canvas().Rectangle(0, 0, 5, 5);
  b.Canvas().TextOut(0, 0, QStringLiteral("x"));
  EXPECT_EQ(b.Width(), 0);
  b.SetSize(-3, 5);
  EXPECT_EQ(b.Height(), 0);
  b.SetSize(3, 2);
  EXPECT_EQ(b.Image().size(), QSize(3, 2));
}

// An area draws on its whole's pixels until the whole gets a new image.
TEST(Bitmap, AreaDrawsOnItsWholeUntilTheWholeChanges) {
  for (const double ratio : {1.0, 1.5, 2.0}) {
    TBitmap whole(20, 10, ratio), area(0, 0, ratio);
    ASSERT_TRUE(area.ShareArea(whole, 5, 3, 10, 6));
    EXPECT_FALSE(TBitmap(0, 0, ratio).ShareArea(whole, 15, 3, 6, 6));  // past the right edge
    area.Canvas().SetPixel(1, 2, clRed);
    EXPECT_EQ(whole.Canvas().GetPixel(6, 5), clRed);
    whole.SetSize(30, 10);  // a new image: the area goes on with a copy
    EXPECT_FALSE(area.IsAreaOf(whole));
    EXPECT_EQ(area.Canvas().GetPixel(1, 2), clRed);
  }
}

TEST(ImageCanvasText, TextRectDrawsOnlyInsideItsClipAsTextOutWould) {
  // The clips start away from the origin, so a text position taken relative to
  // the wrong corner, or a fill that misses the clip's first column, shows; a
  // clip one pixel wide or high still draws its strip.
  for (const TRect clip : {TRect{10, 4, 34, 20}, TRect{13, 4, 14, 20}, TRect{10, 9, 34, 10}}) {
    SCOPED_TRACE(::testing::Message() << clip.Left << "," << clip.Top << "," << clip.Right << "," << clip.Bottom);
    CanvasProbe clipped(50, 30, clWhite), reference(50, 30, clWhite);
    for (CanvasProbe* p : {&clipped, &reference}) p->Canvas().Brush.Color = clYellow;
    clipped.Canvas().TextRect(clip, 12, 5, QStringLiteral("Hg8"));
    reference.Canvas().FillRect(clip);
    reference.Canvas().TextOut(12, 5, QStringLiteral("Hg8"));

    int textPixels = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 50; ++x) {
        const bool inside = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
        const TColor expected = inside ? reference.At(x, y) : ResolveColor(clWhite);
        ASSERT_EQ(clipped.At(x, y), expected) << x << "," << y;
        if (inside && expected != ResolveColor(clYellow)) ++textPixels;
      }
    EXPECT_GT(textPixels, 0);  // the text itself is there, not just the fill
  }
}

TEST(DevicePixels, PositionsPenWidthsAndExtentsPerRatio) {
  const struct {
    double ratio;
    int position3, penWidth;
  } cases[] = {{1, 3, 1}, {1.25, 3, 1}, {1.5, 4, 2}, {2, 6, 2}, {3, 9, 3}, {0.5, 3, 1}};
  for (const auto& c : cases) {
    const TDevicePixels device(c.ratio);
    EXPECT_EQ(device.Position(3), c.position3) << c.ratio;
    EXPECT_EQ(device.PenWidth(), c.penWidth) << c.ratio;
    for (int w = 0; w < 200; ++w) ASSERT_EQ(device.LogicalExtent(device.Extent(w)), w) << c.ratio;
  }
}

// Device pixels that are not white.
Pixels DevicePainted(const QImage& image) {
  Pixels out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) out.insert({x, y});
  return out;
}

TEST(ImageCanvasDensity, AtRatioTwoALogicalPixelIsATwoByTwoBlock) {
  TBitmap b(20, 20, 2.0);
  TImageCanvas& c = b.Canvas();
  EXPECT_EQ(b.Image().size(), QSize(40, 40));
  EXPECT_EQ(c.Width(), 20);
  c.MoveTo(2, 5);
  c.LineTo(6, 5);  // logical 2..5, the end excluded
  c.MoveTo(9, 8);
  c.LineTo(9, 6);  // upward: logical 8 and 7
  Pixels expected;
  for (int x = 4; x < 12; ++x) expected.insert({{x, 10}, {x, 11}});
  for (int y = 14; y < 18; ++y) expected.insert({{18, y}, {19, y}});
  EXPECT_EQ(DevicePainted(b.Image()), expected);
  c.SetPixel(0, 0, clRed);
  EXPECT_EQ(c.GetPixel(0, 0), clRed);
  EXPECT_EQ(b.Image().pixel(1, 1) & 0xFFFFFFu, 0xFF0000u);
}

TEST(ImageCanvasDensity, ExclusiveOrOutlineTwiceRestoresAtFractionalRatios) {
  for (double ratio : {1.25, 1.5, 2.0}) {
    TBitmap b(30, 30, ratio);
    TImageCanvas& c = b.Canvas();
    c.Pen = {clRed, psSolid, 1, pmXor};
    c.Brush.Style = bsClear;
    c.Rectangle(3, 4, 17, 11);
    const Pixels once = DevicePainted(b.Image());
    // A full ring the pen's width thick, from the first pixel's dot to the last one's.
    const TDevicePixels d(ratio);
    const int w = d.PenWidth(), across = d.Position(16) + w - d.Position(3), down = d.Position(10) - d.Position(4) - w;
    EXPECT_EQ(once.size(), std::size_t(2 * across * w + 2 * down * w)) << ratio;
    c.Rectangle(3, 4, 17, 11);
    EXPECT_TRUE(DevicePainted(b.Image()).empty()) << ratio;
  }
}
