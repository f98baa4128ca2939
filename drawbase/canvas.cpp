#include "canvas.h"

#include "image_canvas.h"

namespace vqm {

void TCanvas::MoveTo(int x, int y) { fPenPos = {x, y}; }

void TCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
  if (clip.Width() <= 0 || clip.Height() <= 0 || text.isEmpty()) return;
  TBitmap piece(clip.Width(), clip.Height(), PixelRatio());
  TImageCanvas& pc = piece.Canvas();
  pc.Brush = {Brush.Color, bsSolid};
  pc.FillRect({0, 0, clip.Width(), clip.Height()});
  pc.Font = Font;
  pc.TextOut(x - clip.Left, y - clip.Top, text);
  Draw(clip.Left, clip.Top, piece.Image());
}

}  // namespace vqm
