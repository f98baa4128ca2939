#pragma once
// One entry of a chart's display list: what to draw, where (world units of one
// layer) and with which pen and brush. The record is plain data; growth of the
// list zero-fills new entries, so a field that an append does not write is 0.

#include <cstdint>

#include "drawbase/colors.h"
#include "drawbase/enums.h"

namespace vqm {

// What an item draws. The numbers are part of the list's contract.
enum TItemKind : std::uint8_t {
  ikNone = 0,       // nothing
  ikMark = 1,       // mark MarkType centred on (X1, Y1)
  ikLine = 2,       // line (X1, Y1)-(X2, Y2); leaves the polyline pen position alone
  ikDrawTo = 3,     // next point (X1, Y1) of the current polyline
  ikRectangle = 4,  // rectangle (X1, Y1)-(X2, Y2), filled with FillColor unless Hollow
  ikRect3D = 5,     // filled rectangle with a raised or sunken edge chosen by EdgeStyle
  ikBar3D = 6,      // front, top and side faces of a bar Depth pixels deep at Size degrees
  ikText = 7,       // Text at (X1, Y1) in font size Size
  ikMoveTo = 8,     // pen move to (X1, Y1): ends the current polyline
  ikEllipse = 9,    // ellipse centred on (X1, Y1) with world half-axes X2, Y2
  ikUnused10 = 10,  // nothing
  ikUnused11 = 11,  // nothing
  ikMoveRel = 12,   // pen move by (X1, Y1) pixels
  ikDrawRel = 13,   // line by (X1, Y1) pixels from the pen position
  ikArrow = 14,     // line (X1, Y1)-(X2, Y2) with a head of Size pixels at the second end
};
constexpr int kItemKindCount = 15;

// Longest text a text item holds.
constexpr int kItemTextMax = 17;

struct TChartItem {
  double X1 = 0;  // point, first end or corner; pixel offset for the relative kinds
  double Y1 = 0;
  double X2 = 0;  // second end or opposite corner; horizontal half-axis of an ellipse
  double Y2 = 0;
  TColor Color = 0;       // pen colour (text colour of a text item)
  TColor FillColor = 0;   // brush of the filled kinds
  TColor EdgeColorB = 0;  // second edge colour of a 3-D rectangle
  TColor EdgeColorA = 0;  // first edge colour of a 3-D rectangle
  TPenStyle PenStyle = psSolid;
  std::int32_t ItemTag = 0;    // copied from the chart; nothing reads it
  std::int32_t LineWidth = 0;  // pen width in pixels
  std::uint8_t Class = 0;      // drawn only while this class is switched on
  std::uint8_t Kind = ikNone;  // a TItemKind
  std::int32_t Layer = 0;      // 1..16, whose axes map the coordinates
  bool Hollow = false;         // rectangle/ellipse unfilled, arrow head open
  std::uint8_t EdgeStyle = 0;  // 2..5 pick the edge of a 3-D rectangle
  char Text[kItemTextMax + 1] = {};  // NUL-terminated text of a text item
  std::int32_t Size = 0;       // depth angle, font size or arrow head length
  std::int32_t Depth = 0;      // bar depth in pixels
  std::uint8_t MarkType = 0;   // mark shape for DrawMark
};

static_assert(sizeof(TChartItem) == 104, "the item record keeps its 104-byte layout");

}  // namespace vqm
