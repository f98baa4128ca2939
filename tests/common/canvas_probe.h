#pragma once
// Helpers for pixel tests: an image canvas filled with one colour and queries of
// what was painted on it.

#include <set>
#include <utility>

#include "drawbase/image_canvas.h"

namespace vqm::testing {

class CanvasProbe {
 public:
  CanvasProbe(int width, int height, TColor background = clWhite) : fBitmap(width, height) {
    fBackground = background;
    Canvas().Brush.Color = background;
    Canvas().Brush.Style = bsSolid;
    Canvas().FillRect({0, 0, width, height});
  }
  TImageCanvas& Canvas() { return fBitmap.Canvas(); }
  TBitmap& Bitmap() { return fBitmap; }
  TColor At(int x, int y) { return Canvas().GetPixel(x, y); }

  // Every pixel that differs from the background.
  std::set<std::pair<int, int>> Painted() {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < fBitmap.Height(); ++y)
      for (int x = 0; x < fBitmap.Width(); ++x)
        if (At(x, y) != fBackground) out.insert({x, y});
    return out;
  }
  // Every pixel of exactly this colour.
  std::set<std::pair<int, int>> PixelsOf(TColor c) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < fBitmap.Height(); ++y)
      for (int x = 0; x < fBitmap.Width(); ++x)
        if (At(x, y) == ResolveColor(c)) out.insert({x, y});
    return out;
  }

 private:
  TBitmap fBitmap;
  TColor fBackground;
};

}  // namespace vqm::testing
