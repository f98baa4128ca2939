// The chart control: creation values, layers and mapping, joins, sizes, and the
// rendered data area (background, grid, items, frame, shadow).
#include <gtest/gtest.h>

#include <QDir>
#include <cmath>
#include <QVariant>
#include <QTemporaryDir>

#include "chart/chart_error.h"
#include "chart/rchart.h"
#include "scale/scale.h"

namespace vqm {
namespace {

// A shown chart of the simulation's size with the main window's layer-1 ranges.
class ShownChart : public ::testing::Test {
 protected:
  ShownChart() {
    chart.resize(358, 436);
    chart.Scale1X()->SetRangeLow(0);
    chart.Scale1X()->SetRangeHigh(1000);
    chart.Scale1Y()->SetRangeLow(-5.5);
    chart.Scale1Y()->SetRangeHigh(5.5);
    chart.show();
  }
  // Pixel of the data image (origin at MarginLeft, MarginTop).
  TColor Data(int x, int y) { return chart.DataImage().Canvas().GetPixel(x, y); }
  TColor Frame(int x, int y) { return chart.FrameImage().Canvas().GetPixel(x, y); }

  TRChart chart;
};

TEST(RChart, CreationValues) {
  TRChart chart;
  EXPECT_EQ(chart.width(), 280);
  EXPECT_EQ(chart.height(), 200);
  EXPECT_EQ(chart.MarginLeft(), 50);
  EXPECT_EQ(chart.MarginRight(), 20);
  EXPECT_EQ(chart.RRim(), 20);
  EXPECT_EQ(chart.MarginTop(), 20);
  EXPECT_EQ(chart.MarginBottom(), 40);
  EXPECT_EQ(chart.CaptionPosY(), -16);
  EXPECT_TRUE(chart.PaintLock());
  EXPECT_TRUE(chart.Scale1X()->Visible());
  EXPECT_TRUE(chart.Scale1Y()->Visible());
  for (int n = 2; n <= 16; ++n) {
    EXPECT_FALSE(chart.ScaleX(n)->Visible()) << n;
    EXPECT_FALSE(chart.ScaleY(n)->Visible()) << n;
  }
  EXPECT_EQ(chart.ScaleX(2)->ColorScale(), clMaroon);
  EXPECT_EQ(chart.ScaleY(16)->ColorScale(), clWhite);
  EXPECT_EQ(chart.ScaleX(6)->LocationCode(), alcAbove);  // layers 5..16 keep their creation place
  EXPECT_EQ(chart.ScaleY(6)->LocationCode(), alcRight);
  EXPECT_EQ(chart.ScaleX(7)->LocationCode(), alcBelow);
  EXPECT_EQ(chart.ScaleX(2)->LocationCode(), alcBelow);  // the layout puts hidden pairs 2..4 below/left
  EXPECT_EQ(chart.ScaleX(5)->ScalePos(), 60);
  EXPECT_EQ(chart.ScaleY(5)->ScalePos(), 100);
  EXPECT_EQ(chart.ScaleX(0), chart.Scale1X());  // outside 1..16: layer 1
  EXPECT_EQ(chart.ScaleY(17), chart.Scale1Y());
  EXPECT_EQ(chart.RangeHistory().Pointer(), 2);  // one snapshot taken
  EXPECT_EQ(chart.MouseAction(), maNone);
  EXPECT_TRUE(chart.MouseCursorFixed());
  EXPECT_EQ(chart.focusPolicy(), Qt::ClickFocus);
}

TEST(RChart, AxisControlsAreNamedAndEmbedded) {
  TRChart chart;
  for (int n : {1, 16}) {
    TScale* x = chart.AxisControlX(n);
    TScale* y = chart.AxisControlY(n);
    EXPECT_EQ(x->objectName(), QStringLiteral("RC_FScale_X_%1").arg(n));
    EXPECT_EQ(y->objectName(), QStringLiteral("RC_FScale_Y_%1").arg(n));
    EXPECT_TRUE(x->ChartEmbedded());
    EXPECT_TRUE(x->Transparent());
    EXPECT_EQ(x->FrameStyle(), fsNone);
    EXPECT_EQ(x->Target(), &chart.FrameImage().Canvas());
  }
  // Layer 1's X axis below the data area: its base line lies on the data frame.
  TScale* x1 = chart.AxisControlX(1);
  EXPECT_EQ(x1->ScaleType(), sctXT);
  EXPECT_EQ(x1->MarginTop(), 200 - 40);
  EXPECT_EQ(x1->MarginLeft(), 50);
  EXPECT_EQ(x1->MarginRight(), 19);
  TScale* y1 = chart.AxisControlY(1);
  EXPECT_EQ(y1->ScaleType(), sctYR);
  EXPECT_EQ(y1->MarginRight(), 280 - 50 - 1);
  chart.Scale1X()->SetRangeHigh(250);
  EXPECT_EQ(x1->RangeHigh(), 250);  // pushed on change
}

TEST(RChart, OnlyTheAxisObjectsAreMarkedForTranslation) {
  TRChart chart;
  EXPECT_LT(chart.metaObject()->indexOfClassInfo("Translate"), 0);
  EXPECT_LT(chart.AxisControlX(1)->metaObject()->indexOfClassInfo("Translate"), 0);
  const QVariant scale = chart.property("Scale1X");
  ASSERT_TRUE(scale.isValid());
  EXPECT_EQ(scale.value<TScalePropsHoriz*>(), chart.Scale1X());
  EXPECT_TRUE(chart.setProperty("Caption", QStringLiteral("Signal")));
  EXPECT_EQ(chart.Caption(), "Signal");
}

TEST_F(ShownChart, MapsTheRangesOntoTheDataArea) {
  int x, y;
  chart.WorldToPixel(1, 0, 5.5, x, y);
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 20);
  chart.WorldToPixel(1, 1000, -5.5, x, y);
  EXPECT_EQ(x, 338);
  EXPECT_EQ(y, 396);
  chart.WorldToPixel(1, 500, 0, x, y);
  EXPECT_EQ(y, 208);
  double wx, wy;
  chart.PixelToWorld(1, 338, 20, wx, wy);
  EXPECT_NEAR(wx, 1000, 1e-9);
  EXPECT_NEAR(wy, 5.5, 1e-9);
  // Layers outside 1..16 map with the nearest one.
  chart.Scale2X()->SetRangeHigh(2);
  chart.ScaleX(16)->SetRangeHigh(4);
  chart.WorldToPixel(0, 1000, 0, x, y);
  EXPECT_EQ(x, 338);
  chart.WorldToPixel(17, 2, 0, x, y);
  EXPECT_EQ(x, 194);  // layer 16: 0..4
}

TEST_F(ShownChart, ShadowNarrowsTheDataArea) {
  chart.SetShadowWidth(40);  // clamped to 32
  EXPECT_EQ(chart.ShadowWidth(), 32);
  int x, y;
  chart.WorldToPixel(1, 1000, -5.5, x, y);
  EXPECT_EQ(x, 338 - 32);
  EXPECT_EQ(y, 396 - 32);
  EXPECT_EQ(chart.DataImage().Width(), 358 - 50 - 20 - 32 + 1);
}

TEST_F(ShownChart, LogarithmicXPutsZeroAtPixelZero) {
  chart.EndLoad();  // as after loading a form: the axis checks Logarithmic now
  chart.Scale1X()->SetLogarithmic(true);  // RangeLow is 0
  EXPECT_FALSE(chart.Scale1X()->Logarithmic());
  chart.Scale1X()->SetRangeLow(1);
  chart.Scale1X()->SetLogarithmic(true);
  ASSERT_TRUE(chart.Scale1X()->Logarithmic());
  int x, y;
  chart.WorldToPixel(1, 0, 0, x, y);
  EXPECT_EQ(x, 0);
  chart.WorldToPixel(1, 1000, 0, x, y);
  EXPECT_EQ(x, 338);
}

TEST(RChartJoin, TheThreeErrorsLeaveTheTableUnchanged) {
  TRChart chart;
  TJointLayers& joins = chart.JointLayers();
  auto message = [&](TAxisDirection dir, int k, int m) -> std::string {
    try {
      joins.SetControlledBy(dir, k, m);
    } catch (const EVQMRChartError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message(TAxisDirection::X, 2, 17), "Destination layer 17 is out of range");
  EXPECT_EQ(message(TAxisDirection::X, 2, 0), "Destination layer 0 is out of range");
  joins.SetControlledBy(TAxisDirection::X, 1, 3);
  EXPECT_EQ(message(TAxisDirection::X, 2, 1), "Destination layer 1 is already joined");
  joins.SetControlledBy(TAxisDirection::X, 1, 1);  // unjoin
  joins.SetControlledBy(TAxisDirection::X, 2, 1);
  joins.SetControlledBy(TAxisDirection::X, 16, 1);  // the last layer counts as a follower too
  EXPECT_EQ(message(TAxisDirection::X, 1, 3), "Layer 1 is joined by other layers (2, 16)");
  EXPECT_EQ(joins.ControlledBy(TAxisDirection::X, 1), 1);
  EXPECT_EQ(joins.ControlledBy(TAxisDirection::X, 2), 1);
  EXPECT_EQ(joins.ControlledBy(TAxisDirection::Y, 2), 2);
}

TEST(RChartJoin, AJoinedLayerFollowsItsLeader) {
  TRChart chart;
  chart.Scale1X()->SetRangeLow(10);
  chart.Scale1X()->SetRangeHigh(20);
  chart.Scale2Y()->SetRangeHigh(7);
  chart.JointLayers().SetControlledBy(TAxisDirection::X, 2, 1);
  EXPECT_EQ(chart.Scale2X()->RangeLow(), 10);
  EXPECT_EQ(chart.Scale2X()->RangeHigh(), 20);
  EXPECT_EQ(chart.Scale2Y()->RangeHigh(), 7);  // its own Y stays
  chart.Scale1X()->SetRangeHigh(40);
  EXPECT_EQ(chart.Scale2X()->RangeHigh(), 40);
  chart.SetLayerRange(2, 0, 0, 99, 9, false);  // the follower cannot move its X alone
  EXPECT_EQ(chart.Scale2X()->RangeHigh(), 40);
  EXPECT_EQ(chart.Scale2Y()->RangeHigh(), 9);
}

TEST(RChart, RangeSnapshotsFillTheRing) {
  TRChart chart;
  chart.SetLayerRange(1, 0, -1, 50, 1, true);
  EXPECT_EQ(chart.RangeHistory().Pointer(), 3);
  EXPECT_EQ(chart.RangeHistory().Slot(2)[0], (TLayerRect{0, 1, 50, -1}));
  chart.SetLayerRange(1, 0, 0, 0, 0, true);  // a collapsed range is not a change
  EXPECT_EQ(chart.RangeHistory().Pointer(), 3);
  for (int i = 0; i < 14; ++i) chart.SetLayerRange(1, 0, -1, 60 + i, 1, true);
  EXPECT_EQ(chart.RangeHistory().Pointer(), 1);  // wrapped after 16
}

TEST(RChart, ResizingKeepsTheMinimumSize) {
  TRChart chart;
  chart.SetBounds(0, 0, 10, 10);
  EXPECT_EQ(chart.width(), 150);
  EXPECT_EQ(chart.height(), 80);
}

TEST(RChart, StandardLayoutAppliesButReadsTheDefault) {
  TRChart chart;
  chart.SetStandardLayout(rcl_X1Bottom_Y2Both);
  EXPECT_EQ(chart.MarginRight(), 50);
  EXPECT_TRUE(chart.Scale2Y()->Visible());
  EXPECT_EQ(chart.Scale2Y()->ScaleLocation(), slRight);
  EXPECT_EQ(chart.CaptionAnchorHoriz(), cahChartCenter);
  EXPECT_EQ(chart.StandardLayout(), rcl_X1Bottom_Y1Left);
}

TEST(RChart, UseDataOfBetweenCharts) {
  TRChart a, b;
  a.MoveTo(0, 0);
  a.DrawTo(1, 1);
  b.SetUseDataOf(&a);
  EXPECT_EQ(b.UseDataOf(), &a);
  EXPECT_EQ(b.ItemCount(), 2);
  {
    TRChart c;
    c.SetUseDataOf(&a);
    EXPECT_EQ(a.DisplayList().SharerCount(), 2);
  }
  EXPECT_EQ(a.DisplayList().SharerCount(), 1);  // the destroyed chart left the group
}

TEST_F(ShownChart, EmptyListShowsBackgroundGridAndFrame) {
  chart.SetGridStyle(gsLines);
  chart.SetGridColor(clSilver);
  chart.SetGridDx(100);
  chart.SetGridDy(2);
  chart.ClearItems();
  chart.ShowItems();
  EXPECT_EQ(Data(0, 50), clBlack);       // frame, left
  EXPECT_EQ(Data(288, 50), clBlack);     // frame, right (data width 288)
  EXPECT_EQ(Data(50, 376), clBlack);     // frame, bottom (data height 376)
  EXPECT_EQ(Data(29, 50), clSilver);     // x = 100
  EXPECT_EQ(Data(30, 52), clWhite);
  EXPECT_EQ(Data(10, 188), clSilver);    // y = 0
  EXPECT_EQ(Frame(50 + 29, 20 + 50), clSilver);  // shown in the frame image
}

TEST_F(ShownChart, DottedGridLinesAtTheStepValues) {
  chart.SetGridStyle(gsDotLines);
  chart.SetGridColor(clRed);
  chart.SetGridDx(100);
  chart.SetGridDy(2);
  chart.ShowItems();
  std::vector<int> columns, rows;
  for (int x = 1; x < 288; ++x) {
    int red = 0;  // above the first horizontal line only vertical lines are red
    for (int y = 1; y < 40; ++y) red += Data(x, y) == clRed;
    if (red >= 10) columns.push_back(x);
  }
  // Lines at 0 (on the frame), 100 ... 900; 1000 is the upper end.
  std::vector<int> expectedColumns;
  for (int v = 100; v <= 900; v += 100) expectedColumns.push_back(int(std::lrint(v * 0.288)));
  EXPECT_EQ(columns, expectedColumns);
  for (int y = 1; y < 376; ++y)
    if (Data(5, y) == clRed || Data(6, y) == clRed) rows.push_back(y);
  // -4, -2, 0, 2, 4 at 396 - 20 - (v + 5.5) * 376 / 11
  EXPECT_EQ(rows, (std::vector<int>{51, 120, 188, 256, 325}));
  int dots = 0;
  for (int y = 1; y < 376; ++y) dots += Data(29, y) == clRed;
  EXPECT_LT(dots, 300);  // dotted, not solid
  EXPECT_GT(dots, 100);
}

TEST_F(ShownChart, GridStepZeroFollowsTheAxisTicks) {
  chart.SetGridStyle(gsVertLines);
  chart.SetGridColor(clRed);
  chart.SetGridDx(0);
  chart.Paint();  // the axis controls record their ticks while painting
  const TScale& axis = *chart.AxisControlX(1);
  ASSERT_GT(axis.NumTicks(), 2);
  for (int i = 1; i <= axis.NumTicks(); ++i) {
    const double v = axis.TickPos(i);
    if (v <= 0 || v >= 1000) continue;
    int x, y;
    chart.WorldToPixel(1, v, 0, x, y);
    EXPECT_EQ(Data(x - 50, 100), clRed) << v;
  }
}

// Zooming in on (62.5 ns, 4.8 V) by halves, 24 times: while the steps 100 and 2
// leave fewer than two lines, the grid takes the axis's major tick step.
TEST_F(ShownChart, TheGridKeepsAtLeastTwoLinesEachWayAtEveryZoomDepth) {
  chart.SetGridStyle(gsLines);
  chart.SetGridColor(clRed);
  chart.SetGridDx(100);
  chart.SetGridDy(2);
  const int w = chart.DataWidth(), h = chart.DataHeight();
  for (int depth = 0; depth <= 24; ++depth) {
    const double dx = 500.0 / (1 << depth), dy = 5.5 / (1 << depth);
    chart.SetLayerRange(1, 62.5 - dx, 4.8 - dy, 62.5 + dx, 4.8 + dy, false);
    int columns = 0, rows = 0;  // lines: more than half of a column or row red
    for (int i = 1; i < std::max(w, h); ++i) {
      int down = 0, across = 0;
      for (int j = 1; j < std::max(w, h); ++j) {
        down += i < w && j < h && Data(i, j) == clRed;
        across += i < h && j < w && Data(j, i) == clRed;
      }
      columns += down > h / 2;
      rows += across > w / 2;
    }
    EXPECT_GE(columns, depth == 0 ? 10 : 2) << depth;  // -400 .. 500 at first
    EXPECT_GE(rows, 2) << depth;
  }
}

// A client that draws what the visible range shows rebuilds its items in
// OnRangeChange: once per change of a range, before the one repaint.
TEST_F(ShownChart, RangeChangesAreAnnouncedBeforeTheRepaint) {
  int calls = 0;
  chart.OnRangeChange = [&](QObject*) {
    calls += chart.PaintLock() ? 1 : 100;
    chart.ClearItems();
    chart.Line(500, -5.5, 500, 5.5);  // the middle of the new range
  };
  chart.SetLayerRange(1, 0, -5.5, 1000, 5.5, false);  // no change
  chart.ScalePropsChanged();
  chart.SetLayerRange(1, 400, -5.5, 600, 5.5, true);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(Data(chart.DataWidth() / 2, 100), clBlack);  // painted with the rebuilt item
}

TEST_F(ShownChart, LogarithmicGridAtDecades) {
  chart.EndLoad();
  chart.Scale1X()->SetRangeLow(1);
  chart.Scale1X()->SetLogarithmic(true);
  chart.SetGridStyle(gsVertLines);
  chart.SetGridColor(clRed);
  chart.SetGridDx(-1);
  chart.ShowItems();
  std::vector<int> columns;
  for (int x = 0; x < 289; ++x)
    if (Data(x, 100) == clRed) columns.push_back(x);
  EXPECT_EQ(columns, (std::vector<int>{96, 192}));  // 10 and 100; 1 lies under the frame
}

TEST_F(ShownChart, ALineOnOnePixelAndTheRedMarks) {
  chart.SetDataColor(clRed);
  chart.Line(500, 0, 500.1, 0.001);
  chart.Line(100, -1, 100, 1);
  chart.ShowItems();
  EXPECT_TRUE(chart.DataImage().IsAreaOf(chart.FrameImage()));  // drawn in place, not copied
  chart.ShowItems();
  EXPECT_TRUE(chart.DataImage().IsAreaOf(chart.FrameImage()));  // and still at the next update
  EXPECT_EQ(Data(144, 188), clRed);
  EXPECT_EQ(Data(145, 188), clWhite);
  EXPECT_EQ(Data(29, 188 + 34), clRed);   // y = -1 is the first pixel
  EXPECT_EQ(Data(29, 188 - 33), clRed);
  EXPECT_EQ(Data(29, 188 - 34), clWhite); // y = +1 is the end pixel, not drawn
}

TEST_F(ShownChart, MissingBackgroundImageFallsBackToThePlainFill) {
  QTemporaryDir dir;
  chart.BackGroundImg().SetIncludePath(true);
  chart.BackGroundImg().SetName(QDir(dir.path()).filePath("missing.bmp"));
  chart.ShowItems();
  EXPECT_TRUE(chart.BackGroundImg().Name().isEmpty());
  EXPECT_EQ(Data(100, 100), clWhite);
  EXPECT_EQ(Data(0, 100), clBlack);
}

TEST_F(ShownChart, BackgroundImageStretchedOverTheDataArea) {
  QTemporaryDir dir;
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(QColor(0, 0, 255));
  const QString path = QDir(dir.path()).filePath("blue.png");
  ASSERT_TRUE(picture.save(path));
  chart.BackGroundImg().SetIncludePath(true);
  chart.BackGroundImg().SetName(path);
  chart.Line(100, -1, 100, 1);
  chart.ShowItems();
  EXPECT_EQ(Data(100, 100), clBlue);
  EXPECT_EQ(Frame(50 + 29, 20 + 188), clBlack);  // a picture's data image of its own is copied over
  chart.ClearItems();
  chart.Paint();
  EXPECT_EQ(Frame(50 + 29, 20 + 188), clBlue);
  EXPECT_EQ(chart.BackGroundImg().Name(), path);
}

TEST_F(ShownChart, AreaModeFillsTheStripe) {
  chart.BackGroundImg().SetAreaMode(bamVStripe);
  chart.BackGroundImg().SetAreaLeft(100);
  chart.BackGroundImg().SetAreaRight(200);
  chart.ShowItems();
  EXPECT_EQ(Data(40, 100), TColor(14540253));
  EXPECT_EQ(Data(20, 100), clWhite);
  EXPECT_EQ(Data(70, 100), clWhite);
}

TEST_F(ShownChart, NoShadowAtWidthZeroAndAFlyingShadowOtherwise) {
  chart.SetWindColor(clYellow);
  chart.Paint();
  EXPECT_EQ(Frame(357, 435), clYellow);
  EXPECT_EQ(Frame(0, 0), clYellow);  // no black outline
  EXPECT_EQ(Frame(300, 0), clYellow);
  chart.SetShadowWidth(8);
  EXPECT_EQ(Frame(0, 0), clBlack);   // the outline
  EXPECT_EQ(Frame(356, 434), ResolveColor(clGrayText));
  EXPECT_EQ(Frame(356, 2), ResolveColor(clBtnFace));  // the free corner
}

TEST_F(ShownChart, QuickPathKeepsTheAxesAndEventsSeeTheCanvas) {
  int before = 0, after = 0, scales = 0;
  chart.OnBeforeRenderData = [&](QObject* sender, TCanvas*& canvas, int top, int left) {
    EXPECT_EQ(sender, &chart);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(left, 50);
    canvas->Pen.Color = clRed;  // restored by the chart
    ++before;
  };
  chart.OnDataRendered = [&](QObject*, TCanvas*& canvas, int, int) {
    canvas->SetPixel(10, 10, clLime);
    ++after;
  };
  chart.OnScalesRendered = [&](QObject*, TCanvas*&, int top, int left) {
    EXPECT_EQ(top, 0);
    EXPECT_EQ(left, 0);
    ++scales;
  };
  chart.Paint();
  EXPECT_EQ(scales, 1);
  chart.MoveTo(0, 0);
  chart.DrawTo(1000, 0);
  chart.ShowItems();
  EXPECT_EQ(before, 2);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(scales, 1);  // the quick path does not redraw the axes
  EXPECT_EQ(Frame(60, 30), clLime);
  EXPECT_EQ(Frame(100, 208), clBlack);  // the curve reached the frame image
}

}  // namespace
}  // namespace vqm

