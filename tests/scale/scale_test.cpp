#include "scale/scale.h"

#include <gtest/gtest.h>

#include <functional>

#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <algorithm>
#include <QLocale>
#include <QVariant>

#include "common/canvas_probe.h"
#include "scale/scale_widget.h"

using namespace vqm;
using vqm::testing::CanvasProbe;
using Pixels = std::set<std::pair<int, int>>;

namespace {

// Pixel columns of the major ticks of the default scale: 0, 20 ... 100 over 20..379.
constexpr int kMajorX[] = {20, 92, 164, 235, 307, 379};

bool AnyPixelIn(CanvasProbe& p, int x1, int y1, int x2, int y2, TColor background) {
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x)
      if (p.At(x, y) != ResolveColor(background)) return true;
  return false;
}

}  // namespace

TEST(ScaleProperties, InitialValues) {
  TScale s;
  EXPECT_EQ(s.Width(), 400);
  EXPECT_EQ(s.Height(), 400);
  EXPECT_EQ(s.RangeLow(), 0.0);
  EXPECT_EQ(s.RangeHigh(), 100.0);
  EXPECT_EQ(s.ScaleType(), sctXB);
  EXPECT_EQ(s.LabelType(), ftNum);
  EXPECT_EQ(s.DecPlaces(), -2);
  EXPECT_EQ(s.MinTicks(), 3);
  EXPECT_TRUE(s.ShortTicks());
  EXPECT_TRUE(s.ShowBaseLine());
  EXPECT_FALSE(s.Transparent());
  EXPECT_FALSE(s.Logarithmic());
  EXPECT_TRUE(s.Visible());
  EXPECT_EQ(s.MarginLeft() + s.MarginRight() + s.MarginTop() + s.MarginBottom(), 80);
  EXPECT_EQ(s.CaptionPosX(), 4);
  EXPECT_EQ(s.CaptionPosY(), 4);
  EXPECT_EQ(s.CaptionAlignment(), taCenter);
  EXPECT_EQ(s.CaptionAnchor(), uaSclTopLft);
  EXPECT_EQ(s.ColorBackGnd(), 0x8000000Fu);
  EXPECT_EQ(s.ColorScale(), 0x000000u);
  EXPECT_EQ(s.ColorScheme(), csBWG);
  EXPECT_EQ(s.ColorShadow(), 0x808080u);
  EXPECT_EQ(s.ColorHighlight(), 0xFFFFFFu);
  EXPECT_EQ(s.FrameStyle(), fsLowered);
  EXPECT_EQ(s.NumTicks(), 0);
  EXPECT_FALSE(s.PaintSuspended());
  EXPECT_FALSE(s.ChartEmbedded());
  const TDTLabel& f = s.DateFormat();
  EXPECT_EQ(f.TimeFormat(), tfHHMMSS);
  EXPECT_EQ(f.DateSeparator(), '-');
  EXPECT_EQ(f.TimeSeparator(), ':');
  EXPECT_EQ(f.YearLength(), ylYYYY);
  EXPECT_TRUE(f.MonthName());
  EXPECT_EQ(f.DateOrder(), doDDMMYY);
  EXPECT_EQ(f.DateForTime(), dtOnePerDay);
  EXPECT_EQ(s.ValueToPixel(0), 20);
  EXPECT_EQ(s.ValueToPixel(100), 379);
}

TEST(ScaleProperties, SettersClamp) {
  TScale s;
  s.SetMarginLeft(-5);
  EXPECT_EQ(s.MarginLeft(), 0);
  EXPECT_EQ(s.ValueToPixel(0), 0);  // the mapping follows the margin
  s.SetMarginBottom(-1);
  EXPECT_EQ(s.MarginBottom(), 0);
  s.SetDecPlaces(20);
  EXPECT_EQ(s.DecPlaces(), 12);
  s.SetDecPlaces(-9);
  EXPECT_EQ(s.DecPlaces(), -3);
  s.SetMinTicks(1);
  EXPECT_EQ(s.MinTicks(), 2);
  s.SetMinTicks(11);
  EXPECT_EQ(s.MinTicks(), 10);
}

