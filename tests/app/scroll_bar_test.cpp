// The interval and resolution bars show a remembered picture of the style's
// drawing; it must be Qt's own picture, over any background, the first time
// and every time after.
#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ui/scroll_bar.h"

namespace quantora {
namespace {

struct BarCase {
  Qt::Orientation orientation;
  QSize size;
  int minimum, maximum, value;
};

enum class Focus { Elsewhere, OnTheBar };

// The bar as shown on a red window, twice: drawn, then remembered.
std::vector<QImage> Shown(QScrollBar* bar, const BarCase& c, QStyle* style = nullptr, Focus focus = Focus::Elsewhere) {
  QWidget backdrop;  // a background no bar picture could have taken in
  backdrop.setAutoFillBackground(true);
  backdrop.setPalette(QPalette(Qt::red));
  backdrop.resize(c.size + QSize(10, 10));
  bar->setParent(&backdrop);
  if (style) bar->setStyle(style);
  bar->show();  // a widget given a parent is hidden until shown
  bar->setPalette(QPalette());       // the bar keeps the application's colours
  bar->setFocusPolicy(focus == Focus::OnTheBar ? Qt::StrongFocus : Qt::NoFocus);
  bar->setPageStep(1);
  bar->setGeometry(QRect(QPoint(5, 5), c.size));
  bar->setRange(c.minimum, c.maximum);
  bar->setValue(c.value);
  QCursor::setPos(0, 0);  // away from the bar: nothing of it is hovered
  backdrop.move(200, 200);
  backdrop.show();
  if (!QTest::qWaitForWindowExposed(&backdrop)) return {};
  if (focus == Focus::OnTheBar) {
    QApplication::setActiveWindow(&backdrop);
    bar->setFocus();
  }
  std::vector<QImage> pictures;
  for (int round = 0; round < 2; ++round) pictures.push_back(backdrop.grab().toImage());
  return pictures;
}

TEST(ScrollBarPicture, RememberedPictureIsQtsOwnOverAnyBackground) {
  const BarCase cases[] = {
      {Qt::Horizontal, {193, 21}, 1, 200, 1}, {Qt::Horizontal, {193, 21}, 1, 200, 200},
      {Qt::Horizontal, {129, 17}, 1, 16, 8},  {Qt::Vertical, {21, 300}, 0, 50, 31},
  };
  for (const BarCase& c : cases) {
    const std::vector<QImage> qts = Shown(new QScrollBar(c.orientation), c);
    const std::vector<QImage> ours = Shown(new TScrollBar(c.orientation), c);
    ASSERT_EQ(qts.size(), 2u);
    EXPECT_EQ(ours, qts) << c.size.width() << "x" << c.size.height() << " at " << c.value;
  }
}

// Ours shows the keyboard focus as a 2-pixel frame in the highlight colour
// around Qt's picture, remembered with it.
TEST(ScrollBarPicture, TheFocusFrameIsRememberedWithThePicture) {
  const BarCase c{Qt::Horizontal, {193, 21}, 1, 200, 50};
  const std::vector<QImage> qts = Shown(new QScrollBar(c.orientation), c);
  const std::vector<QImage> ours = Shown(new TScrollBar(c.orientation), c, nullptr, Focus::OnTheBar);
  ASSERT_EQ(ours.size(), 2u);
  ASSERT_EQ(qts.size(), 2u);
  const QRect bar(QPoint(5, 5), c.size);
  const QColor highlight = QApplication::palette().color(QPalette::Highlight);
  for (const QImage& shown : ours) {
    EXPECT_EQ(shown.copy(bar.adjusted(2, 2, -2, -2)), qts[0].copy(bar.adjusted(2, 2, -2, -2)));
    for (const QPoint p : {QPoint(8, 0), QPoint(8, 1), QPoint(0, 10), QPoint(192, 10), QPoint(100, 20)})
      EXPECT_EQ(shown.pixelColor(bar.topLeft() + p), highlight) << p.x() << "," << p.y();
  }
}

// A style whose bars let the window through: their picture cannot stand alone.
class SeeThroughStyle : public QProxyStyle {
 public:
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    if (control != CC_ScrollBar) return QProxyStyle::drawComplexControl(control, option, painter, widget);
    painter->fillRect(option->rect, QColor(0, 0, 255, 128));
    painter->fillRect(option->rect.adjusted(4, 4, -4, -4), Qt::white);
  }
};

TEST(ScrollBarPicture, ABarThatLetsTheBackgroundThroughIsDrawnByQt) {
  SeeThroughStyle style;
  const BarCase c{Qt::Horizontal, {193, 21}, 1, 200, 50};
  EXPECT_EQ(Shown(new TScrollBar(c.orientation), c, &style), Shown(new QScrollBar(c.orientation), c, &style));
}

}  // namespace
}  // namespace quantora
