#include "scroll_bar.h"

#include <QKeyEvent>

namespace quantora {

TScrollBar::TScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
  setSingleStep(1);
  setPageStep(1);  // also sizes the thumb: the smallest one, as designed
  setFocusPolicy(Qt::StrongFocus);
}

void TScrollBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_PageUp && event->key() != Qt::Key_PageDown) {
    QScrollBar::keyPressEvent(event);
    return;
  }
  // Qt's own page action (its direction and clamping) with the keyboard's step;
  // the thumb is back to its size before anything repaints.
  const int designStep = pageStep();
  setPageStep(KeyboardPageStep);
  QScrollBar::keyPressEvent(event);
  setPageStep(designStep);
}

}  // namespace quantora
