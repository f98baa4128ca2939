#include "scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>

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

// The toolkit's styles draw no focus on a scroll bar.
void TScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quantora
