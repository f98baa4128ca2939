// Real mouse events on a chart: panning and zooming with the values worked out
// by hand from the formulas, the zoom window both ways, dragging crosshairs and
// labels, the cursor by mode, and the zoom history back and forward.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "chart/chart_cursors.h"
#include "chart/rchart.h"

namespace vqm {
namespace {

// A shown 300 x 200 chart (margins 50/20/20/40): the data area is columns
// 50..280 and rows 20..160, and layer 1 maps one world unit to one pixel
// (x = column - 50, y = 160 - row).
class MouseChart : public ::testing::Test {
 protected:
  MouseChart() {
    chart.resize(300, 200);
    SetRanges(0, 230, 0, 140);
    chart.show();
    chart.ResetRangeHistory();  // the history starts from these ranges
    chart.OnZoomPan = [this](QObject*) { ++zoomPans; };
  }
  void SetRanges(double xl, double xh, double yl, double yh, int layer = 1) {
    chart.ScaleX(layer)->SetRangeLow(xl);
    chart.ScaleX(layer)->SetRangeHigh(xh);
    chart.ScaleY(layer)->SetRangeLow(yl);
    chart.ScaleY(layer)->SetRangeHigh(yh);
  }
  // Press at `press`, move through `moves` with the left button held, release.
  void Drag(QPoint press, std::initializer_list<QPoint> moves, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&chart, button, {}, press);
    QPoint last = press;
    for (QPoint p : moves) {
      QTest::mouseMove(&chart, p);
      last = p;
    }
    QTest::mouseRelease(&chart, button, {}, last);
  }
  void ExpectRanges(double xl, double xh, double yl, double yh, int layer = 1) {
    EXPECT_NEAR(chart.ScaleX(layer)->RangeLow(), xl, 1e-9 * (1 + std::fabs(xl)));
    EXPECT_NEAR(chart.ScaleX(layer)->RangeHigh(), xh, 1e-9 * (1 + std::fabs(xh)));
    EXPECT_NEAR(chart.ScaleY(layer)->RangeLow(), yl, 1e-9 * (1 + std::fabs(yl)));
    EXPECT_NEAR(chart.ScaleY(layer)->RangeHigh(), yh, 1e-9 * (1 + std::fabs(yh)));
  }
  TRChart chart;
  int zoomPans = 0;
};

TEST_F(MouseChart, PanFollowsThePointerFromTheFirstMoveOnLinearAxes) {
  struct Case {
    TMouseActMode mode;
    double xl, xh, yl, yh;
  };
  // Press at (100, 100), first move (110, 100) arms, then (130, 90): 20 pixels
  // right and 10 up, one unit per pixel. The press position plays no part.
  const Case cases[] = {{maPan, -20, 210, -10, 130}, {maPanHoriz, -20, 210, 0, 140}, {maPanVert, 0, 230, -10, 130}};
  for (const Case& k : cases) {
    SCOPED_TRACE(int(k.mode));
    SetRanges(0, 230, 0, 140);
    SetRanges(5, 6, 5, 6, 2);
    chart.SetMouseAction(k.mode);
    zoomPans = 0;
    const int pointer = chart.RangeHistory().Pointer();
    Drag({100, 100}, {{110, 100}, {130, 90}});
    ExpectRanges(k.xl, k.xh, k.yl, k.yh);
    ExpectRanges(5, 6, 5, 6, 2);  // only layer 1's mouse switch is on
    EXPECT_EQ(zoomPans, 1);
    EXPECT_EQ(chart.RangeHistory().Pointer(), pointer % 16 + 1);  // one snapshot for the gesture
  }
}

TEST_F(MouseChart, PanOnLogarithmicAxes) {
  chart.Scale1X()->SetRangeLow(1);
  chart.Scale1X()->SetRangeHigh(1000);
  chart.Scale1X()->SetLogarithmic(true);
  chart.Scale1Y()->SetRangeLow(1);
  chart.Scale1Y()->SetRangeHigh(100);
  chart.Scale1Y()->SetLogarithmic(true);
  chart.SetMouseAction(maPan);
  // 23 of 230 pixels left: X scales by 1000^0.1; 14 of 140 pixels up: Y by 100^-0.1.
  Drag({110, 100}, {{110, 100}, {87, 86}});
  const double fx = std::pow(10.0, 0.3), fy = std::pow(10.0, -0.2);
  ExpectRanges(fx, 1000 * fx, fy, 100 * fy);
}

TEST_F(MouseChart, ZoomDragAboutTheMiddleAndItsRefusals) {
  chart.SetMouseAction(maZoomDrag);
  // 30 of 300 pixels right and 20 of 200 up: both ranges shrink to 0.9.
  Drag({110, 100}, {{110, 100}, {140, 80}});
  ExpectRanges(11.5, 218.5, 7, 133);
  // 20 pixels down widens Y to 1.1 of the start range.
  SetRanges(0, 230, 0, 140);
  Drag({110, 100}, {{110, 100}, {140, 120}});
  ExpectRanges(11.5, 218.5, -7, 147);
  // Isometric: Y follows X's factor whatever the vertical move.
  chart.SetIsometric(true);
  SetRanges(0, 230, 0, 100);
  Drag({110, 100}, {{110, 100}, {140, 150}});
  ExpectRanges(11.5, 218.5, 5, 95);
  chart.SetIsometric(false);

  // 1..100 on a logarithmic axis dragged 40 pixels left would reach below zero.
  SetRanges(1, 100, 0, 140);
  chart.Scale1X()->SetLogarithmic(true);
  zoomPans = 0;
  const int pointer = chart.RangeHistory().Pointer();
  Drag({150, 100}, {{150, 100}, {110, 100}});
  ExpectRanges(1, 100, 0, 140);
  EXPECT_EQ(zoomPans, 0);
  EXPECT_EQ(chart.RangeHistory().Pointer(), pointer);
  chart.Scale1X()->SetLogarithmic(false);

  // With zero margins a drag across the whole width would leave an empty range.
  chart.SetMarginLeft(0);
  chart.SetMarginRight(0);
  SetRanges(0, 300, 0, 140);
  Drag({0, 100}, {{0, 100}, {300, 100}});
  ExpectRanges(0, 300, 0, 140);
}

// + zooms in down to the axis's smallest span, that span included, no further.
TEST_F(MouseChart, KeyZoomStopsAtTheSmallestSpan) {
  chart.ScaleY(1)->SetMinRange(35);
  chart.setFocus();
  for (double span : {70.0, 35.0, 35.0}) {
    QTest::keyClick(&chart, Qt::Key_Plus);
    EXPECT_EQ(chart.ScaleY(1)->RangeHigh() - chart.ScaleY(1)->RangeLow(), span);
  }
}

TEST_F(MouseChart, ZoomWindowBothWaysInEachMode) {
  struct Case {
    TMouseActMode mode;
    QPoint from, to;
    double xl, xh, yl, yh;
  };
  const Case cases[] = {
      {maZoomWind, {100, 40}, {200, 120}, 50, 150, 40, 120},     // the usual gesture keeps the axes
      {maZoomWind, {200, 120}, {100, 40}, 150, 50, 120, 40},     // from the lower right: both mirrored
      {maZoomWind, {100, 120}, {200, 40}, 50, 150, 120, 40},     // from bottom to top: Y mirrored
      {maZoomWindPos, {100, 40}, {200, 120}, 50, 150, 40, 120},
      {maZoomWindPos, {200, 120}, {100, 40}, 50, 150, 40, 120},  // the same ranges either way
      {maZoomWind, {100, 40}, {100, 120}, 0, 230, 0, 140},       // no width: nothing
      {maZoomWind, {100, 40}, {200, 40}, 0, 230, 0, 140},        // no height: nothing
      {maZoomWind, {100, 40}, {400, 190}, 50, 230, 0, 120},      // the corner stays in the data area
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << int(k.mode) << " to " << k.to.x() << "," << k.to.y());
    SetRanges(0, 230, 0, 140);
    chart.SetMouseAction(k.mode);
    zoomPans = 0;
    Drag(k.from, {k.to});
    ExpectRanges(k.xl, k.xh, k.yl, k.yh);
    EXPECT_EQ(zoomPans, k.xl == 0 && k.xh == 230 ? 0 : 1);
    EXPECT_FALSE(chart.ZoomWindowOpen());
  }
}

