#pragma once
// Text labels laid out beside each other without overlap: each keeps its
// column and moves up row by row until it is clear of those placed before it.

#include <vector>

namespace quantora {

// A label's box in pixels, y growing downwards.
struct TLabelBox {
  double left = 0, top = 0, width = 0, height = 0;
  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
};

// True when the boxes share more than an edge.
bool Overlap(const TLabelBox& a, const TLabelBox& b);

// Where each of `wanted` (in its order) is drawn: in x order, each label takes
// the first place that overlaps none placed before it, going up a row at a
// time from where it wanted to be; one that would leave the area at the top
// (at `areaTop`) goes down below its wish instead. Boxes keep their size and
// their left edge.
std::vector<TLabelBox> LayOutLabels(const std::vector<TLabelBox>& wanted, double areaTop, double gap = 1);

}  // namespace quantora
