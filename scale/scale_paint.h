#pragma once
// Drawing of an axis from a finished tick pass: ticks, labels, caption and base
// line on any canvas. Pixel geometry only; the scale decides what and where.

#include <functional>
#include <string>

#include "drawbase/canvas.h"
#include "scale/axis_mapping.h"
#include "scale/tick_pass.h"

namespace vqm {

// The base line: its y for horizontal types, its x for vertical ones, with the
// offset across the axis (dy for horizontal, dx for vertical types) added.
int BaseLinePosition(const TAxisExtent& extent, int dx, int dy);

// Left edge of a horizontal label centred on x, kept inside a control of the
// given width: no label starts left of x = 2, none ends past width - 2.
int HorizontalLabelLeft(int x, int textWidth, int controlWidth);

// Called after each tick with the canvas variable (a handler may replace it)
// and the tick's base point on the base line.
using TTickDrawnCallback = std::function<void(TCanvas*& canvas, const TTick& tick, int chartX, int chartY)>;

// Draws every tick of the pass with its label and date line, raising onTick
// (when set) per tick in the order the generator asks for, then the pass's
// date/time message if it has one. Uses the canvas's pen and font.
void DrawTicks(TCanvas*& canvas, const TTickPass& pass, const TAxisExtent& extent, int baseLine,
               const TTickDrawnCallback& onTick);

// Where the caption is anchored along the axis and how its text lines up there.
enum TScaleUnitAnchor : std::uint8_t {
  uaSclTopLft,  // start of the axis (left or top end)
  uaSclCenter,  // middle of the axis
  uaSclBotRgt,  // end of the axis (right or bottom end)
};
struct TCaptionPlacement {
  int PosX = 4;  // offset from the anchor point
  int PosY = 4;
  TAlignment Alignment = taCenter;
  TScaleUnitAnchor Anchor = uaSclTopLft;
};

// Top-left corner of a caption of the given text width.
TPoint CaptionOrigin(const TAxisExtent& extent, int baseLine, const TCaptionPlacement& placement, int textWidth);

void DrawBaseLine(TCanvas& canvas, const TAxisExtent& extent, int baseLine);

}  // namespace vqm