TEST_F(MouseChart, ZoomWindowIsDrawnOverThePictureAndCancelledByTheRightButton) {
  chart.SetMouseAction(maZoomWind);
  const QImage before = chart.grab().toImage();
  QTest::mousePress(&chart, Qt::LeftButton, {}, {100, 40});
  QTest::mouseMove(&chart, {200, 120});
  const QImage open = chart.grab().toImage();
  // The outline is the picture exclusive-or white: columns 100..199, rows 40..119.
  for (QPoint p : {QPoint(100, 40), QPoint(199, 40), QPoint(150, 119), QPoint(100, 80), QPoint(199, 80)})
    EXPECT_EQ(open.pixel(p) & 0xFFFFFF, (before.pixel(p) ^ 0xFFFFFF) & 0xFFFFFF) << p.x() << "," << p.y();
  EXPECT_EQ(open.pixel(150, 80), before.pixel(150, 80));  // inside untouched
  EXPECT_EQ(open.pixel(200, 80), before.pixel(200, 80));
  // The middle button leaves the window open; the right one cancels it.
  QTest::mouseClick(&chart, Qt::MiddleButton, {}, {200, 120});
  EXPECT_TRUE(chart.ZoomWindowOpen());
  QTest::mouseClick(&chart, Qt::RightButton, {}, {200, 120});
  EXPECT_FALSE(chart.ZoomWindowOpen());
  EXPECT_TRUE(chart.grab().toImage() == before);
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, {200, 120});
  ExpectRanges(0, 230, 0, 140);
  EXPECT_EQ(zoomPans, 0);
}

