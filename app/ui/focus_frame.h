#pragma once
// A focus mark for a control whose style draws none (a read-only text pane):
// a line in the highlight colour along its edge while it has the keyboard
// focus, as the charts draw theirs.

#include <QWidget>

namespace quantora {

class TFocusFrame : public QWidget {
  Q_OBJECT
 public:
  // Lies over the whole of `control` (its child, freed with it) and lets the
  // mouse through.
  explicit TFocusFrame(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* fControl;
};

}  // namespace quantora
