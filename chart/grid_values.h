#pragma once
// The world values at which a chart draws grid lines in one direction. Pure.

#include <span>
#include <vector>

namespace vqm {

// Most grid lines drawn per direction (and grid points in all).
constexpr int kMaxGridLines = 1000;

struct TGridAxis {
  double Low = 0, High = 1;  // ordered: Low <= High
  bool Logarithmic = false;
  // > 0: fixed step; 0: the axis ticks; -1: decades, -2: 1-2-5 steps,
  // -3: every integer mantissa (on a logarithmic axis; a linear axis steps by |Step|).
  double Step = 0;
  std::span<const double> Ticks = {};  // the axis control's recorded ticks (Step 0)
  // The axis's major tick step. A fixed Step that would leave fewer than two
  // lines inside the range (a zoomed axis) gives way to it, so that the grid still
  // measures; 0: no such step.
  double TickStep = 0;
};

// Every grid value below High, at most kMaxGridLines, into `out` (cleared first).
void GridValues(const TGridAxis& axis, std::vector<double>& out);

}  // namespace vqm