namespace vqm {
namespace {

TEST_F(ShownChart, AxisTicksAreReportedWithTheChartAsSender) {
  std::vector<double> xTicks;
  chart.OnScaleTickDrawn = [&](QObject* sender, TCanvas*& canvas, TScaleType type, double pos, int x, int y) {
    EXPECT_EQ(sender, &chart);
    EXPECT_EQ(canvas, &chart.FrameImage().Canvas());
    if (type == sctXT) {
      xTicks.push_back(pos);
      EXPECT_EQ(y, 436 - 40);  // on the data area's bottom edge
    }
  };
  chart.Paint();
  ASSERT_FALSE(xTicks.empty());
  EXPECT_EQ(xTicks.front(), 0);
}

}  // namespace
}  // namespace vqm

namespace vqm {
namespace {

TEST(RChartBackground, NamesKeepOnlyTheirFilePartUnlessIncludePath) {
  TBakGndImg image;
  int changes = 0;
  image.OnChange = [&] { ++changes; };
  image.SetName("/some/dir/back.bmp");
  EXPECT_EQ(image.Name(), "back.bmp");
  image.SetIncludePath(true);
  image.SetName("/some/dir/back.bmp");
  EXPECT_EQ(image.Name(), "/some/dir/back.bmp");
  image.SetIncludePath(false);
  EXPECT_EQ(image.Name(), "back.bmp");
  EXPECT_EQ(changes, 4);
  // Every other write notifies too, so the chart repaints.
  image.SetFillMode(bfTile);
  image.SetAreaMode(bamRect);
  image.SetAreaColor(clRed);
  image.SetAreaLeft(1);
  image.SetAreaRight(2);
  image.SetAreaTop(3);
  image.SetAreaBottom(4);
  EXPECT_EQ(changes, 11);
}

TEST_F(ShownChart, IsometricSetsTheVerticalRangeFromTheDataAreaShape) {
  chart.SetIsometric(true);
  // (1000 - 0) * (376 + 1) / (288 + 1) + (-5.5)
  EXPECT_NEAR(chart.Scale1Y()->RangeHigh(), 1000.0 * 377 / 289 - 5.5, 1e-9);
  EXPECT_EQ(chart.Scale1Y()->RangeLow(), -5.5);
}

TEST_F(ShownChart, ASharingChartShowsTheOwnersItemsWithItsOwnAxes) {
  TRChart other;
  other.resize(358, 436);
  other.Scale1X()->SetRangeHigh(2000);  // twice the range: half the distance
  other.Scale1Y()->SetRangeLow(-5.5);
  other.Scale1Y()->SetRangeHigh(5.5);
  other.show();
  other.SetUseDataOf(&chart);
  chart.SetDataColor(clRed);
  chart.Line(1000, -1, 1000, 1);
  chart.ShowItems();  // asks the sharing chart to repaint
  EXPECT_EQ(other.ItemCount(), 1);
  EXPECT_EQ(other.DataImage().Canvas().GetPixel(144, 188), clRed);
  EXPECT_EQ(Data(288, 188), clBlack);  // on the owner it lies under the right frame
}

}  // namespace
}  // namespace vqm

