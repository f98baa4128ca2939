#pragma once
// Where the logical pixels of a component land on a surface that has more
// device pixels than logical ones: a high-density screen, or a picture saved at
// a larger scale. Components lay out and draw in logical pixels; the canvas
// maps them here and nowhere else.
//
// Rounding, so that fractional ratios (1.25, 1.5) stay crisp:
// - a logical position p starts at device pixel floor(p * ratio);
// - an area covers the device pixels from its near edge's position up to, not
//   including, its far edge's, so areas side by side neither gap nor overlap;
// - an image of w logical pixels has ceil(w * ratio) device pixels, so that a
//   last device pixel only partly covered still belongs to the picture (the
//   screen shows it), and the canvas runs areas that reach the image's far
//   edge up to that edge;
// - a one-pixel pen (lines, outlines, single pixels and the marks made of them)
//   is max(1, round(ratio)) device pixels wide, halves rounded up, so every
//   thin line of a picture has the same width even where logical pixels
//   alternate between one and two device pixels.
// At ratio 1 every mapping is the identity.

#include "canvas.h"

class QPainter;

namespace vqm {

class TDevicePixels {
 public:
  static constexpr double kMaxRatio = 8.0;

  TDevicePixels() = default;
  // Ratios below 1 count as 1 (a picture is never drawn coarser than the
  // layout), above kMaxRatio as kMaxRatio.
  explicit TDevicePixels(double ratio);

  double Ratio() const { return fRatio; }
  bool IsIdentity() const { return fRatio == 1.0; }
  // The first device pixel of logical position p.
  int Position(int p) const;
  // The width of a one-pixel pen in device pixels.
  int PenWidth() const { return fPenWidth; }
  // A one-pixel pen centred on the exact logical position x starts at device
  // pixel round(x * Ratio() + PenOffset()); at whole logical pixels that is
  // Position (for whole and half ratios).
  double PenOffset() const { return (fRatio - fPenWidth) / 2; }
  // The logical position whose pen starts at device pixel q (the inverse).
  double LogicalOfPen(int q) const { return (q - PenOffset()) / fRatio; }
  // The device pixels an area of logical pixels covers.
  TRect Area(const TRect& r) const;
  // The device pixels a one-pixel pen covers at logical pixel (x, y).
  TRect PenDot(int x, int y) const;
  // The device pixels of an image `logical` pixels wide (or high).
  int Extent(int logical) const;
  // The logical extent of an image of `deviceExtent` device pixels (the
  // inverse of Extent).
  int LogicalExtent(int deviceExtent) const;

 private:
  double fRatio = 1.0;
  int fPenWidth = 1;
};

// The device pixels per logical pixel of a painter on a raster surface, as its
// transformation scales (a widget on a high-density screen, a picture rendered
// at a larger scale); 1 when it also rotates or shears.
double PainterPixelRatio(const QPainter& painter);

}  // namespace vqm
