#include "text_controls.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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

namespace {

bool HoldsLineBreak(const QString& line) {
  for (const QChar c : line)
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator)
      return true;
  return false;
}

// Replaces only the lines between the unchanged head and tail of the document,
// one line per block; false (nothing done) when no line stays or a line would
// break into several blocks.
bool ReplaceChangedLines(QTextDocument& doc, const QStringList& lines) {
  if (lines.isEmpty() || std::any_of(lines.begin(), lines.end(), HoldsLineBreak)) return false;
  QStringList old;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) old << b.text();
  const qsizetype shorter = std::min(old.size(), lines.size());
  qsizetype head = 0, tail = 0;
  while (head < shorter && old[head] == lines[head]) ++head;
  while (tail < shorter - head && old[old.size() - 1 - tail] == lines[lines.size() - 1 - tail]) ++tail;
  if (head == 0 && tail == 0) return false;
  if (head == old.size() && head == lines.size()) return true;  // the same lines
  const QString middle = lines.mid(head, lines.size() - head - tail).join(QLatin1Char('\n'));
  QTextCursor cursor(&doc);
  if (tail > 0) {  // whole blocks with their breaks, up to the first kept one of the tail
    cursor.setPosition(doc.findBlockByNumber(int(head)).position());
    cursor.setPosition(doc.findBlockByNumber(int(old.size() - tail)).position(), QTextCursor::KeepAnchor);
    cursor.insertText(middle.isEmpty() ? middle : middle + QLatin1Char('\n'));
  } else {  // from the end of the head's last line to the end of the text
    const QTextBlock last = doc.findBlockByNumber(int(head - 1));
    cursor.setPosition(last.position() + last.length() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.insertText(middle.isEmpty() ? middle : QLatin1Char('\n') + middle);
  }
  doc.clearUndoRedoStacks();  // as a new text would have it
  return true;
}

}  // namespace

// The explanation gains or loses a few lines at its head: only those are
// replaced, since laying out the whole text again is slow.
void TMemo::SetLines(const QStringList& lines) {
  if (!ReplaceChangedLines(*document(), lines)) setPlainText(lines.join(QLatin1Char('\n')));
}

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
