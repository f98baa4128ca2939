#include "scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include "desktop_palette.h"

namespace quantora {

TScrollBar::TScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
  setSingleStep(1);
  setPageStep(1);  // also sizes the thumb: the smallest one, as designed
  setFocusPolicy(Qt::StrongFocus);
}

// The keys of the design's scroll bars: Left/Up one step back, Right/Down one
// on, Page Up/Down ten, Home/End to the ends. (Qt's own handling runs a
// horizontal QScrollBar's arrow keys backwards.)
void TScrollBar::keyPressEvent(QKeyEvent* event) {
  int target = value();
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: target -= singleStep(); break;
    case Qt::Key_Right:
    case Qt::Key_Down: target += singleStep(); break;
    case Qt::Key_PageUp: target -= KeyboardPageStep; break;
    case Qt::Key_PageDown: target += KeyboardPageStep; break;
    case Qt::Key_Home: target = minimum(); break;
    case Qt::Key_End: target = maximum(); break;
    default: QScrollBar::keyPressEvent(event); return;
  }
  setValue(target);  // held within the range
  event->accept();
}

// The toolkit's styles draw no focus on a scroll bar. Under a desktop's own
// palette the thumb also gets an outline in the button text colour: the styles
// shade its edge from the face colour, which a black face leaves invisible.
void TScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  QPainter painter(this);
  if (DesktopPaletteInForce()) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this)
                         .adjusted(0, 0, -1, -1));
  }
  if (!hasFocus()) return;
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quantora
