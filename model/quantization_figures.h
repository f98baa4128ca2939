#pragma once
// The figures a student checks the converter against, for one run of the model:
// the step, the quantization error apart from the hold error, the measured
// signal-to-quantization-noise ratio and the textbook rule beside it.
//
// Every mean is taken over the time grid, that is over the staircase as the
// chart shows it (a held value counts once per grid point it covers).

#include "model/simulation.h"

namespace quantora {

// The amplitude of the sine, against which the textbook rule is corrected: the
// rule assumes a sine spanning the whole range (5 V), ours peaks at 4.8 V.
inline constexpr double kRuleSineAmplitude = 4.8;
inline constexpr double kFullScaleAmplitude = 5.0;

struct TQuantizationFigures {
  int bits = 0;                       // the resolution, clamped as the converter clamps it
  double step = 0;                    // one converter step, 10 V / (2^bits - 1)
  double quantizationErrorMax = 0;    // largest |h_i - q_i|: held value minus its level, V
  double quantizationErrorRms = 0;    // RMS of h_i - q_i, V
  double holdErrorMax = 0;            // largest |s(t_i) - h_i|: analog minus held value, V
  double holdErrorRms = 0;            // RMS of s(t_i) - h_i, V
  double totalErrorRms = 0;           // RMS of the Error series (the blue curve), V
  double sqnrMeasuredDb = 0;          // 10 log10(mean h_i^2 / mean (h_i - q_i)^2); +inf when
                                      // every held value sits on a level, NaN (not measurable)
                                      // when the held values hold no signal (kLeastSignalMeanSquare)
  double sqnrRuleDb = 0;              // 6.02 bits + 1.76 dB + 20 log10(A / 5 V)
  double ruleAmplitudeV = kRuleSineAmplitude;  // A: the generator's sine, at most full scale
};

// The textbook rule 6.02 n + 1.76 dB for a full-scale sine, corrected for a
// sine of `amplitudeV` (the design's 4.8 V by default; beyond full scale the
// sine clips and counts as full scale; NaN for a sine below the least signal).
// bits is clamped as the converter clamps it.
double SqnrRuleDb(int bits, double amplitudeV = kRuleSineAmplitude);

// The figures of `result`, which ComputeSeries filled with this resolution
// from a generator of this amplitude.
TQuantizationFigures QuantizationFigures(int bits, const TSimulationResult& result,
                                         double amplitudeV = kRuleSineAmplitude);

}  // namespace quantora