namespace vqm {
namespace {

// One axis-property write repaints the chart once, whatever the number of layers.
TEST_F(ShownChart, AxisPropertyWritePaintsOnce) {
  int paints = 0;
  chart.OnScalesRendered = [&](QObject*, TCanvas*&, int, int) { ++paints; };
  chart.Scale1X()->SetRangeHigh(500);
  EXPECT_EQ(paints, 1);
  chart.Scale2Y()->SetCaption(QStringLiteral("U"));
  EXPECT_EQ(paints, 2);
  int x, y;
  chart.WorldToPixel(1, 500, 0, x, y);
  EXPECT_EQ(x, 358 - 20);  // the new range is mapped
}

}  // namespace
}  // namespace vqm

namespace vqm {
namespace {

// A date/time axis of a chart draws calendar labels in the axis's own date format.
TEST_F(ShownChart, DateTimeAxisDrawsClockAndDateLabels) {
  chart.Scale1X()->SetLabelType(ftDateTime);
  chart.Scale1X()->SetRangeLow(36526);  // 2000-01-01 00:00 to 10:00
  chart.Scale1X()->SetRangeHigh(36526 + 10.0 / 24);
  chart.Scale1X()->DateFormat().SetTimeFormat(tfAMPM);
  chart.Paint();
  std::vector<std::string> labels, dates;
  for (const TTick& t : chart.AxisControlX(1)->LastPass().Ticks) {
    if (t.HasLabel) labels.push_back(t.Label);
    if (!t.DateLine.empty()) dates.push_back(t.DateLine);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"12am", "3am", "6am", "9am"}));
  EXPECT_EQ(dates, (std::vector<std::string>{"01-Jan-2000"}));
  // The labels are painted below the data area's bottom edge (y = 396).
  int labelPixels = 0;
  for (int y = 400; y < 436; ++y)
    for (int x = 0; x < 358; ++x) labelPixels += Frame(x, y) != chart.FrameImage().Canvas().GetPixel(0, 435);
  EXPECT_GT(labelPixels, 50);
}

}  // namespace
}  // namespace vqm

