#include "text_controls.h"

#include <QMouseEvent>

namespace quantora {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) { setEditable(false); }

QStringList TComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

void TComboBox::SetItems(const QStringList& items) {
  const int index = currentIndex();
  const QSignalBlocker quiet(this);  // replacing texts is not a user's change
  if (items.size() == count()) {
    for (int i = 0; i < count(); ++i) setItemText(i, items[i]);
    return;
  }
  clear();
  addItems(items);
  setCurrentIndex(index < count() ? index : -1);
}

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {}

QStringList TMemo::Lines() const { return toPlainText().split(QLatin1Char('\n')); }

void TMemo::SetLines(const QStringList& lines) { setPlainText(lines.join(QLatin1Char('\n'))); }

TLabel::TLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void TLabel::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(this);
  QLabel::mouseMoveEvent(event);
  // The move belongs to the label, handler or not: passed on, it would reach
  // the parent panel, whose handler undoes a link's hover colour at once.
  event->accept();
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
  QLabel::mouseReleaseEvent(event);
}

}  // namespace quantora
