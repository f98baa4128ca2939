#include "model/quantization_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/quantizer.h"
#include "model/signal_floor.h"

namespace quantora {
namespace {

// Largest magnitude and sum of squares of one difference series. Double sums
// over 2048 points keep far more digits than the figures show.
struct TDifferenceStats {
  double max = 0;
  double sumOfSquares = 0;

  void Add(double d) {
    max = std::max(max, std::fabs(d));
    sumOfSquares += d * d;
  }
  double MeanSquare() const { return sumOfSquares / NumPoints; }
  double Rms() const { return std::sqrt(MeanSquare()); }
};

}  // namespace

double SqnrRuleDb(int bits, double amplitudeV) {
  const int n = std::clamp(bits, MinBits, MaxBits);
  const double amplitude = std::min(amplitudeV, kFullScaleAmplitude);
  if (!(amplitude >= kLeastSignalAmplitude)) return std::numeric_limits<double>::quiet_NaN();
  return 6.02 * n + 1.76 + 20.0 * std::log10(amplitude / kFullScaleAmplitude);
}

TQuantizationFigures QuantizationFigures(int bits, const TSimulationResult& r, double amplitudeV) {
  TQuantizationFigures f;
  f.bits = std::clamp(bits, MinBits, MaxBits);
  f.step = 10.0 / static_cast<double>((1L << f.bits) - 1);

  TDifferenceStats quantization, hold, total, signal;
  for (int i = 0; i < NumPoints; ++i) {
    quantization.Add(r.Held[i] - r.Sampled[i]);
    hold.Add(r.Analog[i] - r.Held[i]);
    total.Add(r.Error[i]);
    signal.Add(r.Held[i]);
  }

  f.quantizationErrorMax = quantization.max;
  f.quantizationErrorRms = quantization.Rms();
  f.holdErrorMax = hold.max;
  f.holdErrorRms = hold.Rms();
  f.totalErrorRms = total.Rms();
  if (signal.MeanSquare() < kLeastSignalMeanSquare)
    f.sqnrMeasuredDb = std::numeric_limits<double>::quiet_NaN();
  else if (quantization.sumOfSquares == 0)
    f.sqnrMeasuredDb = std::numeric_limits<double>::infinity();
  else
    f.sqnrMeasuredDb = 10.0 * std::log10(signal.sumOfSquares / quantization.sumOfSquares);
  f.sqnrRuleDb = SqnrRuleDb(f.bits, amplitudeV);
  f.ruleAmplitudeV = std::min(amplitudeV, kFullScaleAmplitude);
  return f;
}

}  // namespace quantora
