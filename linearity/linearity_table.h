#pragma once
// The static linearity of a setting's converter: its DNL and INL per code as
// set and as the code-density test measures them.
//
// Conventions, for set and measured alike (all in LSB):
//  - DNL_k = T_(k+1) - T_k - 1 for the inner codes 1 .. top - 1; a missing
//    code has -1. The end codes 0 and top run on past the ends of the range,
//    so they have no width: their DNL is 0.
//  - INL_k = T_k - (k - 1/2), the deviation of code k's lower transition from
//    the endpoint line, which for this converter is the ideal line. Code 0 has
//    no lower transition: its INL is 0; the top code's is 0 by the endpoint
//    line's definition.
// A 1-bit converter has no inner code: both of its rows are 0.

#include <vector>

#include "model/chain_settings.h"

namespace quantora {

struct TLinearityRow {
  int code = 0;
  double dnlSet = 0, inlSet = 0;
  double dnlMeasured = 0, inlMeasured = 0;
};

// Rows for codes 0 .. 2^bits - 1, from the transition levels T_1 .. T_top
// (LSB from -5 V) as set and as measured.
std::vector<TLinearityRow> LinearityRows(const std::vector<double>& setTransitions,
                                         const std::vector<double>& measuredTransitions);

// The converter of `settings` (bits, imperfections, dither, seed) measured:
// 2^(bits + 6) samples, at least 2^16, through its input noise (see
// ChooseTestSine). The waveform, the generator, the interval and the jitter
// play no part. Takes about 0.1 s at 16 bits.
std::vector<TLinearityRow> MeasureLinearity(const TSimulationSettings& settings);

// What a data sheet states of a measurement.
struct TLinearitySummary {
  double peakDnlMeasured = 0, peakInlMeasured = 0;  // largest magnitude, LSB
  double peakDnlSet = 0, peakInlSet = 0;
  int missingCodes = 0;  // inner codes the test never hit (measured DNL -1)
};
TLinearitySummary SummarizeLinearity(const std::vector<TLinearityRow>& rows);

}  // namespace quantora