TEST_F(MouseChart, DraggingCrossHairs) {
  chart.SetMouseAction(maDragCrossH);
  for (int n = 1; n <= 4; ++n) chart.CrossHair(n)->SetLayer(1);
  // Off: even then crosshair 1 is dragged, and stays invisible.
  std::vector<TCrossHair*> moved;
  chart.OnCrossHairMove = [&](QObject*, TCrossHair* c) { moved.push_back(c); };
  Drag({82, 120}, {{82, 120}, {90, 100}});
  EXPECT_EQ(chart.CrossHair1()->PosX(), 40);
  EXPECT_EQ(chart.CrossHair1()->PosY(), 60);
  EXPECT_EQ(chart.CrossHair1()->Mode(), chOff);

  chart.CrossHair1()->SetMode(chVert);  // column 80
  chart.CrossHair1()->SetPosX(30);
  chart.CrossHair2()->SetMode(chHoriz);  // row 60
  chart.CrossHair2()->SetPosY(100);
  chart.CrossHair3()->SetMode(chBoth);  // column 200, row 140
  chart.CrossHair3()->SetPosX(150);
  chart.CrossHair3()->SetPosY(20);
  struct Case {
    QPoint grab;
    int picked;
  };
  // The last one is as near to crosshair 3's vertical line as to 1's: the lower number wins.
  const Case cases[] = {{{82, 120}, 1}, {{150, 63}, 2}, {{120, 138}, 3}, {{165, 130}, 1}};
  for (const Case& k : cases) {
    moved.clear();
    Drag(k.grab, {k.grab, {160, 100}});
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], chart.CrossHair(k.picked));
    EXPECT_EQ(moved[0]->PosX(), 110);
    EXPECT_EQ(moved[0]->PosY(), 60);
  }
}

TEST_F(MouseChart, DraggingLabelsInEachAttachMode) {
  chart.SetMouseAction(maDragLabel);
  TTextLabel& far = *chart.TextLabel(1);  // a visible label straight below the dragged one
  far.SetAttachToData(tlamNone);
  far.SetPosX(150);
  far.SetPosY(150);
  far.SetCaption(QStringLiteral("far"));
  far.SetVisible(true);
  TTextLabel& l = *chart.TextLabel(2);
  l.SetCaption(QStringLiteral("dragged"));
  l.SetVisible(true);
  struct Case {
    TTxtLblAttachMode mode;
    double x, y;  // after dragging the anchor (150, 90) to (160, 100)
  };
  const Case cases[] = {{tlamNone, 160, 100}, {tlamXOnly, 110, 100}, {tlamYOnly, 160, 60}, {tlamBoth, 110, 60}};
  TTextLabel* moved = nullptr;
  chart.OnTextLabelMove = [&](QObject*, TTextLabel* which) { moved = which; };
  for (const Case& k : cases) {
    SCOPED_TRACE(int(k.mode));
    l.SetAttachToData(k.mode);
    const bool worldX = k.mode == tlamXOnly || k.mode == tlamBoth, worldY = k.mode == tlamYOnly || k.mode == tlamBoth;
    l.SetPosX(worldX ? 100 : 150);
    l.SetPosY(worldY ? 70 : 90);
    moved = nullptr;
    Drag({148, 92}, {{148, 92}, {160, 100}});
    EXPECT_EQ(moved, &l);
    EXPECT_EQ(l.PosX(), k.x);
    EXPECT_EQ(l.PosY(), k.y);
  }
  EXPECT_EQ(far.PosY(), 150);
  // Without AutoRedraw the label's own notices paint nothing; the drag paints.
  chart.SetAutoRedraw(false);
  l.SetAttachToData(tlamNone);
  l.SetMode(tlBox);
  l.SetPosX(150);
  l.SetPosY(90);
  Drag({150, 90}, {{150, 90}, {150, 130}});
  TBitmap m(1, 1);
  m.Canvas().Font = l.Font();
  const int w = m.Canvas().TextWidth(l.Caption());
  EXPECT_EQ(chart.FrameImage().Canvas().GetPixel(150 - w / 2 - 4, 130 - 4), clBlack);  // the box's left edge
}

