#include "keyboard_path.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quantora {

namespace {

class TCtrlTabLeaves : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || !(key->modifiers() & Qt::ControlModifier)) return false;
    // A plain Tab at the window moves the focus on from its focus widget, the
    // watched one; Backtab or Shift goes the other way.
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    QWidget* window = static_cast<QWidget*>(watched)->window();
    QKeyEvent plain(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(window, &plain);
    return true;
  }
};

}  // namespace

void SetTabOrder(std::initializer_list<QWidget*> chain) {
  QWidget* previous = nullptr;
  for (QWidget* w : chain) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void LeaveWithCtrlTab(QWidget* widget) { widget->installEventFilter(new TCtrlTabLeaves(widget)); }

}  // namespace quantora
