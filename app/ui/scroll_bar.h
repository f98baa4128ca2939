#pragma once
// A scroll bar as the window designs have it: the thumb keeps its design size
// and a click in the track moves by one (page size 0, large change 1), while
// the keyboard moves by one with the arrow keys, by KeyboardPageStep with Page
// Up and Page Down, and to the ends with Home and End. With the keyboard focus
// it shows a frame in the highlight colour, so that one sees which bar moves.

#include <QScrollBar>

class QImage;
class QPainter;
class QStyle;
class QStyleOptionSlider;

namespace quantora {

class TScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  static constexpr int KeyboardPageStep = 10;

  explicit TScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool PaintRemembered();
  QImage CoveringPicture(const QStyleOptionSlider& option, double ratio) const;
  void PaintMarks(QPainter& painter, const QStyleOptionSlider& option) const;

  const QStyle* fSeeThroughStyle = nullptr;  // a style whose bars have no picture of their own
};

}  // namespace quantora
