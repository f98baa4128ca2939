#include "focus_mark.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace quantora {

namespace {

// Where the frame goes, in the control's pixels.
QRect MarkedArea(QWidget* control) {
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    option.icon = box->icon();
    option.iconSize = box->iconSize();
    const QRect label = box->style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &option, box);
    return label.adjusted(-2, -1, 2, 1).intersected(box->rect());
  }
  return control->rect();
}

// Lets the watched widget paint as usual, then draws the frame over it while
// the control has the focus; a focus change repaints the control.
class TFocusMark : public QObject {
 public:
  explicit TFocusMark(QWidget* control) : QObject(control), fControl(control) {
    control->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
      fViewport = area->viewport();
      fViewport->installEventFilter(this);
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == fControl && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
      fControl->update();
      if (fViewport) fViewport->update();
      return false;
    }
    if (event->type() != QEvent::Paint || fPainting || !fControl->hasFocus()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    fPainting = true;  // the widget's own painting goes through this filter once more
    QCoreApplication::sendEvent(widget, event);
    fPainting = false;
    QPainter painter(widget);
    painter.setPen(QPen(fControl->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    const QRect area = MarkedArea(fControl).translated(widget->mapFrom(fControl, QPoint(0, 0)));
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    return true;
  }

 private:
  QWidget* fControl;
  QWidget* fViewport = nullptr;
  bool fPainting = false;
};

}  // namespace

void ShowFocusMark(QWidget* control) { new TFocusMark(control); }

}  // namespace quantora