TEST_F(MouseChart, CursorByModeInsideAndOutsideTheDataArea) {
  ASSERT_TRUE(ChartCursor(1).has_value());  // the library's own images are registered
  const QImage pan = ChartCursor(1)->pixmap().toImage();
  const QImage zoomDrag = ChartCursor(3)->pixmap().toImage();
  chart.SetMouseCursorFixed(false);
  struct Case {
    TMouseActMode mode;
    Qt::CursorShape shape;  // Qt::BitmapCursor: the slot's image
    const QImage* image;
  };
  const Case cases[] = {{maNone, Qt::CrossCursor, nullptr}, {maPanVert, Qt::BitmapCursor, &pan},
                        {maZoomDrag, Qt::BitmapCursor, &zoomDrag}, {maDragLabel, Qt::ArrowCursor, nullptr}};
  for (const Case& k : cases) {
    SCOPED_TRACE(int(k.mode));
    chart.SetMouseAction(k.mode);
    QTest::mouseMove(&chart, {150, 90});
    EXPECT_EQ(chart.cursor().shape(), k.shape);
    if (k.image) {
      EXPECT_TRUE(chart.cursor().pixmap().toImage() == *k.image);
    }
    QTest::mouseMove(&chart, {10, 10});
    EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
  }
  // The data area includes its frame's columns and rows; a pixel beyond them is outside.
  chart.SetMouseAction(maNone);
  for (const auto& [at, shape] : {std::pair{QPoint(chart.MarginLeft(), chart.MarginTop()), Qt::CrossCursor},
                                  std::pair{QPoint(chart.DataRight(), chart.DataBottom()), Qt::CrossCursor},
                                  std::pair{QPoint(chart.MarginLeft() - 1, 90), Qt::ArrowCursor},
                                  std::pair{QPoint(150, chart.MarginTop() - 1), Qt::ArrowCursor},
                                  std::pair{QPoint(chart.DataRight() + 1, 90), Qt::ArrowCursor},
                                  std::pair{QPoint(150, chart.DataBottom() + 1), Qt::ArrowCursor}}) {
    QTest::mouseMove(&chart, at);
    EXPECT_EQ(chart.cursor().shape(), shape) << at.x() << "," << at.y();
  }
  QTest::mouseMove(&chart, {150, 90});
  chart.SetMouseAction(maRotate);  // no behaviour: the cursor stays as it was
  QTest::mouseMove(&chart, {151, 90});
  EXPECT_EQ(chart.cursor().shape(), Qt::CrossCursor);
  chart.SetMouseCursorFixed(true);
  chart.SetMouseAction(maPan);
  QTest::mouseMove(&chart, {150, 90});
  EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
  // An application may replace a slot's image, or empty it.
  const std::optional<QCursor> ours = ChartCursor(2);
  SetChartCursor(2, QCursor(Qt::PointingHandCursor));
  chart.SetMouseCursorFixed(false);
  chart.SetMouseAction(maZoomWind);
  QTest::mouseMove(&chart, {150, 91});
  EXPECT_EQ(chart.cursor().shape(), Qt::PointingHandCursor);
  SetChartCursor(2, std::nullopt);
  QTest::mouseMove(&chart, {150, 92});
  EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
  // The defaults are registered once: a chart made later keeps the slot empty.
  { TRChart later; }
  EXPECT_FALSE(ChartCursor(2).has_value());
  SetChartCursor(2, ours);
}

