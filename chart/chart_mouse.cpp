// Mouse interaction: panning and zooming the layers whose mouse switch is on,
// the zoom window drawn over the shown picture, dragging crosshairs and labels,
// the cursor by mode, and the zoom history read back (back and forward).
#include <QEnterEvent>
#include <QMouseEvent>
#include <cmath>

#include "chart/chart_cursors.h"
#include "chart/rchart.h"
#include "chart/usable_range.h"

namespace vqm {

namespace {

bool IsDragMode(TMouseActMode m) {
  return m == maPan || m == maPanHoriz || m == maPanVert || m == maZoomDrag || m == maDragCrossH || m == maDragLabel;
}
bool IsPanMode(TMouseActMode m) { return m == maPan || m == maPanHoriz || m == maPanVert; }
bool IsZoomWindowMode(TMouseActMode m) { return m == maZoomWind || m == maZoomWindPos; }

}  // namespace

bool TCustomRChart::InDataArea(QPoint p) const {
  return p.x() >= fMarginLeft && p.x() <= DataRight() && p.y() >= fMarginTop && p.y() <= DataBottom();
}

// ---- press, move, release ----

void TCustomRChart::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(this, event);
  const QPoint p = event->position().toPoint();
  if (IsZoomWindowMode(fMouseAction) && !fZoomWindowOpen && event->button() == Qt::LeftButton && InDataArea(p)) {
    fZoomWindowOpen = true;
    fWindowStart = fWindowEnd = p;
  }
}

void TCustomRChart::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(this, event);
  const QPoint p = event->position().toPoint();
  if (IsDragMode(fMouseAction)) {
    if (!(event->buttons() & Qt::LeftButton)) {
      fArmed = false;
    } else if (!fArmed) {
      ArmDrag(p);  // the first move records the start; acting begins with the next
    } else if (IsPanMode(fMouseAction)) {
      if (InDataArea(p)) PanStep(p);
    } else if (fMouseAction == maZoomDrag) {
      if (InDataArea(p)) ZoomDragStep(p);
    } else if (fMouseAction == maDragCrossH) {
      DragCrossHairStep(p);
    } else {
      DragLabelStep(p);
    }
  } else if (IsZoomWindowMode(fMouseAction) && fZoomWindowOpen) {
    MoveZoomWindow(p);
  }
  UpdateCursor(p);
  if (OnMouseMoveInChart) {
    double x = 0, y = 0;
    PixelToWorld(ActiveLayer(), p.x(), p.y(), x, y);
    OnMouseMoveInChart(this, InDataArea(p), event->modifiers(), x, y);
  }
}

void TCustomRChart::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(this, event);
  if (IsZoomWindowMode(fMouseAction) && fZoomWindowOpen) {
    if (event->button() == Qt::RightButton) {
      fZoomWindowOpen = false;  // cancelled
      update();
    } else if (event->button() == Qt::LeftButton) {
      FinishZoomWindow();
    }  // the middle button leaves the window open
  }
  if (event->button() == Qt::LeftButton) fArmed = false;
  // One history entry per finished pan or zoom drag, none for a mere click.
  if ((IsPanMode(fMouseAction) || fMouseAction == maZoomDrag) && fGestureChanged) {
    fGestureChanged = false;
    SaveRangeSnapshot();
  }
}

void TCustomRChart::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TCustomRChart::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (OnMouseLeave) OnMouseLeave(this);
}

// ---- the drag modes ----

void TCustomRChart::ArmDrag(QPoint p) {
  for (int n = 1; n <= kLayerCount; ++n) {
    const TScaleProps& x = *ScaleX(n);
    const TScaleProps& y = *ScaleY(n);
    fDragStart[std::size_t(n - 1)] = {p, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh()};
  }
  if (fMouseAction == maDragCrossH) fDragCrossHair = PickCrossHair(p);
  if (fMouseAction == maDragLabel) fDragLabel = PickTextLabel(p);
  fArmed = true;
}

int TCustomRChart::PickCrossHair(QPoint p) const {
  int choice = 1;
  double best = 1.7e308;
  for (int n = 1; n <= kCrossHairCount; ++n) {
    const TCrossHair& ch = *fCrossHairs[std::size_t(n - 1)];
    int px, py;
    WorldToPixel(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
    const double dx = double(px) - p.x(), dy = double(py) - p.y();
    if (ch.HasVerticalLine() && dx * dx < best) {
      best = dx * dx;
      choice = n;
    }
    if (ch.HasHorizontalLine() && dy * dy < best) {
      best = dy * dy;
      choice = n;
    }
  }
  return choice;
}

int TCustomRChart::PickTextLabel(QPoint p) const {
  int choice = 1;
  double best = 1.7e308;
  for (int n = 1; n <= kTextLabelCount; ++n) {
    const TTextLabel& l = *fTextLabels[std::size_t(n - 1)];
    if (l.Mode() == tlOff || !l.Visible()) continue;
    const TPoint a = TextLabelAnchor(l);
    const double dx = double(a.x) - p.x(), dy = double(a.y) - p.y();
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      choice = n;
    }
  }
  return choice;
}

