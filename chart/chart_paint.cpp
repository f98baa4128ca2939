// Rendering: the frame image, the data background, the items and the grid.
#include <QPaintEvent>
#include <QPainter>

#include "chart/axis_controls.h"
#include "chart/rchart.h"

namespace vqm {

bool TCustomRChart::CanPaint() const { return isVisible() && !fLoading && !fPaintLock; }

void TCustomRChart::Paint() {
  if (!CanPaint()) return;
  PaintFrameImage(fFrameImage.Canvas());
  PaintDataBackground(fDataImage.Canvas());
  RenderItems(fDataImage.Canvas());
  fFrameImage.Canvas().Draw(fMarginLeft, fMarginTop, fDataImage.Image());
  DrawCrosshairsAndShow(0, 0, fFrameImage);
}

void TCustomRChart::PaintFrameImage(TCanvas&) { fFrameImage.SetSize(width(), height()); }
void TCustomRChart::PaintDataBackground(TCanvas&) { ResizeDataImage(); }
void TCustomRChart::RenderItems(TCanvas&) {}
void TCustomRChart::DrawGrid(TCanvas&) {}
void TCustomRChart::DrawCrosshairsAndShow(int, int, TBitmap&) { update(); }

void TCustomRChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, fFrameImage.Image());
}

}  // namespace vqm