TEST(ScaleProperties, RangeBoundsAreKeptApart) {
  TScale s;
  s.SetRangeLow(50);
  s.SetRangeHigh(50);
  EXPECT_EQ(s.RangeLow(), 49.0);
  EXPECT_EQ(s.RangeHigh(), 50.0);

  TScale t;
  t.SetRangeHigh(50);
  t.SetRangeLow(50);
  EXPECT_EQ(t.RangeLow(), 50.0);
  EXPECT_EQ(t.RangeHigh(), 51.0);

  t.SetRangeLow(80);  // reversed axes are allowed
  t.SetRangeHigh(10);
  EXPECT_EQ(t.RangeLow(), 80.0);
  EXPECT_EQ(t.RangeHigh(), 10.0);
  EXPECT_EQ(t.ValueToPixel(80), 20);

  // Where adding 1 is lost in the precision, the bounds still differ.
  TScale big;
  big.SetRangeHigh(1e17);
  big.SetRangeLow(1e17);
  EXPECT_GT(big.RangeHigh(), big.RangeLow());
}

TEST(ScaleProperties, LogarithmicAcceptance) {
  // Created in code: stored unchecked; the mapping stays as it was.
  TScale code;
  const TAxisMapping before = code.Mapping();
  code.SetLogarithmic(true);
  EXPECT_TRUE(code.Logarithmic());
  EXPECT_EQ(code.Mapping(), before);

  // Loaded from a description: checked once loading has ended.
  TScale loaded;
  loaded.BeginLoading();
  loaded.EndLoading();
  loaded.SetLogarithmic(true);  // RangeLow is 0
  EXPECT_FALSE(loaded.Logarithmic());
  loaded.SetRangeLow(1);
  loaded.SetRangeHigh(1000);
  loaded.SetLogarithmic(true);
  EXPECT_TRUE(loaded.Logarithmic());
  EXPECT_EQ(loaded.ValueToPixel(10), 140);
  loaded.SetLabelType(ftDateTime);  // turns it off
  EXPECT_FALSE(loaded.Logarithmic());
  loaded.SetLogarithmic(true);  // refused on a date/time axis
  EXPECT_FALSE(loaded.Logarithmic());
}

TEST(ScaleProperties, LoadingDefersTheMapping) {
  TScale s;
  s.BeginLoading();
  s.SetRangeHigh(1000);
  EXPECT_EQ(s.ValueToPixel(1000), 3610);  // still the 0..100 mapping
  s.EndLoading();
  EXPECT_EQ(s.ValueToPixel(1000), 379);
}

TEST(ScaleProperties, LabelTypeSideEffectsAndColourSchemes) {
  TScale s;
  s.SetLabelType(ftTime);
  EXPECT_EQ(s.DecPlaces(), 4);
  s.SetColorScheme(csSystem);
  EXPECT_EQ(s.ColorShadow(), 0x80000010u);
  EXPECT_EQ(s.ColorHighlight(), 0x80000014u);
  s.SetColorScheme(csBWG);
  EXPECT_EQ(s.ColorShadow(), 0x808080u);
}

TEST(ScaleProperties, TextsAreQtProperties) {
  TScale s;
  EXPECT_TRUE(s.setProperty("Caption", QStringLiteral("XL_Zeit [µs]")));
  EXPECT_EQ(s.Caption(), "XL_Zeit [µs]");
  s.SetUserTickText("a|b");
  EXPECT_EQ(s.property("UserTickText").toString(), QStringLiteral("a|b"));
  EXPECT_TRUE(s.setProperty("ScaleInscript", QStringLiteral("& V")));
  EXPECT_EQ(s.ScaleInscript(), "& V");
}

