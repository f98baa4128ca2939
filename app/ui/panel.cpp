#include "panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "design.h"

namespace quantora {

namespace {
void DrawRing(QPainter& p, QRect r, TPanel::Bevel bevel, bool focusShown) {
  if (bevel == TPanel::bvNone) return;
  const QColor focus = DesignColor(vqm::clHighlight);
  const QColor topLeft =
      focusShown ? focus : DesignColor(bevel == TPanel::bvRaised ? vqm::clBtnHighlight : vqm::clBtnShadow);
  const QColor bottomRight =
      focusShown ? focus : DesignColor(bevel == TPanel::bvRaised ? vqm::clBtnShadow : vqm::clBtnHighlight);
  p.setPen(topLeft);
  p.drawLine(r.left(), r.bottom(), r.left(), r.top());
  p.drawLine(r.left(), r.top(), r.right(), r.top());
  p.setPen(bottomRight);
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
  p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
}
}  // namespace

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
  SetBackground(this, vqm::clBtnFace);
  SetBevels(bvRaised, bvNone);
}

void TPanel::SetBevels(Bevel outer, Bevel inner) {
  fOuter = outer;
  fInner = inner;
  const int w = BevelWidth();
  setContentsMargins(w, w, w, w);
  update();
}

void TPanel::SetFocusShown(bool on) {
  if (on == fFocusShown) return;
  fFocusShown = on;
  update();
}

int TPanel::BevelWidth() const { return (fOuter != bvNone) + (fInner != bvNone); }

void TPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  QRect r = rect();
  DrawRing(p, r, fOuter, fFocusShown);
  if (fOuter != bvNone) r.adjust(1, 1, -1, -1);
  DrawRing(p, r, fInner, fFocusShown);
}

void TPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  if (OnResize) OnResize(this);
}

void TPanel::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(this, event->position().toPoint());
  QFrame::mouseMoveEvent(event);
}

}  // namespace quantora
