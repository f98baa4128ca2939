#include "device_pixels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vqm {

TDevicePixels::TDevicePixels(double ratio)
    : fRatio(std::isfinite(ratio) ? std::clamp(ratio, 1.0, kMaxRatio) : 1.0),
      fPenWidth(std::max(1, int(std::floor(fRatio + 0.5)))) {}

int TDevicePixels::Position(int p) const { return IsIdentity() ? p : int(std::floor(p * fRatio)); }

TRect TDevicePixels::Area(const TRect& r) const {
  return {Position(r.Left), Position(r.Top), Position(r.Right), Position(r.Bottom)};
}

TRect TDevicePixels::PenDot(int x, int y) const {
  const int left = Position(x), top = Position(y);
  return {left, top, left + fPenWidth, top + fPenWidth};
}

int TDevicePixels::Extent(int logical) const { return IsIdentity() ? logical : int(std::ceil(logical * fRatio)); }

int TDevicePixels::LogicalExtent(int deviceExtent) const {
  if (IsIdentity()) return deviceExtent;
  // The largest extent whose image fits in deviceExtent.
  int extent = int(std::floor(deviceExtent / fRatio));
  while (Extent(extent + 1) <= deviceExtent) ++extent;
  while (extent > 0 && Extent(extent) > deviceExtent) --extent;
  return extent;
}

double PainterPixelRatio(const QPainter& painter) {
  const QTransform t = painter.deviceTransform();
  if (t.type() > QTransform::TxScale || t.m11() != t.m22()) return 1.0;
  return TDevicePixels(t.m11()).Ratio();
}

}  // namespace vqm
