#include "app/model/quantization_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/model/quantizer.h"

namespace quantora {
namespace {

// Largest magnitude and mean square of a difference series, accumulated in
// extended precision.
struct TDifferenceStats {
  long double max = 0;
  long double meanSquare = 0;
};

template <typename Difference>
TDifferenceStats Stats(Difference difference) {
  TDifferenceStats stats;
  long double sum = 0;
  for (int i = 0; i < NumPoints; ++i) {
    const long double d = difference(i);
    stats.max = std::max(stats.max, std::fabs(d));
    sum += d * d;
  }
  stats.meanSquare = sum / NumPoints;
  return stats;
}

double Rms(const TDifferenceStats& stats) { return static_cast<double>(std::sqrt(stats.meanSquare)); }

}  // namespace

double SqnrRuleDb(int bits) {
  const int n = std::clamp(bits, MinBits, MaxBits);
  return 6.02 * n + 1.76 + 20.0 * std::log10(kRuleSineAmplitude / kFullScaleAmplitude);
}

TQuantizationFigures QuantizationFigures(int bits, const TSimulationResult& r) {
  TQuantizationFigures f;
  f.bits = std::clamp(bits, MinBits, MaxBits);
  f.step = 10.0 / static_cast<double>((1L << f.bits) - 1);

  const auto quantization = Stats([&](int i) { return static_cast<long double>(r.Held[i]) - r.Sampled[i]; });
  const auto hold = Stats([&](int i) { return static_cast<long double>(r.Analog[i]) - r.Held[i]; });
  const auto total = Stats([&](int i) { return static_cast<long double>(r.Error[i]); });
  const auto signal = Stats([&](int i) { return static_cast<long double>(r.Held[i]); });

  f.quantizationErrorMax = static_cast<double>(quantization.max);
  f.quantizationErrorRms = Rms(quantization);
  f.holdErrorMax = static_cast<double>(hold.max);
  f.holdErrorRms = Rms(hold);
  f.totalErrorRms = Rms(total);
  f.sqnrMeasuredDb = quantization.meanSquare == 0
                         ? std::numeric_limits<double>::infinity()
                         : static_cast<double>(10.0L * std::log10(signal.meanSquare / quantization.meanSquare));
  f.sqnrRuleDb = SqnrRuleDb(f.bits);
  return f;
}

}  // namespace quantora