// Applies new ranges to every layer whose mouse switch is on, under one paint
// lock and without history entries (the gesture takes one when it ends).
void TCustomRChart::ApplyMouseRanges(const std::function<bool(int layer, TLayerRect& r)>& compute) {
  const bool lock = fPaintLock;
  fPaintLock = true;
  fHoldSnapshots = true;
  bool changed = false;
  for (int n = 1; n <= kLayerCount; ++n) {
    if (!fMouseLayerOn[std::size_t(n - 1)]) continue;
    const TScaleProps& x = *ScaleX(n);
    const TScaleProps& y = *ScaleY(n);
    TLayerRect r{x.RangeLow(), y.RangeHigh(), x.RangeHigh(), y.RangeLow()};
    if (!compute(n, r)) continue;
    SetLayerRange(n, r.Left, r.Bottom, r.Right, r.Top, false);
    changed = true;
  }
  fHoldSnapshots = false;
  SetPaintLock(lock);
  if (!changed) return;
  fGestureChanged = true;
  if (OnZoomPan) OnZoomPan(this);
}

void TCustomRChart::PanStep(QPoint p) {
  const int w = DataWidth(), h = DataHeight();
  ApplyMouseRanges([&](int n, TLayerRect& r) {
    const TDragStart& s = fDragStart[std::size_t(n - 1)];
    const TScaleProps& x = *ScaleX(n);
    const TScaleProps& y = *ScaleY(n);
    if (fMouseAction != maPanVert && w > 0) {
      const long double xl = x.RangeLow(), xh = x.RangeHigh();
      if (x.Logarithmic()) {
        const long double f = std::pow(xh / xl, static_cast<long double>(s.Pointer.x() - p.x()) / w);
        r.Left = double(f * s.XL);
        r.Right = double(f * s.XH);
      } else {
        const long double d = (xh - xl) * (p.x() - s.Pointer.x()) / w;
        r.Left = double(s.XL - d);
        r.Right = double(s.XH - d);
      }
    }
    if (fMouseAction != maPanHoriz && h > 0) {
      const long double yl = y.RangeLow(), yh = y.RangeHigh();
      if (y.Logarithmic()) {
        const long double f = std::pow(yh / yl, static_cast<long double>(p.y() - s.Pointer.y()) / h);
        r.Bottom = double(f * s.YL);
        r.Top = double(f * s.YH);
      } else {
        const long double d = (yh - yl) * (p.y() - s.Pointer.y()) / h;
        r.Bottom = double(s.YL + d);
        r.Top = double(s.YH + d);
      }
    }
    return true;
  });
}

// Dragging right or up zooms in, left or down zooms out, about the middle of
// the range at the drag's start, in linear arithmetic on every axis. A step
// that would leave a layer an empty range, or a bound that a logarithmic axis
// cannot show, is refused for that layer.
void TCustomRChart::ZoomDragStep(QPoint p) {
  ApplyMouseRanges([&](int n, TLayerRect& r) {
    const TDragStart& s = fDragStart[std::size_t(n - 1)];
    const long double mx = 1.0L - static_cast<long double>(p.x() - s.Pointer.x()) / width();
    const long double my = fIsometric ? mx : static_cast<long double>(p.y() - s.Pointer.y()) / height() + 1.0L;
    const long double cx = (static_cast<long double>(s.XL) + s.XH) / 2, hx = (static_cast<long double>(s.XH) - s.XL) * mx / 2;
    const long double cy = (static_cast<long double>(s.YL) + s.YH) / 2, hy = (static_cast<long double>(s.YH) - s.YL) * my / 2;
    if (!UsableRange(*ScaleX(n), cx - hx, cx + hx) || !UsableRange(*ScaleY(n), cy - hy, cy + hy)) return false;
    r = {double(cx - hx), double(cy + hy), double(cx + hx), double(cy - hy)};
    return true;
  });
}

void TCustomRChart::DragCrossHairStep(QPoint p) {
  TCrossHair& ch = *fCrossHairs[std::size_t(fDragCrossHair - 1)];
  double x = 0, y = 0;
  PixelToWorld(ch.Layer(), p.x(), p.y(), x, y);
  ch.SetPosX(x);
  ch.SetPosY(y);
  Paint();
  if (OnCrossHairMove) OnCrossHairMove(this, &ch);
}