namespace vqm {
namespace {

// The caption at every anchor and alignment, found as the pixels that differ
// between a frame image drawn without and with it (taken before the data image
// covers the data area), against the same text written at a known point.
TEST_F(ShownChart, CaptionAnchorsAndAlignment) {
  chart.Scale1X()->SetVisible(false);
  chart.Scale1Y()->SetVisible(false);
  chart.SetShadowWidth(4);  // data area 284 x 372
  QImage snapshot;
  TFont font;
  chart.OnScalesRendered = [&](QObject*, TCanvas*& canvas, int, int) {
    snapshot = *static_cast<TImageCanvas*>(canvas)->Image();
    font = canvas->Font;
  };
  auto topLeftOfInk = [](const QImage& a, const QImage& b) {
    QPoint min(100000, 100000);
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) min = QPoint(std::min(min.x(), x), std::min(min.y(), y));
    return min;
  };
  const QString text = QStringLiteral("Ab");
  struct Case {
    TCaptionAnchorHoriz horiz;
    TCaptionAnchorVert vert;
    TAlignment alignment;
    int posX, posY;
    int x, y;  // expected origin before the alignment
  };
  const Case cases[] = {
      {cahControlLeft, cavControlTop, taLeftJustify, 3, 5, 3, 5},
      {cahChartLeft, cavChartTop, taRightJustify, 3, 5, 53, 25},
      {cahChartCenter, cavChartCenter, taCenter, 3, 5, 3 + 50 + 142, 5 + 20 + 186},
      {cahChartRight, cavChartBottom, taLeftJustify, 3, 5, 3 + 358 - 20 - 4, 5 + 436 - 40},
      {cahControlRight, cavControlBottom, taRightJustify, -3, -20, -3 + 358, -20 + 436},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.horiz));
    chart.SetCaption(QString());
    chart.SetCaptionAnchorHoriz(c.horiz);
    chart.SetCaptionAnchorVert(c.vert);
    chart.SetCaptionAlignment(c.alignment);
    chart.SetCaptionPosX(c.posX);
    chart.SetCaptionPosY(c.posY);
    const QImage without = snapshot;
    chart.SetCaption(text);
    const QImage with = snapshot;

