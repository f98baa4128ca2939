// Keyboard interaction of a focused chart: the zoom history (Backspace and
// Shift+Backspace), zooming about the centre (+ and -) and panning (the arrow
// keys) of the layers whose mouse switch is on, each key one history step.
#include <QKeyEvent>
#include <cmath>

#include "chart/rchart.h"
#include "chart/usable_range.h"

namespace vqm {

namespace {

// A key press zooms by this factor (in halves the spans, out doubles them) or
// moves the view by this fraction of its span.
constexpr long double kKeyZoom = 2.0L;
constexpr long double kKeyPanStep = 0.1L;

// The new (low, high) of one axis: its span times `spanFactor` about its
// centre, then moved by `shift` spans. A logarithmic axis does both in
// logarithms, so that it keeps its look.
bool KeyedRange(const TScaleProps& axis, long double spanFactor, long double shift, double& low, double& high) {
  long double l = axis.RangeLow(), h = axis.RangeHigh();
  if (axis.Logarithmic()) {
    if (l <= 0 || h <= 0) return false;
    l = std::log(l);
    h = std::log(h);
  }
  const long double centre = (l + h) / 2 + shift * (h - l), half = (h - l) / 2 * spanFactor;
  l = centre - half;
  h = centre + half;
  if (axis.Logarithmic()) {
    l = std::exp(l);
    h = std::exp(h);
  }
  if (!UsableRange(axis, l, h)) return false;
  low = double(l);
  high = double(h);
  return true;
}

bool ModifiersAllowed(Qt::KeyboardModifiers m) {
  return !(m & ~(Qt::ShiftModifier | Qt::KeypadModifier));  // + often needs Shift; the keypad counts too
}

}  // namespace

void TCustomRChart::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown) OnKeyDown(this, event);
  if (OnKeyPress && !event->text().isEmpty()) OnKeyPress(this, event->text());
  if (event->key() == Qt::Key_Backspace) {
    if (event->modifiers() & Qt::ShiftModifier)
      ZoomForward();
    else
      ZoomBack();
  } else if (ModifiersAllowed(event->modifiers())) {
    switch (event->key()) {
      case Qt::Key_Plus:
      case Qt::Key_Equal: KeyZoomPan(1 / kKeyZoom, 0, 0); break;  // where + is Shift+=
      case Qt::Key_Minus: KeyZoomPan(kKeyZoom, 0, 0); break;
      case Qt::Key_Left: KeyZoomPan(1, -kKeyPanStep, 0); break;
      case Qt::Key_Right: KeyZoomPan(1, kKeyPanStep, 0); break;
      case Qt::Key_Up: KeyZoomPan(1, 0, kKeyPanStep); break;
      case Qt::Key_Down: KeyZoomPan(1, 0, -kKeyPanStep); break;
      default: break;
    }
  }
  event->accept();
}

void TCustomRChart::keyReleaseEvent(QKeyEvent* event) {
  if (OnKeyUp) OnKeyUp(this, event);
  event->accept();
}

// Both axes of every layer whose mouse switch is on; a layer that would get an
// empty range, or one a logarithmic axis cannot show, keeps its ranges. Not
// while a zoom window is being drawn: its corners would no longer match.
void TCustomRChart::KeyZoomPan(long double spanFactor, long double shiftX, long double shiftY) {
  if (fZoomWindowOpen) return;
  ApplyMouseRanges([&](int n, TLayerRect& r) {
    double xl, xh, yl, yh;
    if (!KeyedRange(*ScaleX(n), spanFactor, shiftX, xl, xh) || !KeyedRange(*ScaleY(n), spanFactor, shiftY, yl, yh))
      return false;
    r = {xl, yh, xh, yl};
    return true;
  });
  if (!fGestureChanged) return;
  fGestureChanged = false;
  SaveRangeSnapshot();  // one history step per key
}

bool TCustomRChart::KeepsTab() const { return fMouseAction == maDragCrossH || fMouseAction == maDragLabel; }

// Tab moves the focus on unless the mouse mode has a use for it.
bool TCustomRChart::focusNextPrevChild(bool next) { return !KeepsTab() && QWidget::focusNextPrevChild(next); }

}  // namespace vqm