TEST(ScalePaint, DefaultScaleByPixel) {
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetTarget(&probe.Canvas(), 0, 0);
  s.Paint();
  const TColor face = ResolveColor(clBtnFace);
  // Lowered frame: grey/white outside, black/silver inside.
  EXPECT_EQ(probe.At(0, 0), clGray);
  EXPECT_EQ(probe.At(399, 0), clGray);
  EXPECT_EQ(probe.At(399, 1), clWhite);
  EXPECT_EQ(probe.At(399, 399), clWhite);
  EXPECT_EQ(probe.At(1, 1), clBlack);
  EXPECT_EQ(probe.At(398, 398), clSilver);
  EXPECT_EQ(probe.At(200, 100), face);
  // Base line MoveTo(20, 379), LineTo(379, 379).
  for (int x = 20; x < 379; ++x) ASSERT_EQ(probe.At(x, 379), clBlack) << x;
  EXPECT_EQ(probe.At(19, 379), face);
  // Major ticks: 7 pixels up from the base line, labels above them.
  for (int x : kMajorX) {
    for (int y = 373; y <= 379; ++y) EXPECT_EQ(probe.At(x, y), clBlack) << x << "," << y;
    EXPECT_EQ(probe.At(x, 372), face) << x;
    EXPECT_TRUE(AnyPixelIn(probe, x - 12, 355, x + 12, 372, clBtnFace)) << "label at " << x;
  }
  // Short ticks every 5: 4 pixels (5 maps to 37.95).
  for (int y = 376; y <= 379; ++y) EXPECT_EQ(probe.At(38, y), clBlack);
  EXPECT_EQ(probe.At(38, 375), face);
  // Nothing below the base line but the frame.
  EXPECT_FALSE(AnyPixelIn(probe, 2, 380, 398, 398, clBtnFace));
  // The tick value list: the 21 short values.
  EXPECT_EQ(s.NumTicks(), 21);
  EXPECT_EQ(s.TickPos(1), 0.0);
  EXPECT_DOUBLE_EQ(s.TickPos(2), 5.0);
  EXPECT_DOUBLE_EQ(s.TickPos(21), 100.0);
  EXPECT_EQ(s.TickPos(22), 0.0);
}

TEST(ScalePaint, TransparentTouchesOnlyAxisPixels) {
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetTransparent(true);
  s.SetCaption("Volts");
  s.SetCaptionPosY(-40);
  s.SetTarget(&probe.Canvas(), 0, 10);
  s.SetChartEmbedded(true);  // paints at once
  const Pixels painted = probe.Painted();
  ASSERT_FALSE(painted.empty());
  // Base line moved by dy; no frame, no background.
  for (int x = 20; x < 379; ++x) ASSERT_EQ(probe.At(x, 389), clBlack);
  EXPECT_EQ(probe.At(0, 0), clWhite);
  EXPECT_EQ(probe.At(399, 399), clWhite);
  for (auto [x, y] : painted) {
    EXPECT_GE(y, 389 - 40) << x << "," << y;
    EXPECT_LE(y, 389);
  }
  // The caption went 40 pixels above the base line, centred on the left end.
  EXPECT_TRUE(AnyPixelIn(probe, 2, 349, 45, 364, clWhite));
}

// With no tick at the axis's ends the base line shows its own extent: from the
// start pixel up to, not including, the far end's pixel.
TEST(ScalePaint, BaseLineEndsBeforeItsLastPoint) {
  for (const TScaleType type : {sctXB, sctYL}) {
    CanvasProbe probe(400, 400);
    TScale s;
    s.SetPaintSuspended(true);
    s.SetTransparent(true);
    s.SetChartEmbedded(true);
    s.SetScaleType(type);
    s.SetShortTicks(false);
    s.SetRangeLow(1);
    s.SetRangeHigh(99);  // majors at 20 ... 80 only
    s.SetTarget(&probe.Canvas(), 0, 0);
    s.SetPaintSuspended(false);
    const bool vertical = type == sctYL;
    const auto at = [&](int along) { return vertical ? probe.At(20, along) : probe.At(along, 379); };
    EXPECT_EQ(at(20), clBlack) << type;
    EXPECT_EQ(at(378), clBlack) << type;
    EXPECT_EQ(at(379), clWhite) << type;
    EXPECT_EQ(at(19), clWhite) << type;
  }
}

TEST(ScalePaint, VerticalTicksPointInward) {
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetScaleType(sctYR);
  s.SetTarget(&probe.Canvas(), 0, 0);
  s.Paint();
  const TColor face = ResolveColor(clBtnFace);
  for (int y = 20; y < 379; ++y) ASSERT_EQ(probe.At(379, y), clBlack) << y;  // base line x = 379
  for (int x = 374; x <= 379; ++x) EXPECT_EQ(probe.At(x, 20), clBlack);     // major at 100: 6 pixels
  EXPECT_EQ(probe.At(373, 20), face);
  for (int x = 376; x <= 379; ++x) EXPECT_EQ(probe.At(x, 38), clBlack);     // short at 95: 4 pixels
  EXPECT_EQ(probe.At(375, 38), face);
  EXPECT_TRUE(AnyPixelIn(probe, 340, 12, 372, 29, clBtnFace));             // "100" right of x - 8
  EXPECT_FALSE(AnyPixelIn(probe, 380, 2, 398, 398, clBtnFace));             // nothing outside
  EXPECT_EQ(s.NumTicks(), 27);  // vertical: the 21 short and then the 6 major values
  EXPECT_EQ(s.TickPos(22), 0.0);
  EXPECT_DOUBLE_EQ(s.TickPos(27), 100.0);
}

