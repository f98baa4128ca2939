#pragma once
// The ranges of a chart's sizes, positions, margins and axis values. Every
// setter holds its value within them before any arithmetic, so that sums of
// them stay far inside int, a chart's pictures stay a size memory can hold and
// ranges stay finite. A stored design that asks for more is clamped like any
// other input, and what the chart then writes reads back the same.

#include <algorithm>
#include <cmath>

namespace vqm {

// Width and height in pixels: 0..8192, an 8K screen and a little more.
constexpr int kMaxChartExtent = 8192;
// Left and Top, caption positions, axis distances (ScalePos) and label
// shadows, in pixels: -32767..32767, the coordinates a window system places.
constexpr int kMaxPixelOffset = 32767;
// Each margin: 0..4000, so that two margins, the shadow and the least data
// area stay within kMaxChartExtent.
constexpr int kMaxMargin = 4000;
// Ends of an axis range and its MinRange: magnitudes up to 1e300, so that a
// span, a centre or an end plus MinRange is finite.
constexpr double kMaxWorldValue = 1e300;

inline int ClampPixelOffset(int v) { return std::clamp(v, -kMaxPixelOffset, kMaxPixelOffset); }
inline int ClampExtent(int v) { return std::clamp(v, 0, kMaxChartExtent); }
inline int ClampMargin(int v) { return std::clamp(v, 0, kMaxMargin); }
// NaN stays NaN: the setters refuse it.
inline double ClampWorldValue(double v) { return std::isnan(v) ? v : std::clamp(v, -kMaxWorldValue, kMaxWorldValue); }

}  // namespace vqm
