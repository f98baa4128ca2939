#include "focus_frame.h"

#include <QEvent>
#include <QPainter>

#include "drawbase/colors.h"
#include "drawbase/image_canvas.h"

namespace quantora {

TFocusFrame::TFocusFrame(QWidget* control) : QWidget(control), fControl(control) {
  setObjectName(QStringLiteral("FocusFrame"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(control->rect());
  control->installEventFilter(this);
  raise();
}

bool TFocusFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fControl) {
    switch (event->type()) {
      case QEvent::Resize: setGeometry(fControl->rect()); break;
      case QEvent::FocusIn:
      case QEvent::FocusOut: update(); break;
      case QEvent::ChildAdded: raise(); break;  // stays over what the control adds later
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Two pixels wide: the pane's own sunken edge is as wide.
void TFocusFrame::paintEvent(QPaintEvent*) {
  if (!fControl->hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor::fromRgb(vqm::ToQRgb(vqm::clHighlight)), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quantora