    QImage blank(200, 100, QImage::Format_RGB32), written;
    blank.fill(0xFFFFFFFFu);
    written = blank;
    {
      TImageCanvas reference(&written);
      reference.Font = font;
      reference.Brush.Style = bsClear;
      reference.TextOut(50, 50, text);
    }
    TImageCanvas measure(&blank);
    measure.Font = font;
    const int tw = measure.TextWidth(text);
    const QPoint inkOffset = topLeftOfInk(blank, written) - QPoint(50, 50);
    const int shift = c.alignment == taRightJustify ? tw : c.alignment == taCenter ? tw / 2 : 0;
    EXPECT_EQ(topLeftOfInk(without, with) - inkOffset, QPoint(c.x - shift, c.y));
  }
}

TEST_F(ShownChart, ShadowStyles) {
  struct Case {
    TShadowStyle style;
    TColor innerCorner, bottomEdge;
  };
  const Case cases[] = {
      {ssFlying, ResolveColor(clBtnFace), ResolveColor(clGrayText)},  // slanted, no black edge
      {ssBox, clBlack, clBlack},
  };
  chart.SetWindColor(clYellow);
  chart.SetShadowWidth(8);
  for (const Case& c : cases) {
    chart.SetShadowStyle(c.style);
    EXPECT_EQ(Frame(3, 431), c.innerCorner) << int(c.style);
    EXPECT_EQ(Frame(200, 435), c.bottomEdge) << int(c.style);
    EXPECT_EQ(Frame(200, 431), ResolveColor(clGrayText)) << int(c.style);
    EXPECT_EQ(Frame(354, 200), ResolveColor(clGrayText)) << int(c.style);
    EXPECT_EQ(Frame(350, 200), clBlack) << int(c.style);  // the outline
  }
}

