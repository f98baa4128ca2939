// The interval and resolution bars show a remembered picture of the style's
// drawing: it must be Qt's own picture over any background, the first time
// and every time after, with our focus frame on it.
#include <QApplication>
#include <QCursor>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ui/scroll_bar.h"

namespace quantora {
namespace {

struct BarCase {
  Qt::Orientation orientation;
  QSize size;
  int minimum, maximum, value;
  bool focused = false;
};

// The bar as shown on a red window, twice: drawn, then remembered.
std::vector<QImage> Shown(QScrollBar* bar, const BarCase& c) {
  QWidget backdrop;  // a background no bar picture could have taken in
  backdrop.setAutoFillBackground(true);
  backdrop.setPalette(QPalette(Qt::red));
  backdrop.resize(c.size + QSize(10, 10));
  bar->setParent(&backdrop);
  bar->setPalette(QPalette());  // the bar keeps the application's colours
  bar->setFocusPolicy(c.focused ? Qt::StrongFocus : Qt::NoFocus);
  bar->setPageStep(1);
  bar->setGeometry(QRect(QPoint(5, 5), c.size));
  bar->setRange(c.minimum, c.maximum);
  bar->setValue(c.value);
  bar->show();            // a widget given a parent is hidden until shown
  QCursor::setPos(0, 0);  // away from the bar: nothing of it is hovered
  backdrop.move(200, 200);
  backdrop.show();
  if (!QTest::qWaitForWindowExposed(&backdrop)) return {};
  QApplication::setActiveWindow(&backdrop);
  if (c.focused) bar->setFocus();
  return {backdrop.grab().toImage(), backdrop.grab().toImage()};
}

TEST(ScrollBarPicture, RememberedPictureIsQtsOwnOverAnyBackground) {
  const BarCase cases[] = {{Qt::Horizontal, {193, 21}, 1, 200, 1}, {Qt::Horizontal, {193, 21}, 1, 200, 200},
                           {Qt::Horizontal, {129, 17}, 1, 16, 8}, {Qt::Vertical, {21, 300}, 0, 50, 31}};
  for (const BarCase& c : cases) {
    const std::vector<QImage> qts = Shown(new QScrollBar(c.orientation), c);
    ASSERT_EQ(qts.size(), 2u);
    EXPECT_EQ(Shown(new TScrollBar(c.orientation), c), qts) << c.size.width() << "x" << c.size.height();
  }
}

// The keyboard focus: a 2-pixel frame in the highlight colour around Qt's picture.
TEST(ScrollBarPicture, TheFocusFrameIsRememberedWithThePicture) {
  const BarCase c{Qt::Horizontal, {193, 21}, 1, 200, 50, true};
  const std::vector<QImage> qts = Shown(new QScrollBar(c.orientation), c), ours = Shown(new TScrollBar(c.orientation), c);
  ASSERT_EQ(ours.size(), 2u);
  const QRect inside = QRect(QPoint(5, 5), c.size).adjusted(2, 2, -2, -2);
  for (const QImage& shown : ours) {
    EXPECT_EQ(shown.copy(inside), qts[0].copy(inside));
    for (const QPoint p : {QPoint(13, 5), QPoint(13, 6), QPoint(5, 15), QPoint(197, 15), QPoint(105, 25)})
      EXPECT_EQ(shown.pixelColor(p), QApplication::palette().color(QPalette::Highlight)) << p.x() << "," << p.y();
  }
}

}  // namespace
}  // namespace quantora
