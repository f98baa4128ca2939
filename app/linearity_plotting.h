#pragma once
// The static-linearity charts: DNL or INL against code, as set and as measured.

#include <vector>

#include "linearity/linearity_table.h"

namespace vqm {
class TCustomRChart;
class TRChart;
}  // namespace vqm

namespace quantora {

enum class TLinearityCurve { lcDnl, lcInl };

// The simulation charts' look with a code axis and an LSB axis, captioned for
// `curve`.
void ApplyLinearityChartSettings(vqm::TRChart& chart, TLinearityCurve curve);

// Draws `curve` of `rows` against code: as set in green, as measured in blue,
// over codes 0 .. top and a level range symmetric about 0 that holds both (at
// least +-0.5 LSB). Beyond 2048 codes each pixel's worth of codes is drawn as
// one vertical stroke from its least to its greatest value, so no code's
// excursion is lost and 16 bits draw as fast as 11.
void PlotLinearity(const std::vector<TLinearityRow>& rows, TLinearityCurve curve, vqm::TCustomRChart& chart);

}  // namespace quantora