// A transparent date/time scale painting at once onto the probe.
void DateTimeScale(TScale& s, CanvasProbe& probe, TScaleType type, double low, double high) {
  s.SetPaintSuspended(true);
  s.SetTransparent(true);
  s.SetChartEmbedded(true);
  s.SetScaleType(type);
  s.SetLabelType(ftDateTime);
  s.SetRangeLow(low);
  s.SetRangeHigh(high);
  s.SetTarget(&probe.Canvas(), 0, 0);
  s.SetPaintSuspended(false);
}

int TextHeightOf(const TScale& s) {
  TBitmap b(10, 10);
  b.Canvas().Font = s.Font();
  return b.Canvas().TextHeight(QStringLiteral("0"));
}

const double kJan1st2000 = 36526;

TEST(ScalePaint, DateTimeClockLabelsWithDateLineAbove) {
  CanvasProbe probe(400, 400);
  TScale s;
  DateTimeScale(s, probe, sctXB, kJan1st2000, kJan1st2000 + 10.0 / 24);
  const int h = TextHeightOf(s);
  for (int y = 373; y <= 379; ++y) EXPECT_EQ(probe.At(20, y), clBlack) << y;  // 00:00, a major tick of 7
  EXPECT_EQ(probe.At(20, 372), clWhite);
  EXPECT_EQ(probe.At(56, 376), clBlack);  // 01:00, a short tick of 4
  EXPECT_EQ(probe.At(56, 375), clWhite);
  // "00:00" just above its tick, "01-Jan-2000" one line above that; the 03:00
  // tick at x = 128 has a clock label only.
  EXPECT_TRUE(AnyPixelIn(probe, 2, 372 - h, 60, 372, clWhite));
  EXPECT_TRUE(AnyPixelIn(probe, 2, 372 - 2 * h, 90, 372 - h, clWhite));
  EXPECT_TRUE(AnyPixelIn(probe, 110, 372 - h, 146, 372, clWhite));
  EXPECT_FALSE(AnyPixelIn(probe, 100, 372 - 2 * h, 156, 372 - h, clWhite));
  EXPECT_FALSE(AnyPixelIn(probe, 0, 0, 400, 372 - 2 * h, clWhite));
  EXPECT_EQ(s.NumTicks(), 11);  // every drawn tick
}

TEST(ScalePaint, DateTimeVerticalLabelsCentredOnTheirOwnHeight) {
  CanvasProbe probe(400, 400);
  TScale s;
  DateTimeScale(s, probe, sctYL, kJan1st2000, kJan1st2000 + 10.0 / 24);
  const int h = TextHeightOf(s);
  const int y3 = s.ValueToPixel(kJan1st2000 + 3.0 / 24);  // 271
  EXPECT_EQ(probe.At(25, y3), clBlack);                    // a major tick of 6
  EXPECT_EQ(probe.At(26, y3), clWhite);
  EXPECT_TRUE(AnyPixelIn(probe, 28, y3 - h / 2, 80, y3 - h / 2 + h, clWhite));
  EXPECT_FALSE(AnyPixelIn(probe, 21, y3 - h / 2 - 8, 200, y3 - h / 2, clWhite));
  EXPECT_FALSE(AnyPixelIn(probe, 21, y3 - h / 2 + h, 200, y3 - h / 2 + h + 8, clWhite));
  // The date line of 00:00 (y = 379) lies one line above its clock label.
  EXPECT_TRUE(AnyPixelIn(probe, 28, 379 - 3 * (h / 2), 120, 379 - h / 2, clWhite));
  EXPECT_FALSE(AnyPixelIn(probe, 28, 379 - 3 * (h / 2) - 6, 200, 379 - 3 * (h / 2), clWhite));
}

