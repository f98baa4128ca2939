#pragma once
// A panel as the window designs use it: a plain area in the button-face colour
// with an optional outer and inner one-pixel bevel, and a resize notification.

#include <QFrame>
#include <functional>

namespace quantora {

class TPanel : public QFrame {
  Q_OBJECT
 public:
  // Shape of one bevel ring.
  enum Bevel {
    bvNone,     // no ring
    bvLowered,  // shadow at the top left, highlight at the bottom right
    bvRaised,   // highlight at the top left, shadow at the bottom right
  };

  explicit TPanel(QWidget* parent = nullptr);

  // Outer ring raised and no inner ring, as a new panel has.
  void SetBevels(Bevel outer, Bevel inner);
  int BevelWidth() const;  // pixels taken by the rings on each side
  // Draws the rings in the selection colour: the keyboard focus is on the
  // panel's content. Off at creation.
  void SetFocusShown(bool on);
  bool FocusShown() const { return fFocusShown; }

  std::function<void(TPanel* sender)> OnResize;
  std::function<void(TPanel* sender, QPoint pos)> OnMouseMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Bevel fOuter = bvRaised;
  Bevel fInner = bvNone;
  bool fFocusShown = false;
};

}  // namespace quantora