void TCustomRChart::DragLabelStep(QPoint p) {
  TTextLabel& l = *fTextLabels[std::size_t(fDragLabel - 1)];
  double wx = 0, wy = 0;
  PixelToWorld(l.Layer(), p.x(), p.y(), wx, wy);
  const TTxtLblAttachMode a = l.AttachToData();
  l.SetPosX(a == tlamXOnly || a == tlamBoth ? wx : p.x());
  l.SetPosY(a == tlamYOnly || a == tlamBoth ? wy : p.y());
  Paint();
  if (OnTextLabelMove) OnTextLabelMove(this, &l);
}

// ---- the zoom window ----

void TCustomRChart::MoveZoomWindow(QPoint p) {
  const int left = fMarginLeft, right = DataRight();
  const int top = fMarginTop, bottom = DataBottom();
  int x = std::clamp(p.x(), left, std::max(left, right));
  int y = p.y();
  if (fIsometric) {  // a square window
    const int d = x - fWindowStart.x();
    y = (y - fWindowStart.y()) * d >= 1 ? fWindowStart.y() + d : fWindowStart.y() - d;
  }
  y = std::clamp(y, top, std::max(top, bottom));
  fWindowEnd = {x, y};
  update();
}

// The window's corners become the new ranges. Drawn from left to right and from
// top to bottom it keeps the axes' directions; drawn from right to left or from
// bottom to top it reverses that axis, except in maZoomWindPos, which always
// keeps them. A window without width or height changes nothing.
void TCustomRChart::FinishZoomWindow() {
  fZoomWindowOpen = false;
  update();
  const QPoint a = fWindowStart, b = fWindowEnd;
  if (a.x() == b.x() || a.y() == b.y()) return;
  const bool lock = fPaintLock;
  fPaintLock = true;
  for (int n = 1; n <= kLayerCount; ++n) {
    if (!fMouseLayerOn[std::size_t(n - 1)]) continue;
    double x1, y1, x2, y2;
    PixelToWorld(n, a.x(), a.y(), x1, y1);
    PixelToWorld(n, b.x(), b.y(), x2, y2);
    double xlow = x1, xhigh = x2, ylow = y2, yhigh = y1;
    if (fMouseAction == maZoomWindPos) {
      const TScaleProps& x = *ScaleX(n);
      const TScaleProps& y = *ScaleY(n);
      if ((x.RangeLow() < x.RangeHigh()) != (xlow < xhigh)) std::swap(xlow, xhigh);
      if ((y.RangeLow() < y.RangeHigh()) != (ylow < yhigh)) std::swap(ylow, yhigh);
    }
    SetLayerRange(n, xlow, ylow, xhigh, yhigh, true);
  }
  SetPaintLock(lock);
  if (OnZoomPan) OnZoomPan(this);
}

// ---- cursor ----

void TCustomRChart::UpdateCursor(QPoint p) {
  if (!InDataArea(p) || fMouseCursorFixed) {
    setCursor(Qt::ArrowCursor);
    return;
  }
  int slot = 0;
  switch (fMouseAction) {
    case maNone: setCursor(Qt::CrossCursor); return;
    case maPan:
    case maPanHoriz:
    case maPanVert: slot = 1; break;
    case maZoomWind: slot = 2; break;
    case maZoomDrag: slot = 3; break;
    case maZoomWindPos: slot = 4; break;
    case maDragCrossH:
    case maDragLabel: setCursor(Qt::ArrowCursor); return;
    default: return;  // the modes without behaviour leave the cursor alone
  }
  if (const auto cursor = ChartCursor(slot))
    setCursor(*cursor);
  else
    setCursor(Qt::ArrowCursor);
}

// ---- zoom history ----

bool TCustomRChart::ZoomBack() {
  if (!fRangeHistory.CanGoBack()) return false;
  RestoreRanges(fRangeHistory.Back());
  return true;
}

bool TCustomRChart::ZoomForward() {
  if (!fRangeHistory.CanGoForward()) return false;
  RestoreRanges(fRangeHistory.Forward());
  return true;
}

void TCustomRChart::RestoreRanges(const TRangeHistory::TSnapshot& s) {
  const bool lock = fPaintLock;
  fPaintLock = true;
  fHoldSnapshots = true;
  for (int n = 1; n <= kLayerCount; ++n) {
    const TLayerRect& r = s[std::size_t(n - 1)];
    SetLayerRange(n, r.Left, r.Bottom, r.Right, r.Top, false);
  }
  fHoldSnapshots = false;
  SetPaintLock(lock);
  if (OnZoomPan) OnZoomPan(this);
}

}  // namespace vqm