TEST_F(MouseChart, MouseEventsComeFirstThenTheChartsOwn) {
  std::vector<std::string> seen;
  chart.OnMouseDown = [&](QObject*, QMouseEvent*) { seen.push_back("down"); };
  chart.OnMouseMove = [&](QObject*, QMouseEvent*) { seen.push_back("move"); };
  chart.OnMouseUp = [&](QObject*, QMouseEvent*) { seen.push_back("up"); };
  chart.OnZoomPan = [&](QObject*) { seen.push_back("zoompan"); };
  chart.OnMouseMoveInChart = [&](QObject*, bool in, Qt::KeyboardModifiers, double x, double y) {
    seen.push_back(in ? QStringLiteral("in %1 %2").arg(x).arg(y).toStdString() : "out");
  };
  chart.OnMouseEnter = [&](QObject*) { seen.push_back("enter"); };
  chart.OnMouseLeave = [&](QObject*) { seen.push_back("leave"); };
  chart.SetMouseAction(maPan);
  QEnterEvent enter({100, 60}, {100, 60}, {100, 60});
  QApplication::sendEvent(&chart, &enter);
  Drag({100, 60}, {{100, 60}, {110, 60}, {10, 10}});
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&chart, &leave);
  const std::vector<std::string> expected = {"enter", "down", "move", "in 50 100", "move", "zoompan", "in 50 100",
                                             "move", "out", "up", "leave"};
  EXPECT_EQ(seen, expected);
}

TEST_F(MouseChart, ZoomBackAndForwardAcrossMoreThanTheRingHolds) {
  chart.SetMouseAction(maZoomWind);
  std::vector<double> highs = {chart.Scale1X()->RangeHigh()};  // highs[k]: after zoom k
  for (int k = 1; k <= 20; ++k) {
    Drag({60, 30}, {{270, 150}});
    highs.push_back(chart.Scale1X()->RangeHigh());
  }
  ASSERT_NE(highs[19], highs[20]);
  EXPECT_FALSE(chart.CanZoomForward());
  // The ring keeps 16 snapshots: 15 steps lead back, to zoom 5.
  chart.setFocus();
  for (int k = 19; k >= 5; --k) {
    ASSERT_TRUE(chart.CanZoomBack()) << k;
    QTest::keyClick(&chart, Qt::Key_Backspace);
    EXPECT_EQ(chart.Scale1X()->RangeHigh(), highs[std::size_t(k)]) << k;
  }
  EXPECT_FALSE(chart.CanZoomBack());
  zoomPans = 0;
  EXPECT_FALSE(chart.ZoomBack());
  EXPECT_EQ(zoomPans, 0);
  for (int k = 6; k <= 20; ++k) {
    QTest::keyClick(&chart, Qt::Key_Backspace, Qt::ShiftModifier);
    EXPECT_EQ(chart.Scale1X()->RangeHigh(), highs[std::size_t(k)]) << k;
  }
  EXPECT_FALSE(chart.ZoomForward());
  // A new zoom after going back drops the way forward.
  EXPECT_TRUE(chart.ZoomBack());
  EXPECT_TRUE(chart.ZoomBack());
  EXPECT_EQ(chart.Scale1X()->RangeHigh(), highs[18]);
  Drag({60, 30}, {{270, 150}});
  EXPECT_FALSE(chart.CanZoomForward());
  EXPECT_TRUE(chart.ZoomBack());
  EXPECT_EQ(chart.Scale1X()->RangeHigh(), highs[18]);
}

TEST_F(MouseChart, JoinedLayersTakeOneSnapshotPerGesture) {
  chart.JointLayers().SetControlledBy(TAxisDirection::X, 2, 1);
  chart.JointLayers().SetControlledBy(TAxisDirection::X, 3, 1);
  chart.SetMouseAction(maPan);
  const int pointer = chart.RangeHistory().Pointer();
  Drag({100, 100}, {{100, 100}, {110, 100}, {120, 100}, {130, 100}, {140, 100}});
  EXPECT_EQ(chart.RangeHistory().Pointer(), pointer % 16 + 1);
  ExpectRanges(-40, 190, 0, 140);
  EXPECT_EQ(chart.Scale2X()->RangeLow(), -40);  // the followers came along
  EXPECT_TRUE(chart.ZoomBack());
  ExpectRanges(0, 230, 0, 140);
  EXPECT_EQ(chart.Scale3X()->RangeHigh(), 230);
}

}  // namespace
}  // namespace vqm