TEST_F(ShownChart, BackgroundFillModesAndAreaModes) {
  QTemporaryDir dir;
  QImage picture(3, 3, QImage::Format_RGB32);
  picture.fill(QColor(0, 0, 255));
  picture.setPixel(1, 1, 0xFFFF0000u);
  const QString path = QDir(dir.path()).filePath("tile.png");
  ASSERT_TRUE(picture.save(path));
  struct Probe {
    int x, y;
    TColor color;
  };
  struct FillCase {
    TBkgFill mode;
    std::vector<Probe> probes;
  };
  const FillCase fills[] = {
      {bfSimple, {{1, 1, clRed}, {2, 2, clBlue}, {3, 3, clWhite}, {100, 100, clWhite}, {1, 100, clWhite}}},
      {bfTile, {{4, 4, clRed}, {7, 1, clRed}, {100, 100, clRed}, {5, 5, clBlue}, {99, 99, clBlue}}},
      {bfStretch, {{144, 188, clRed}, {50, 50, clBlue}, {250, 300, clBlue}}},
  };
  chart.BackGroundImg().SetIncludePath(true);
  chart.BackGroundImg().SetAreaMode(bamRect);  // not drawn under a picture
  for (const FillCase& c : fills) {
    chart.BackGroundImg().SetFillMode(c.mode);
    chart.BackGroundImg().SetName(path);
    for (const Probe& p : c.probes) EXPECT_EQ(Data(p.x, p.y), p.color) << int(c.mode) << ": " << p.x << "," << p.y;
  }

  chart.BackGroundImg().SetName(QString());
  chart.BackGroundImg().SetAreaColor(clLime);
  chart.BackGroundImg().SetAreaLeft(100);   // data x 29
  chart.BackGroundImg().SetAreaRight(200);  // 58
  chart.BackGroundImg().SetAreaTop(2);      // data y 120
  chart.BackGroundImg().SetAreaBottom(-2);  // 256
  struct AreaCase {
    TBGAreaMode mode;
    const char* rows;  // x 10, 40, 150 by y 60, 188, 320: '#' area colour
  };
  const AreaCase areas[] = {
      {bamNone, "... ... ..."},  {bamLeft, "#.. #.. #.."},   {bamRight, "..# ..# ..#"},
      {bamTop, "### ... ..."},   {bamBottom, "... ... ###"}, {bamVStripe, ".#. .#. .#."},
      {bamHStripe, "... ### ..."}, {bamRect, "... .#. ..."},
  };
  for (const AreaCase& c : areas) {
    chart.BackGroundImg().SetAreaMode(c.mode);
    std::string seen;
    for (int y : {60, 188, 320}) {
      if (!seen.empty()) seen += ' ';
      for (int x : {10, 40, 150}) seen += Data(x, y) == clLime ? '#' : Data(x, y) == clWhite ? '.' : '?';
    }
    EXPECT_EQ(seen, c.rows) << int(c.mode);
  }
  EXPECT_EQ(Data(1, 188), clWhite);  // the frame is one pixel wide
  EXPECT_EQ(Data(287, 188), clWhite);
}

