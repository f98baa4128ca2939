#pragma once
// What a screen reader learns of a read-out: its name (the widget's accessible
// name, or else its left caption), and the value it shows with its unit as
// text ("100.00 MHz"), also through the text interface that readers query.

#include <QAccessibleWidget>

namespace vqm {

class TNumLab;

class TNumLabAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TNumLabAccessible(TNumLab* readout);

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The text interface over the read-out's value with its unit (read-only, no selection).
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  // The value text and the right caption, as a reader says them.
  QString ValueWithUnit() const;

 private:
  TNumLab* Readout() const;
};

// For QAccessible::installFactory: the interface of every read-out.
QAccessibleInterface* NumLabAccessibleFactory(const QString& className, QObject* object);

}  // namespace vqm