TEST(ScalePaint, DateTimeMessagesInsteadOfTicks) {
  {
    CanvasProbe probe(400, 400);
    TScale s;
    DateTimeScale(s, probe, sctXB, kJan1st2000, kJan1st2000 + 2.0 / 86400);
    EXPECT_EQ(s.NumTicks(), 0);
    // One line centred on the middle, its top 7 pixels below the base line.
    int minX = 400, maxX = -1, minY = 400;
    for (auto [x, y] : probe.Painted())
      if (y != 379) minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y);
    EXPECT_GE(minY, 386);
    EXPECT_NEAR((minX + maxX) / 2.0, 199, 3);
    EXPECT_GT(maxX - minX, 150);  // "DateTime range is below 1 second"
  }
  {
    CanvasProbe probe(400, 400);
    TScale s;
    DateTimeScale(s, probe, sctYR, kJan1st2000 + 1, kJan1st2000);  // reversed: invalid
    const int m = s.ValueToPixel(kJan1st2000 + 0.5), h = TextHeightOf(s);
    // Three lines "invalid", "DateTime", "scale" ending 2 pixels left of the base line x = 379.
    int minY = 400, maxY = -1, maxX = -1;
    for (auto [x, y] : probe.Painted())
      if (x != 379) minY = std::min(minY, y), maxY = std::max(maxY, y), maxX = std::max(maxX, x);
    EXPECT_GE(minY, m - h);
    EXPECT_LT(maxY, m + 2 * h);
    EXPECT_GT(maxY, m + h);
    EXPECT_LE(maxX, 377);
    EXPECT_GE(maxX, 374);
  }
}

TEST(ScalePaint, DateTimeMonthNamesOfTheUserLocale) {
  const QLocale saved;
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetShortTicks(false);
  s.SetMinTicks(2);
  QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
  DateTimeScale(s, probe, sctXB, kJan1st2000, kJan1st2000 + 182);  // January to July 2000
  std::vector<std::string> labels;
  for (const TTick& t : s.LastPass().Ticks) labels.push_back(t.Label);
  EXPECT_EQ(labels, (std::vector<std::string>{"Jan-2000", "Mär-2000", "Mai-2000", "Jul-2000"}));
  QLocale::setDefault(QLocale::c());
  s.ForcePaint();
  EXPECT_EQ(s.LastPass().Ticks.at(2).Label, "May-2000");
  QLocale::setDefault(saved);
}

TEST(ScalePaint, LabelsStayInsideAtBothEnds) {
  CanvasProbe probe(200, 60);
  TScale s;
  s.SetTransparent(true);
  s.SetChartEmbedded(true);
  s.SetPaintSuspended(true);
  s.SetBounds(0, 0, 200, 60);
  s.SetMarginLeft(0);
  s.SetMarginRight(0);
  s.SetMarginBottom(0);
  s.SetMinTicks(2);
  s.SetShortTicks(false);
  s.SetShowBaseLine(false);
  s.SetLabelType(ftUserText);
  s.SetUserTickText("MMMMMM|x|WWWWWW");
  s.SetTarget(&probe.Canvas(), 0, 0);
  s.ForcePaint();
  int minX = 1000, maxX = -1;
  for (auto [x, y] : probe.Painted())
    if (y < 53) {  // label rows only (ticks occupy 53..59)
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
    }
  EXPECT_GE(minX, 2);
  EXPECT_LE(minX, 4);
  EXPECT_LE(maxX, 198);
  EXPECT_GE(maxX, 194);
}

TEST(ScalePaint, SuspensionVisibilityAndForcePaint) {
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetTarget(&probe.Canvas(), 0, 0);
  s.SetPaintSuspended(true);
  s.SetRangeHigh(50);
  s.Paint();
  EXPECT_TRUE(probe.Painted().empty());
  s.ForcePaint();
  EXPECT_FALSE(probe.Painted().empty());
  EXPECT_TRUE(s.PaintSuspended());

  CanvasProbe hidden(400, 400);
  s.SetTarget(&hidden.Canvas(), 0, 0);
  s.SetVisible(false);
  s.ForcePaint();
  EXPECT_TRUE(hidden.Painted().empty());
  EXPECT_EQ(s.NumTicks(), 26);  // the last pass (0..50 by 2) is kept
}

TEST(ScalePaint, PrinterFontHasTheScreenSize) {
  TBitmap printer(400, 400);
  printer.Canvas().SetPrinter(true);
  printer.Canvas().SetPixelsPerInchY(600);
  TScale s;
  TFont font;
  font.Height = 16;  // 12 points on screen
  s.SetFont(font);
  s.SetTransparent(true);
  s.SetTarget(&printer.Canvas(), 0, 0);
  s.SetChartEmbedded(true);
  EXPECT_EQ(printer.Canvas().Font.Height, 100);  // 12 points at 600 pixels per inch
}

