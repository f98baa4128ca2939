#pragma once
// Mapping of axis values to pixels along a scale. Pure computation: no toolkit.

#include "drawbase/enums.h"

namespace vqm {

// The value range of an axis. Low may exceed High: the axis then runs backwards.
struct TAxisRange {
  double Low = 0.0;
  double High = 100.0;
  bool Logarithmic = false;
};

// The scale's size and the distances of its axis from the edges.
struct TAxisExtent {
  TScaleType Type = sctXB;
  int Width = 400;
  int Height = 400;
  int MarginLeft = 20;
  int MarginRight = 20;
  int MarginTop = 20;
  int MarginBottom = 20;
};

constexpr bool IsVertical(TScaleType t) { return t == sctYL || t == sctYR; }

// pixel = Offset + Factor * v (linear) or Offset + Factor * ln v (logarithmic).
struct TAxisMapping {
  double Factor = 1.0;
  double Offset = 0.0;
  bool operator==(const TAxisMapping&) const = default;
};

// Recomputes the mapping so that the range spans the axis between the margins:
// Low at the left (horizontal) or High at the top (vertical). Leaves the mapping
// unchanged for equal bounds and for a logarithmic range with a bound <= 0.
// An axis without room maps everything to its middle.
void CalcMapping(const TAxisRange& range, const TAxisExtent& extent, TAxisMapping& mapping);

// The pixel along the axis (x for horizontal, y for vertical scales), rounded
// half to even and clamped to the int range. On a logarithmic axis a value
// <= 1e-100 goes to 0 (ascending range) or to the scale's width (descending).
int ValueToPixel(const TAxisMapping& mapping, const TAxisRange& range, int width, double v);

}  // namespace vqm
