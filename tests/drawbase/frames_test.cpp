#include <gtest/gtest.h>

#include "common/canvas_probe.h"
#include "drawbase/frames.h"

using namespace vqm;
using vqm::testing::CanvasProbe;
using Pixels = std::set<std::pair<int, int>>;

namespace {
constexpr TColor kHighlight = clWhite, kLight = clSilver, kShadow = clGray, kDark = clBlack, kSimple = clNavy;
constexpr TColor kBackground = clRed;

void Frame(CanvasProbe& p, TFrameStyle style) {
  DrawFrame(p.Canvas(), style, 0, 0, 9, 9, kHighlight, kLight, kShadow, kDark, kSimple);
}

// Colours of the two rings of a 10 x 10 frame: outer top-left, outer bottom-right,
// inner top-left, inner bottom-right, sampled at pixels that belong to one role only.
std::array<TColor, 4> Rings(CanvasProbe& p) { return {p.At(4, 0), p.At(9, 4), p.At(1, 4), p.At(8, 4)}; }
}  // namespace

TEST(DrawFrame, RingColoursPerStyle) {
  struct Case {
    TFrameStyle style;
    std::array<TColor, 4> rings;
  };
  for (const Case& c : {Case{fsLowered, {kShadow, kHighlight, kDark, kLight}},
                        Case{fsRaised, {kHighlight, kDark, kLight, kShadow}},
                        Case{fsEmbossed, {kHighlight, kShadow, kShadow, kHighlight}},
                        Case{fsEngraved, {kShadow, kHighlight, kHighlight, kShadow}}}) {
    CanvasProbe p(10, 10, kBackground);
    Frame(p, c.style);
    EXPECT_EQ(Rings(p), c.rings) << "style " << int(c.style);
    EXPECT_EQ(p.At(4, 4), kBackground) << "the inside stays untouched";
    EXPECT_EQ(p.Canvas().Pen.Color, c.rings[3]) << "pen left at the last colour used";
  }
}

TEST(DrawFrame, CornersBelongToTheRightRing) {
  CanvasProbe p(10, 10, kBackground);
  Frame(p, fsLowered);
  EXPECT_EQ(p.At(0, 0), kShadow);
  EXPECT_EQ(p.At(9, 0), kShadow);     // the top row runs to the right column
  EXPECT_EQ(p.At(0, 9), kHighlight);  // the bottom row includes both corners
  EXPECT_EQ(p.At(9, 9), kHighlight);
  EXPECT_EQ(p.At(1, 1), kDark);
  EXPECT_EQ(p.At(8, 1), kDark);
  EXPECT_EQ(p.At(1, 8), kLight);
  EXPECT_EQ(p.At(8, 8), kLight);
  EXPECT_EQ(p.Painted().size(), 36u + 28u);
}

TEST(DrawFrame, SimpleAndNone) {
  CanvasProbe simple(10, 10, kBackground);
  Frame(simple, fsSimple);
  EXPECT_EQ(simple.PixelsOf(kSimple).size(), 36u);
  EXPECT_EQ(simple.At(1, 1), kBackground);

  CanvasProbe none(10, 10, kBackground);
  none.Canvas().Pen.Color = clLime;
  Frame(none, fsNone);
  EXPECT_TRUE(none.Painted().empty());
  EXPECT_EQ(none.Canvas().Pen.Color, clLime);
}

TEST(DrawRectOutline, ClosedOutlineInThePen) {
  CanvasProbe p(8, 8, kBackground);
  p.Canvas().Pen.Color = clBlue;
  DrawRectOutline(p.Canvas(), 1, 1, 4, 3);
  EXPECT_EQ(p.PixelsOf(clBlue),
            (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}));
}
