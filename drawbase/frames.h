#pragma once
// Frames and data-point marks, drawn on any canvas.

#include <cstdint>

#include "canvas.h"

namespace vqm {

// A 3-D frame on the rectangle whose outermost pixels are the columns left and
// right and the rows top and bottom. Only the canvas's pen colour changes (it is
// left at the last colour used); fsNone draws nothing and changes nothing.
void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom,
               TColor highlight, TColor light, TColor shadow, TColor dark, TColor simple);

// One closed one-pixel outline in the current pen through the four corners.
void DrawRectOutline(TCanvas& canvas, int left, int top, int right, int bottom);

// The mark of the given type centred on (x, y) in the current pen colour: 0..47
// fixed shapes, 48..255 the character with that code. Leaves the pen untouched,
// restores the brush colour, and leaves the brush style solid after a hollow mark.
void DrawMark(TCanvas& canvas, std::uint8_t markType, int x, int y);

}  // namespace vqm