// Grid lines at x = 100 (column 29) and y = 4 (row 51), steps 100 and 2: how many
// red pixels each style leaves in that column and row (inside the frame).
TEST_F(ShownChart, GridStyles) {
  struct Case {
    GridStyleType style;
    int column, row;
  };
  const Case cases[] = {
      {gsNone, 0, 0},
      {gsPoints, 5, 9},           // the crossings only
      {gsVertLines, 375, 9},
      {gsHorizLines, 5, 287},
      {gsLines, 375, 287},
      {gsHorizDotLines, 0, 143},  // 3 on, 3 off from x = 0: column 29 falls in a gap
      {gsVertDotLines, 188, 9},   // from the bottom up, row 51 is on
      {gsDotLines, 185, 143},     // the horizontal lines' gaps clear three of the column's dots
  };
  chart.SetGridColor(clRed);
  chart.SetGridDx(100);
  chart.SetGridDy(2);
  for (const Case& c : cases) {
    chart.SetGridStyle(c.style);
    int column = 0, row = 0;
    for (int y = 1; y < 376; ++y) column += Data(29, y) == clRed;
    for (int x = 1; x < 288; ++x) row += Data(x, 51) == clRed;
    EXPECT_EQ(column, c.column) << int(c.style);
    EXPECT_EQ(row, c.row) << int(c.style);
  }
  // At most 1000 points: 200 x 11 are asked for, column by column; the 11 of
  // the first column lie under the frame.
  chart.SetGridStyle(gsPoints);
  chart.SetGridDx(5);
  chart.SetGridDy(1);
  int points = 0;
  for (int y = 0; y < 377; ++y)
    for (int x = 0; x < 289; ++x) points += Data(x, y) == clRed;
  EXPECT_EQ(points, 989);
}

// What ShowItems and ClearItems bring to the screen (the frame image).
TEST_F(ShownChart, ShowItemsAndClearItemsByAutoRedrawAndVisibility) {
  struct Case {
    bool autoRedraw, visible;
    int fullPaints, dataPaints;
  };
  const Case cases[] = {{true, true, 0, 1}, {false, true, 1, 1}, {true, false, 0, 0}, {false, false, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.autoRedraw) + std::to_string(c.visible));
    chart.SetAutoRedraw(true);
    chart.show();
    chart.ClearItems();
    chart.ShowItems();
    chart.setVisible(c.visible);
    chart.SetAutoRedraw(c.autoRedraw);
    int full = 0, data = 0;
    chart.OnScalesRendered = [&](QObject*, TCanvas*&, int, int) { ++full; };
    chart.OnDataRendered = [&](QObject*, TCanvas*&, int, int) { ++data; };
    chart.MoveTo(0, 0);
    chart.DrawTo(1000, 0);
    chart.ShowItems();
    EXPECT_EQ(full, c.fullPaints);
    EXPECT_EQ(data, c.dataPaints);
    EXPECT_EQ(Frame(100, 208), c.visible ? clBlack : clWhite);
    chart.ClearItems();  // the screen keeps the picture until it is shown again
    EXPECT_EQ(Frame(100, 208), c.visible ? clBlack : clWhite);
    chart.ShowItems();
    EXPECT_EQ(Frame(100, 208), clWhite);
    chart.OnScalesRendered = nullptr;
    chart.OnDataRendered = nullptr;
  }
}

