#include "scale/scale_paint.h"

#include <gtest/gtest.h>

#include "common/canvas_probe.h"

using namespace vqm;
using vqm::testing::CanvasProbe;
using Pixels = std::set<std::pair<int, int>>;

namespace {
TAxisExtent Extent(TScaleType type) {
  TAxisExtent e;
  e.Type = type;
  e.Width = 300;
  e.Height = 200;
  e.MarginLeft = 11;
  e.MarginRight = 12;
  e.MarginTop = 13;
  e.MarginBottom = 14;
  return e;
}
}  // namespace

TEST(ScalePaintGeometry, HorizontalLabelsStayInside) {
  // In the middle: centred on x.
  EXPECT_EQ(HorizontalLabelLeft(100, 20, 400), 90);
  EXPECT_EQ(HorizontalLabelLeft(100, 21, 400), 90);
  // Left end: never left of x = 2.
  EXPECT_EQ(HorizontalLabelLeft(5, 20, 400), 2);
  EXPECT_EQ(HorizontalLabelLeft(0, 20, 400), 2);
  EXPECT_EQ(HorizontalLabelLeft(12, 20, 400), 2);
  EXPECT_EQ(HorizontalLabelLeft(13, 20, 400), 3);
  // Right end: x + w/2 >= W - 2 puts the label's end 2 pixels before the edge.
  EXPECT_EQ(HorizontalLabelLeft(399, 20, 400), 378);
  EXPECT_EQ(HorizontalLabelLeft(388, 20, 400), 378);
  EXPECT_EQ(HorizontalLabelLeft(387, 20, 400), 377);
}

TEST(ScalePaintGeometry, CaptionAnchorsAndAlignment) {
  TCaptionPlacement p;  // 4, 4, centred, start
  const int w = 40;
  const TAxisExtent xb = Extent(sctXB);
  const int yb = BaseLinePosition(xb, 0, 0);
  EXPECT_EQ(CaptionOrigin(xb, yb, p, w), (TPoint{4 + 11 - 20, 4 + yb}));
  p.Anchor = uaSclCenter;
  EXPECT_EQ(CaptionOrigin(xb, yb, p, w), (TPoint{4 + 11 + (300 - 23) / 2 - 20, 4 + yb}));
  p.Anchor = uaSclBotRgt;
  p.Alignment = taRightJustify;
  EXPECT_EQ(CaptionOrigin(xb, yb, p, w), (TPoint{4 + 300 - 12 - 40, 4 + yb}));
  p.Alignment = taLeftJustify;
  EXPECT_EQ(CaptionOrigin(xb, yb, p, 41), (TPoint{4 + 300 - 12, 4 + yb}));

  const TAxisExtent yr = Extent(sctYR);
  const int xr = BaseLinePosition(yr, 0, 0);
  p = TCaptionPlacement{-30, 2, taCenter, uaSclCenter};
  EXPECT_EQ(CaptionOrigin(yr, xr, p, 41), (TPoint{-30 + xr - 20, 2 + 13 + (200 - 27) / 2}));
  p.Anchor = uaSclBotRgt;
  EXPECT_EQ(CaptionOrigin(yr, xr, p, 41), (TPoint{-30 + xr - 20, 2 + 200 - 14}));
  p.Anchor = uaSclTopLft;
  EXPECT_EQ(CaptionOrigin(yr, xr, p, 41).y, 2 + 13);
}

TEST(ScalePaintTicks, TickLinesPointInward) {
  struct Case {
    TScaleType type;
    Pixels expected;
  };
  const Case cases[] = {
      {sctXB, {{10, 50}, {10, 49}, {10, 48}, {10, 47}}},
      {sctXT, {{10, 50}, {10, 51}, {10, 52}, {10, 53}}},
      {sctYL, {{50, 10}, {51, 10}, {52, 10}, {53, 10}}},
      {sctYR, {{50, 10}, {49, 10}, {48, 10}, {47, 10}}},
  };
  for (const Case& c : cases) {
    CanvasProbe probe(100, 100);
    TTickPass pass;
    pass.Generator = TTickGenerator::Linear;
    TTick tick;
    tick.Pixel = 10;
    tick.Length = 4;
    tick.Kind = TTickKind::Short;
    pass.Ticks.push_back(tick);
    TAxisExtent e;
    e.Type = c.type;
    e.Width = e.Height = 100;
    TCanvas* canvas = &probe.Canvas();
    DrawTicks(canvas, pass, e, 50, {});
    EXPECT_EQ(probe.Painted(), c.expected) << int(c.type);
  }
}

TEST(ScalePaintTicks, UndrawnTicksOnlyRaiseTheEvent) {
  CanvasProbe probe(100, 100);
  TTickPass pass;
  pass.Generator = TTickGenerator::Logarithmic;
  TTick tick;
  tick.Pixel = 30;
  tick.Length = 4;
  tick.Drawn = false;
  tick.Kind = TTickKind::Intermediate;
  pass.Ticks.push_back(tick);
  TAxisExtent e;
  e.Width = e.Height = 100;
  int events = 0;
  TCanvas* canvas = &probe.Canvas();
  DrawTicks(canvas, pass, e, 60, [&](TCanvas*&, const TTick& t, int x, int y) {
    ++events;
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 60);
  });
  EXPECT_EQ(events, 1);
  EXPECT_TRUE(probe.Painted().empty());
}

// Where each type puts a tick's label: 7 pixels above or below a horizontal
// base line, 8 pixels beside a vertical one, centred on the tick.
TEST(ScalePaintTicks, LabelPlaces) {
  struct TextCall {
    int x, y;
  };
  class Recorder : public TImageCanvas {
   public:
    using TImageCanvas::TImageCanvas;
    using TImageCanvas::TextOut;
    void TextOut(int x, int y, const QString& text) override {
      calls.push_back({x, y});
      TImageCanvas::TextOut(x, y, text);
    }
    std::vector<TextCall> calls;
  };
  QImage image(100, 100, QImage::Format_RGB32);
  Recorder recorder(&image);
  const TSize size = recorder.TextExtent(QStringLiteral("12"));
  struct Case {
    TScaleType type;
    int x, y;  // expected top-left corner of the label
  };
  const Case cases[] = {
      {sctXB, 40 - size.cx / 2, 50 - 7 - size.cy},
      {sctXT, 40 - size.cx / 2, 50 + 7},
      {sctYL, 50 + 8, 40 - size.cy / 2},
      {sctYR, 50 - 8 - size.cx, 40 - size.cy / 2},
  };
  for (const Case& c : cases) {
    TTickPass pass;
    pass.Generator = TTickGenerator::Linear;
    TTick tick;
    tick.Pixel = 40;
    tick.Length = 7;
    tick.HasLabel = true;
    tick.Label = "12";
    pass.Ticks.push_back(tick);
    TAxisExtent e;
    e.Type = c.type;
    e.Width = e.Height = 100;
    recorder.calls.clear();
    TCanvas* canvas = &recorder;
    DrawTicks(canvas, pass, e, 50, {});
    ASSERT_EQ(recorder.calls.size(), 1u) << int(c.type);
    EXPECT_EQ(recorder.calls[0].x, c.x) << int(c.type);
    EXPECT_EQ(recorder.calls[0].y, c.y) << int(c.type);
  }
}
