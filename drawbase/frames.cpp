#include "frames.h"

#include <array>

namespace vqm {

void DrawRectOutline(TCanvas& canvas, int left, int top, int right, int bottom) {
  canvas.MoveTo(left, top);
  canvas.LineTo(left, bottom);
  canvas.LineTo(right, bottom);
  canvas.LineTo(right, top);
  canvas.LineTo(left, top);
}

void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom,
               TColor highlight, TColor light, TColor shadow, TColor dark, TColor simple) {
  TColor c1, c2, c3, c4;  // outer top-left, outer bottom-right, inner top-left, inner bottom-right
  switch (style) {
    case fsNone:
      return;
    case fsSimple:
      canvas.Pen.Color = simple;
      DrawRectOutline(canvas, left, top, right, bottom);
      return;
    case fsLowered: c1 = shadow, c2 = highlight, c3 = dark, c4 = light; break;
    case fsRaised: c1 = highlight, c2 = dark, c3 = light, c4 = shadow; break;
    case fsEmbossed: c1 = highlight, c2 = shadow, c3 = shadow, c4 = highlight; break;
    case fsEngraved: c1 = shadow, c2 = highlight, c3 = highlight, c4 = shadow; break;
    default: return;
  }
  const int L = left, T = top, R = right, B = bottom;
  canvas.Pen.Color = c1;
  canvas.MoveTo(L, B);
  canvas.LineTo(L, T);
  canvas.LineTo(R + 1, T);
  canvas.MoveTo(R, T + 1);
  canvas.Pen.Color = c2;
  canvas.LineTo(R, B);
  canvas.LineTo(L - 1, B);
  canvas.Pen.Color = c3;
  canvas.MoveTo(L + 1, B - 1);
  canvas.LineTo(L + 1, T + 1);
  canvas.LineTo(R, T + 1);
  canvas.MoveTo(R - 1, T + 2);
  canvas.Pen.Color = c4;
  canvas.LineTo(R - 1, B - 1);
  canvas.LineTo(L, B - 1);
}

}  // namespace vqm