TEST(RChartJoin, BothDirectionsFollowTheirOwnAxisOnly) {
  for (TAxisDirection dir : {TAxisDirection::X, TAxisDirection::Y}) {
    TRChart chart;
    const bool x = dir == TAxisDirection::X;
    TScaleProps& leader = x ? static_cast<TScaleProps&>(*chart.Scale3X()) : *chart.Scale3Y();
    TScaleProps& follower = x ? static_cast<TScaleProps&>(*chart.Scale4X()) : *chart.Scale4Y();
    TScaleProps& other = x ? static_cast<TScaleProps&>(*chart.Scale4Y()) : *chart.Scale4X();
    leader.SetRangeLow(-3);
    chart.JointLayers().SetControlledBy(dir, 4, 3);
    EXPECT_EQ(follower.RangeLow(), -3) << int(dir);
    leader.SetRangeHigh(77);
    EXPECT_EQ(follower.RangeHigh(), 77) << int(dir);
    EXPECT_NE(other.RangeHigh(), 77) << int(dir);
  }
}

// The isometric rule after a resize, and the axis margins after a shadow change.
TEST_F(ShownChart, IsometricOnResizeAndAxisMarginsAfterAShadow) {
  chart.SetIsometric(true);
  chart.resize(400, 300);  // data area 330 x 240
  EXPECT_NEAR(chart.Scale1Y()->RangeHigh(), 1000.0 * 241 / 331 - 5.5, 1e-9);

  chart.SetShadowWidth(8);
  EXPECT_EQ(chart.AxisControlX(1)->MarginRight(), 20 + 8 - 1);
  EXPECT_EQ(chart.AxisControlY(1)->MarginBottom(), 40 + 8 - 1);
  EXPECT_EQ(chart.AxisControlX(1)->MarginTop(), 300 - 40 - 8);  // the X axis sits on the data frame
}

// The picture painted onto other canvases (a page's) is the screen picture:
// with both canvases off-screen images, the pixels agree everywhere.
TEST_F(ShownChart, PaintOnOtherCanvasesGivesTheScreenPicture) {
  chart.SetCaption(QStringLiteral("Caption"));
  chart.SetGridStyle(gsDotLines);
  chart.SetShadowWidth(4);
  chart.MoveTo(0, 0);
  for (int i = 1; i <= 100; ++i) chart.DrawTo(i * 10, 4.0 * std::sin(i / 8.0));
  chart.SetDataColor(clRed);
  chart.Line(500, -1, 500, 1);
  const double low = chart.ScaleY(1)->RangeLow(), high = chart.ScaleY(1)->RangeHigh();
  chart.Line(700, low, 700, high);
  chart.SetChartFrameColor(clBlue);  // not the axes' black below it
  chart.ShowItems();
  chart.Paint();
  const QImage screen = chart.FrameImage().Image().copy();
  // The data area's picture reaches its frame's far row, so a line from the
  // low end shows up to the row just above the frame.
  int x700 = 0, yLow = 0;
  chart.WorldToPixel(1, 700, low, x700, yLow);
  ASSERT_EQ(yLow, chart.DataBottom());
  EXPECT_EQ(screen.pixel(x700, yLow - 1), ToQRgb(clRed));
  EXPECT_EQ(screen.pixel(x700, yLow), ToQRgb(chart.ChartFrameColor()));

  TBitmap whole(chart.width(), chart.height());
  TBitmap dataArea(chart.DataWidth() + 1, chart.DataHeight() + 1);
  chart.PaintOn(whole.Canvas(), dataArea.Canvas());
  whole.Canvas().Draw(chart.MarginLeft(), chart.MarginTop(), dataArea.Image());
  const QImage other = whole.Image();
  ASSERT_EQ(other.size(), screen.size());
  int differing = 0;
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x) differing += screen.pixel(x, y) != other.pixel(x, y);
  EXPECT_EQ(differing, 0);
  // The scales went back to drawing into the chart's own picture, at its origin.
  EXPECT_EQ(chart.AxisControlX(1)->Target(), &chart.FrameImage().Canvas());
  chart.Paint();
  EXPECT_EQ(chart.FrameImage().Image(), screen);

  // Crosshairs go over the whole canvas (on a page, after the data area), at
  // the control's own pixels.
  chart.CrossHair(1)->SetMode(chBoth);
  chart.CrossHair(1)->SetPosX(300);
  TBitmap page(chart.width(), chart.height());
  chart.PaintOn(page.Canvas(), dataArea.Canvas());
  int cx = 0, cy = 0;
  chart.WorldToPixel(1, 300, 0, cx, cy);
  const TColor cross = ResolveColor(chart.CrossHair(1)->Color());
  EXPECT_EQ(page.Canvas().GetPixel(cx - 20, cy), cross);
  EXPECT_NE(page.Canvas().GetPixel(cx - 20, cy - 1), cross);
  EXPECT_EQ(page.Canvas().GetPixel(cx, chart.MarginTop() + 1), cross);
  EXPECT_NE(page.Canvas().GetPixel(cx, chart.MarginTop()), cross);
}

}  // namespace
}  // namespace vqm
