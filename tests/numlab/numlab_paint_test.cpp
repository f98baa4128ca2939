// Geometry and pixels of a read-out painted on a canvas.
#include "numlab/numlab_paint.h"

#include <gtest/gtest.h>

#include "common/canvas_probe.h"

namespace vqm {
namespace {

using testing::CanvasProbe;
using PixelSet = std::set<std::pair<int, int>>;

constexpr TColor kField = clYellow;
constexpr int kLS = 10, kLW = 50, kH = 23;

PixelSet Box(int x1, int y1, int x2, int y2) {  // x2, y2 exclusive
  PixelSet s;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) s.insert({x, y});
  return s;
}
PixelSet Outline(int x1, int y1, int x2, int y2) {
  PixelSet s = Box(x1, y1, x2, y2);
  for (const auto& p : Box(x1 + 1, y1 + 1, x2 - 1, y2 - 1)) s.erase(p);
  return s;
}
PixelSet Minus(PixelSet a, const PixelSet& b) {
  for (const auto& p : b) a.erase(p);
  return a;
}
PixelSet Union(PixelSet a, const PixelSet& b) {
  a.insert(b.begin(), b.end());
  return a;
}

TEST(NumLabPaintTest, FrameColoursBySchemes) {
  EXPECT_EQ(FrameColorsFor(csBWG), (TFrameColors{clBlack, 8421504, 16777215}));
  EXPECT_EQ(FrameColorsFor(csSystem), (TFrameColors{clBlack, clBtnShadow, clBtnHighlight}));
}

TEST(NumLabPaintTest, FrameNoneIsOnlyTheFieldColour) {
  CanvasProbe probe(80, kH);
  DrawFieldFrame(probe.Canvas(), fsNone, kLS, kLW, kH, kField, FrameColorsFor(csBWG));
  EXPECT_EQ(probe.Painted(), Box(kLS, 0, kLS + kLW + 2, kH));
  EXPECT_EQ(probe.PixelsOf(kField), Box(kLS, 0, kLS + kLW + 2, kH));
}

TEST(NumLabPaintTest, FrameSimpleHasAMediumBorder) {
  CanvasProbe probe(80, kH);
  DrawFieldFrame(probe.Canvas(), fsSimple, kLS, kLW, kH, kField, FrameColorsFor(csBWG));
  EXPECT_EQ(probe.Painted(), Box(kLS, 0, kLS + kLW + 2, kH));
  EXPECT_EQ(probe.PixelsOf(clGray), Outline(kLS, 0, kLS + kLW + 2, kH));
}

TEST(NumLabPaintTest, FrameLoweredBevelLines) {
  CanvasProbe probe(80, kH);
  DrawFieldFrame(probe.Canvas(), fsLowered, kLS, kLW, kH, kField, FrameColorsFor(csBWG));
  const PixelSet border = Outline(10, 0, 62, 22);
  const PixelSet upperLeft = Union(Box(11, 1, 12, 21), Box(11, 1, 61, 2));   // column 11 rows 1..20, row 1 to x 60
  const PixelSet lowerRight = Union(Box(11, 22, 62, 23), Box(62, 1, 63, 23));  // row 22 to x 61, column 62 rows 1..22
  EXPECT_EQ(probe.PixelsOf(clGray), border);
  EXPECT_EQ(probe.PixelsOf(clBlack), upperLeft);
  EXPECT_EQ(probe.PixelsOf(kField), Minus(Box(11, 1, 61, 21), upperLeft));
  EXPECT_EQ(probe.Painted(), Box(10, 0, 62, 22));  // the light lines are white like the probe
  // The light lines, seen on a red background.
  CanvasProbe onRed(80, kH, clRed);
  DrawFieldFrame(onRed.Canvas(), fsLowered, kLS, kLW, kH, kField, FrameColorsFor(csBWG));
  EXPECT_EQ(onRed.PixelsOf(clWhite), lowerRight);
  EXPECT_EQ(onRed.At(10, 22), clRed);
  EXPECT_EQ(onRed.At(62, 0), clRed);
}

TEST(NumLabPaintTest, BevelColoursOfTheOtherStyles) {
  const TFrameColors colors{clBlack, clBlue, clLime};  // distinct medium and light
  struct Case {
    TFrameStyle style;
    TColor border, upperLeft, lowerRight;
  };
  for (const Case& c : {Case{fsRaised, clBlue, clLime, clBlack}, Case{fsEmbossed, clLime, clBlue, clBlue},
                        Case{fsEngraved, clBlue, clLime, clLime}}) {
    CanvasProbe probe(80, kH);
    DrawFieldFrame(probe.Canvas(), c.style, kLS, kLW, kH, kField, colors);
    EXPECT_EQ(probe.At(10, 0), c.border) << int(c.style);
    EXPECT_EQ(probe.At(61, 21), c.border) << int(c.style);
    EXPECT_EQ(probe.At(11, 5), c.upperLeft) << int(c.style);
    EXPECT_EQ(probe.At(40, 1), c.upperLeft) << int(c.style);
    EXPECT_EQ(probe.At(40, 22), c.lowerRight) << int(c.style);
    EXPECT_EQ(probe.At(62, 5), c.lowerRight) << int(c.style);
  }
}

TEST(NumLabPaintTest, CaptionAndValuePositions) {
  // Left caption in a room of 80, 30 pixels wide.
  EXPECT_EQ(LeftCaptionX(taLeftJustify, 80, 30), 7);
  EXPECT_EQ(LeftCaptionX(taRightJustify, 80, 30), 45);
  EXPECT_EQ(LeftCaptionX(taCenter, 80, 31), 24);
  EXPECT_EQ(LeftCaptionX(taCenter, 20, 31), -5);  // halves toward zero
  // Right caption of a 170-wide control with LS 80, LW 50, 19 pixels wide.
  EXPECT_EQ(RightCaptionX(taLeftJustify, 170, 80, 50, 19), 137);
  EXPECT_EQ(RightCaptionX(taRightJustify, 170, 80, 50, 19), 145);
  EXPECT_EQ(RightCaptionX(taCenter, 170, 80, 50, 19), 141);
  // Value of 20 pixels in a field of 50 at 80.
  EXPECT_EQ(ValueTextX(taLeftJustify, 80, 50, 20), 84);
  EXPECT_EQ(ValueTextX(taRightJustify, 80, 50, 20), 108);
  EXPECT_EQ(ValueTextX(taCenter, 80, 50, 21), 96);
  EXPECT_EQ(ValueClipRect(80, 50, 23), (TRect{83, 2, 129, 20}));
  EXPECT_EQ(TextLineY(23, 15), 4);
}

TEST(NumLabPaintTest, OverflowWhenWiderThanLabelWidthLessSix) {
  CanvasProbe probe(10, 10);
  TCanvas& canvas = probe.Canvas();
  const QString text = "142.86";
  const int width = canvas.TextWidth(text);
  const TFieldText value{text, "*********", false};
  EXPECT_EQ(FittedValueText(canvas, value, width + 6), text);
  EXPECT_EQ(FittedValueText(canvas, value, width + 5), "*********");
  // The main window's frequency read-out: LW 50 shows texts up to 44 pixels.
  const TFieldText wide{"1234567.89", "*********", false};
  ASSERT_GT(canvas.TextWidth(wide.Text), 44);
  EXPECT_EQ(FittedValueText(canvas, wide, 50), "*********");
  const TFieldText state{"1234567.89", "*********", true};
  EXPECT_EQ(FittedValueText(canvas, state, 50), "1234567.89");
}

TEST(NumLabPaintTest, ValueStaysInsideItsClipRectangle) {
  TNumLabLook look;
  look.LeftSpace = 20;
  look.LabelWidth = 30;
  look.ColorLabBakG = clYellow;
  look.ColorOutBakG = clAqua;
  look.FrameStyle = fsNone;
  CanvasProbe probe(80, kH);
  const TFieldText value{"WWWWWWWWWWWW", "*", true};  // far wider than the field
  PaintNumLab(probe.Canvas(), look, FrameColorsFor(csBWG), TFont{}, &value);
  const TRect clip = ValueClipRect(20, 30, kH);
  int inkInside = 0;
  for (const auto& [x, y] : Box(0, 0, 80, kH)) {
    const TColor c = probe.At(x, y);
    const bool inside = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
    if (inside) inkInside += c != clYellow;
    else if (x >= 20 && x < 52) EXPECT_EQ(c, clYellow) << x << "," << y;
    else EXPECT_EQ(c, clAqua) << x << "," << y;
  }
  EXPECT_GT(inkInside, 20);
}

// Both captions at their own alignment, all on the line whose height is the
// sample text's: a canvas whose text heights differ by text shows which was measured.
TEST(NumLabPaintTest, CaptionsFollowTheirAlignmentOnTheSampleLine) {
  struct Call {
    QString text;
    int x, y;
  };
  class Recorder : public TImageCanvas {
   public:
    using TImageCanvas::TextExtent;
    using TImageCanvas::TextOut;
    explicit Recorder(QImage* image) : TImageCanvas(image) {}
    TSize TextExtent(const QString& text) override { return {5 * int(text.size()), 10 + int(text.size())}; }
    void TextOut(int x, int y, const QString& text) override { calls.push_back({text, x, y}); }
    std::vector<Call> calls;
  };
  QImage image(200, 40, QImage::Format_RGB32);
  Recorder canvas(&image);
  TNumLabLook look;
  look.LeftSpace = 60;
  look.LabelWidth = 50;
  look.LeftText = "Ab";
  look.RightText = "kHz";
  look.LeftTextAlignment = taLeftJustify;
  look.RightTextAlignment = taRightJustify;
  look.Empty = true;
  PaintNumLab(canvas, look, FrameColorsFor(csBWG), TFont{}, nullptr);
  const int y = (40 - (10 + int(kLineHeightSample.size()))) / 2;
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[0].text, "Ab");
  EXPECT_EQ(canvas.calls[0].x, 7);
  EXPECT_EQ(canvas.calls[1].text, "kHz");
  EXPECT_EQ(canvas.calls[1].x, 200 - 15 - 6);
  for (const Call& c : canvas.calls) EXPECT_EQ(c.y, y) << c.text.toStdString();
}

}  // namespace
}  // namespace vqm