TEST(ScaleEvents, TickEventsFollowTheDrawingOrder) {
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetTarget(&probe.Canvas(), 0, 0);
  struct Seen {
    double value;
    int x, y;
  };
  std::vector<Seen> seen;
  s.OnScaleTickDrawn = [&](TScale* sender, TCanvas*& canvas, TScaleType type, double v, int x, int y) {
    EXPECT_EQ(sender, &s);
    EXPECT_EQ(type, sctXB);
    seen.push_back({v, x, y});
  };
  s.Paint();
  ASSERT_EQ(seen.size(), 27u);  // 21 short, then 6 major ticks
  for (int i = 0; i < 21; ++i) {
    EXPECT_NEAR(seen[size_t(i)].value, 5.0 * i, 1e-9);
    EXPECT_EQ(seen[size_t(i)].x, s.ValueToPixel(5.0 * i));
    EXPECT_EQ(seen[size_t(i)].y, 379);
  }
  for (int i = 0; i < 6; ++i) EXPECT_EQ(seen[size_t(21 + i)].x, kMajorX[i]);
}

TEST(ScaleEvents, LabelBeforeEventOnlyOnHorizontalScales) {
  // Whether the major tick's label is already there when its event comes.
  auto labelPresentAtEvent = [](TScaleType type) {
    CanvasProbe probe(400, 400, clWhite);
    TScale s;
    s.SetTransparent(true);
    s.SetShortTicks(false);
    s.SetScaleType(type);
    s.SetTarget(&probe.Canvas(), 0, 0);
    bool present = false;
    s.OnScaleTickDrawn = [&](TScale*, TCanvas*&, TScaleType, double v, int x, int y) {
      if (v != 40) return;
      present = type == sctXB ? AnyPixelIn(probe, x - 10, y - 25, x + 10, y - 7, clWhite)
                              : AnyPixelIn(probe, x + 8, y - 8, x + 30, y + 8, clWhite);
    };
    s.SetChartEmbedded(true);
    return present;
  };
  EXPECT_TRUE(labelPresentAtEvent(sctXB));
  EXPECT_FALSE(labelPresentAtEvent(sctYL));
}

TEST(ScaleEvents, HandlerMayReplaceTheCanvas) {
  CanvasProbe first(400, 400), second(400, 400);
  TScale s;
  s.SetTransparent(true);
  s.SetShortTicks(false);
  s.SetTarget(&first.Canvas(), 0, 0);
  int count = 0;
  s.OnScaleTickDrawn = [&](TScale*, TCanvas*& canvas, TScaleType, double, int, int) {
    if (++count == 2) {
      canvas = &second.Canvas();
      canvas->Pen.Color = clRed;
    }
  };
  TCanvas* after = nullptr;
  s.OnAfterScaleRendered = [&](TScale*, TCanvas* canvas) { after = canvas; };
  s.SetChartEmbedded(true);
  // Ticks 0 and 20 on the first canvas, the rest (and the base line) on the second.
  EXPECT_EQ(first.At(20, 375), clBlack);
  EXPECT_EQ(first.At(92, 375), clBlack);
  EXPECT_EQ(first.At(164, 375), clWhite);
  EXPECT_EQ(second.At(164, 375), clRed);
  EXPECT_EQ(second.At(200, 379), clRed);
  EXPECT_EQ(first.At(200, 379), clWhite);
  EXPECT_EQ(after, &first.Canvas());  // the target, whatever the handler did
}

TEST(ScaleEvents, RenderEventsSeeTheirCanvases) {
  CanvasProbe probe(400, 400);
  TScale s;
  s.SetTarget(&probe.Canvas(), 0, 0);
  TCanvas* before = nullptr;
  TCanvas* after = nullptr;
  s.OnBeforeScaleRendered = [&](TScale*, TCanvas* c) { before = c; };
  s.OnAfterScaleRendered = [&](TScale*, TCanvas* c) {
    after = c;
    c->Pen.Color = clRed;
    c->MoveTo(200, 200);
    c->LineTo(201, 200);
  };
  s.Paint();
  EXPECT_EQ(before, &probe.Canvas());
  EXPECT_NE(after, &probe.Canvas());  // an opaque scale composes off screen
  EXPECT_EQ(probe.At(200, 200), clRed);
}

