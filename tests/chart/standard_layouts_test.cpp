// The seven standard layouts, each pinned as one line: control size, margins,
// chart caption, then for axis pairs 1..4 the location, ScalePos, the margin of
// the axis control that puts its base line on the data area (visible axes
// only), caption position, alignment and anchor; a hidden axis starts with "-".
// And the keys a focused chart keeps.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "chart/rchart.h"
#include "scale/scale.h"

namespace vqm {
namespace {

char AlignLetter(TAlignment a) { return a == taLeftJustify ? 'L' : a == taRightJustify ? 'R' : 'C'; }
char AnchorLetter(TScaleUnitAnchor a) { return a == uaSclTopLft ? 't' : a == uaSclCenter ? 'c' : 'b'; }

std::string Axis(const char* name, int n, const TScaleProps& p, const TScale& control) {
  const char loc = "tbrl"[p.LocationCode()];
  QString s = QStringLiteral(" | %1%2%3 %4%5").arg(p.Visible() ? "" : "-").arg(name).arg(n).arg(loc).arg(p.ScalePos());
  if (p.Visible()) {
    const int base = p.LocationCode() == alcAbove   ? control.MarginBottom()
                     : p.LocationCode() == alcBelow ? control.MarginTop()
                     : p.LocationCode() == alcRight ? control.MarginLeft()
                                                    : control.MarginRight();
    s += QStringLiteral("@%1").arg(base);
  }
  s += QStringLiteral(" %1,%2 %3 %4")
           .arg(p.CaptionPosX())
           .arg(p.CaptionPosY())
           .arg(AlignLetter(p.CaptionAlignment()))
           .arg(AnchorLetter(p.CaptionAnchor()));
  return s.toStdString();
}

std::string Describe(const TRChart& c) {
  std::string s = QStringLiteral("%1x%2 %3/%4/%5/%6 cap %7,%8 %9 %10/%11")
                      .arg(c.width())
                      .arg(c.height())
                      .arg(c.MarginLeft())
                      .arg(c.MarginRight())
                      .arg(c.MarginTop())
                      .arg(c.MarginBottom())
                      .arg(c.CaptionPosX())
                      .arg(c.CaptionPosY())
                      .arg(AlignLetter(c.CaptionAlignment()))
                      .arg(int(c.CaptionAnchorHoriz()))
                      .arg(int(c.CaptionAnchorVert()))
                      .toStdString();
  for (int n = 1; n <= 4; ++n) s += Axis("X", n, *c.ScaleX(n), *c.AxisControlX(n));
  for (int n = 1; n <= 4; ++n) s += Axis("Y", n, *c.ScaleY(n), *c.AxisControlY(n));
  return s;
}

TEST(StandardLayouts, GoldenPerLayout) {
  const std::string hiddenX = " | -X2 b0 10,100 C c | -X3 b0 10,100 C c | -X4 b0 10,100 C c";
  const std::string hiddenY3Y4 = " | -Y3 l0 10,100 R t | -Y4 l0 10,100 R t";
  const std::string golden[] = {
      "280x200 50/20/20/40 cap 0,-16 R 3/1 | X1 b0@160 0,22 C c" + hiddenX +
          " | Y1 l0@229 0,-16 L t | -Y2 l0 10,100 R t" + hiddenY3Y4,
      "280x200 100/20/24/40 cap 0,-16 R 3/1 | X1 b0@160 0,22 C c" + hiddenX +
          " | Y1 l0@179 0,-23 R t | Y2 l50@229 0,-23 R t" + hiddenY3Y4,
      "280x200 150/20/24/40 cap 0,-16 R 3/1 | X1 b0@160 0,22 C c" + hiddenX +
          " | Y1 l0@129 0,-23 R t | Y2 l50@179 0,-23 R t | Y3 l100@229 0,-23 R t | -Y4 l0 10,100 R t",
      // Four left axes need 300 pixels: the control grows to its minimum width.
      "300x200 200/20/24/40 cap 0,-16 R 3/1 | X1 b0@160 0,22 C c" + hiddenX +
          " | Y1 l0@99 0,-23 R t | Y2 l50@149 0,-23 R t | Y3 l100@199 0,-23 R t | Y4 l150@249 0,-23 R t",
      "280x200 50/50/24/40 cap 0,-20 C 2/1 | X1 b0@160 0,22 C c" + hiddenX +
          " | Y1 l0@229 0,-23 R t | Y2 r0@230 0,-23 L t" + hiddenY3Y4,
      "280x200 100/20/24/70 cap 0,-16 R 3/1 | X1 b0@130 -20,7 R t | X2 b30@160 -20,7 R t"
      " | -X3 b0 10,100 C c | -X4 b0 10,100 C c | Y1 l0@179 0,-23 R t | Y2 l50@229 0,-23 R t" + hiddenY3Y4,
      "280x200 50/50/48/40 cap 0,-46 C 2/1 | X1 b0@160 -20,7 R t | X2 t0@151 -20,-24 R t"
      " | -X3 b0 10,100 C c | -X4 b0 10,100 C c | Y1 l0@229 0,-40 R t | Y2 r0@230 0,-40 L t"
      " | -Y3 l0 0,-23 R t | -Y4 l0 0,-23 R t",
  };
  for (int layout = 0; layout < 7; ++layout) {
    TRChart chart;
    chart.SetStandardLayout(TrcLayout(layout));
    EXPECT_EQ(Describe(chart), golden[layout]) << "layout " << layout;
    EXPECT_EQ(chart.StandardLayout(), rcl_X1Bottom_Y1Left);  // never kept
    for (int n = 5; n <= 16; ++n) EXPECT_FALSE(chart.ScaleX(n)->Visible() || chart.ScaleY(n)->Visible()) << n;
  }
}

TEST(StandardLayouts, ApplyingALayoutPaintsOnce) {
  TRChart chart;
  chart.show();
  int paints = 0;
  chart.OnScalesRendered = [&](QObject*, TCanvas*&, int, int) { ++paints; };
  chart.SetStandardLayout(rcl_X2Both_Y2Both);
  EXPECT_EQ(paints, 1);
}

// Tab (while dragging objects) and the arrow keys reach the focused chart
// instead of moving the focus.
TEST(ChartKeyboard, FocusedChartKeepsTabAndArrowKeys) {
  QWidget form;
  QLineEdit before(&form), after(&form);
  TRChart chart(&form);
  before.move(0, 0);
  chart.move(0, 30);
  after.move(0, 240);
  QWidget::setTabOrder(&before, &chart);
  QWidget::setTabOrder(&chart, &after);
  form.show();
  QApplication::setActiveWindow(&form);
  chart.SetMouseAction(maDragLabel);
  chart.setFocus();
  ASSERT_EQ(QApplication::focusWidget(), &chart);
  std::vector<int> keys;
  chart.OnKeyDown = [&](QObject* sender, QKeyEvent* e) {
    EXPECT_EQ(sender, &chart);
    keys.push_back(e->key());
  };
  QString typed;
  chart.OnKeyPress = [&](QObject*, const QString& text) { typed += text; };
  for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_A})
    QTest::keyClick(&chart, k);
  EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Tab, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_A}));
  EXPECT_EQ(typed, QStringLiteral("\ta"));
  EXPECT_EQ(QApplication::focusWidget(), &chart);
  chart.SetMouseAction(maZoomWind);  // no use for Tab: it moves on
  QTest::keyClick(&chart, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &after);
  // The line edit, by contrast, hands the focus on with Tab, past the chart,
  // which takes the focus by a click only (it is no tab stop).
  before.setFocus();
  QTest::keyClick(&before, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &after);
  QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(QApplication::focusWidget(), &chart);
}

}  // namespace
}  // namespace vqm