// Every setter repaints at once, and both render events come whatever the scale:
// opaque, transparent and stand-alone with only a target, or of no size at all.
TEST(ScaleEvents, EverySetterRepaintsWithBothEvents) {
  struct Case {
    const char* name;
    std::function<void(TScale&)> change;
  };
  TDTLabel format;
  format.SetDateOrder(doYYMMDD);
  const Case cases[] = {
      {"bounds", [](TScale& s) { s.SetBounds(0, 0, 300, 300); }},
      {"zero size", [](TScale& s) { s.SetBounds(0, 0, 0, 0); }},
      {"font", [](TScale& s) { s.SetFont(TFont{}); }},
      {"range low", [](TScale& s) { s.SetRangeLow(10); }},
      {"range high", [](TScale& s) { s.SetRangeHigh(10); }},
      {"logarithmic", [](TScale& s) { s.SetLogarithmic(false); }},
      {"type", [](TScale& s) { s.SetScaleType(sctYL); }},
      {"margin left", [](TScale& s) { s.SetMarginLeft(3); }},
      {"margin right", [](TScale& s) { s.SetMarginRight(3); }},
      {"margin top", [](TScale& s) { s.SetMarginTop(3); }},
      {"margin bottom", [](TScale& s) { s.SetMarginBottom(3); }},
      {"label type", [](TScale& s) { s.SetLabelType(ftTime); }},
      {"decimal places", [](TScale& s) { s.SetDecPlaces(2); }},
      {"minimum ticks", [](TScale& s) { s.SetMinTicks(5); }},
      {"short ticks", [](TScale& s) { s.SetShortTicks(false); }},
      {"user texts", [](TScale& s) { s.SetUserTickText("a|b"); }},
      {"inscript", [](TScale& s) { s.SetScaleInscript("V"); }},
      {"date format", [&](TScale& s) { s.SetDateFormat(format); }},
      {"date format field", [](TScale& s) { s.DateFormat().SetYearLength(ylYY); }},
      {"caption", [](TScale& s) { s.SetCaption("U"); }},
      {"caption x", [](TScale& s) { s.SetCaptionPosX(9); }},
      {"caption y", [](TScale& s) { s.SetCaptionPosY(9); }},
      {"caption alignment", [](TScale& s) { s.SetCaptionAlignment(taLeftJustify); }},
      {"caption anchor", [](TScale& s) { s.SetCaptionAnchor(uaSclCenter); }},
      {"scale colour", [](TScale& s) { s.SetColorScale(clRed); }},
      {"background", [](TScale& s) { s.SetColorBackGnd(clRed); }},
      {"scheme", [](TScale& s) { s.SetColorScheme(csSystem); }},
      {"frame", [](TScale& s) { s.SetFrameStyle(fsRaised); }},
      {"base line", [](TScale& s) { s.SetShowBaseLine(false); }},
      {"transparent", [](TScale& s) { s.SetTransparent(true); }},
      {"visible", [](TScale& s) { s.SetVisible(false), s.SetVisible(true); }},
  };
  for (bool transparent : {false, true})
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (transparent ? ", transparent" : ", opaque"));
      CanvasProbe probe(400, 400);
      TScale s;
      s.SetTransparent(transparent);
      s.SetTarget(&probe.Canvas(), 0, 0);
      TCanvas *before = nullptr, *after = nullptr;
      s.OnBeforeScaleRendered = [&](TScale*, TCanvas* canvas) { before = canvas; };
      s.OnAfterScaleRendered = [&](TScale*, TCanvas* canvas) { after = canvas; };
      c.change(s);
      EXPECT_EQ(before, &probe.Canvas());
      ASSERT_NE(after, nullptr);
      EXPECT_EQ(after == &probe.Canvas(), s.Transparent());  // opaque ones compose off screen
    }
}

TEST(ScaleAssign, CopiesSettingsAndTicks) {
  CanvasProbe probe(400, 400);
  TScale a;
  a.SetPaintSuspended(true);
  a.SetRangeLow(-5.5);
  a.SetRangeHigh(5.5);
  a.SetScaleType(sctYR);
  a.SetCaption("U");
  a.SetMinTicks(4);
  a.SetColorScheme(csSystem);
  a.SetColorScale(clRed);
  a.SetColorBackGnd(clBlue);
  a.SetFrameStyle(fsRaised);
  a.SetShortTicks(false);
  a.SetDecPlaces(3);
  a.SetShowBaseLine(false);
  a.SetTransparent(true);
  a.SetLabelType(ftUserText);
  a.SetMarginLeft(1);
  a.SetMarginRight(2);
  a.SetMarginTop(3);
  a.SetMarginBottom(4);
  a.SetCaptionPosX(-7);
  a.SetCaptionPosY(-8);
  a.SetCaptionAlignment(taLeftJustify);
  a.SetCaptionAnchor(uaSclBotRgt);
  a.SetUserTickText("a|b");
  a.SetScaleInscript("V");
  int ticksSeen = 0;
  a.OnScaleTickDrawn = [&](TScale*, TCanvas*&, TScaleType, double, int, int) { ++ticksSeen; };
  a.SetTarget(&probe.Canvas(), 5, 6);
  a.ForcePaint();
  const Pixels picture = probe.Painted();
  ASSERT_FALSE(picture.empty());
  ticksSeen = 0;
  TScale b;
  b.Assign(a);
  EXPECT_EQ(b.RangeLow(), -5.5);
  EXPECT_EQ(b.RangeHigh(), 5.5);
  EXPECT_EQ(b.ScaleType(), sctYR);
  EXPECT_EQ(b.Caption(), "U");
  EXPECT_EQ(b.MinTicks(), 4);
  EXPECT_EQ(b.ColorScheme(), csSystem);
  EXPECT_EQ(b.ColorShadow(), 0x80000010u);
  EXPECT_EQ(b.ColorHighlight(), 0x80000014u);
  EXPECT_EQ(b.ColorScale(), clRed);
  EXPECT_EQ(b.ColorBackGnd(), clBlue);
  EXPECT_EQ(b.FrameStyle(), fsRaised);
  EXPECT_FALSE(b.ShortTicks());
  EXPECT_EQ(b.DecPlaces(), 3);
  EXPECT_FALSE(b.ShowBaseLine());
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.LabelType(), ftUserText);
  EXPECT_EQ(std::vector<int>({b.MarginLeft(), b.MarginRight(), b.MarginTop(), b.MarginBottom()}),
            std::vector<int>({1, 2, 3, 4}));
  EXPECT_EQ(b.CaptionPosX(), -7);
  EXPECT_EQ(b.CaptionPosY(), -8);
  EXPECT_EQ(b.CaptionAlignment(), taLeftJustify);
  EXPECT_EQ(b.CaptionAnchor(), uaSclBotRgt);
  EXPECT_EQ(b.UserTickText(), "a|b");
  EXPECT_EQ(b.ScaleInscript(), "V");
  EXPECT_EQ(b.Mapping(), a.Mapping());
  EXPECT_EQ(b.NumTicks(), a.NumTicks());
  EXPECT_EQ(b.TickPos(3), a.TickPos(3));
  EXPECT_TRUE(b.PaintSuspended());
  EXPECT_EQ(b.Target(), &probe.Canvas());
  EXPECT_EQ(ticksSeen, 0);  // suspended: no repaint
  probe.Canvas().Brush = {clWhite, bsSolid};
  probe.Canvas().FillRect({0, 0, 400, 400});
  b.ForcePaint();
  EXPECT_GT(ticksSeen, 0);  // the tick handler came along
  EXPECT_EQ(probe.Painted(), picture);  // and so did the offsets and everything drawn
}

TEST(ScaleWidget, PaintsTheScaleOnItsWidget) {
  TScaleWidget w;
  w.resize(300, 120);
  {  // a paint that comes before the pending resize takes the widget's size and its mapping
    QPaintEvent early(QRect(0, 0, 300, 120));
    QCoreApplication::sendEvent(&w, &early);
    EXPECT_EQ(w.Scale().Width(), 300);
    EXPECT_EQ(w.Scale().ValueToPixel(100), 279);
  }
  const QImage shot = w.grab().toImage();  // delivers the pending resize first
  EXPECT_EQ(w.Scale().Width(), 300);
  EXPECT_EQ(w.Scale().ValueToPixel(100), 279);
  EXPECT_EQ(shot.pixel(150, 99) & 0xFFFFFF, 0u);                      // base line
  EXPECT_EQ(shot.pixel(0, 0) & 0xFFFFFF, 0x808080u);                  // frame
  EXPECT_EQ(w.Scale().parent(), &w);                                  // found by the translator
  w.Scale().SetBounds(0, 0, 200, 100);
  EXPECT_EQ(w.width(), 200);
}
