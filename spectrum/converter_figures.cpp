#include "spectrum/converter_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quantora {
namespace {

enum class TBinRole { brNoise, brDc, brFundamental, brHarmonic };

// A fundamental weaker than this (-120 dBFS) is taken as none.
constexpr double kLeastSignalPower = 1e-12 * kFullScaleVolts * kFullScaleVolts / 2;

// Below this part of the signal power (200 dB) an error is the rounding of the
// arithmetic, not of the converter: none.
constexpr double kNegligibleRatio = 1e-20;

double RatioDb(double signal, double noise) {
  return noise > signal * kNegligibleRatio ? 10.0 * std::log10(signal / noise)
                                           : std::numeric_limits<double>::infinity();
}

// Marks the line around `centre` (bins within halfWidth) with `role` where no
// earlier line claimed the bin.
void MarkLine(std::vector<TBinRole>& roles, long centre, int halfWidth, TBinRole role) {
  const long last = long(roles.size()) - 1;
  for (long k = std::max(0L, centre - halfWidth); k <= std::min(last, centre + halfWidth); ++k)
    if (roles[std::size_t(k)] == TBinRole::brNoise) roles[std::size_t(k)] = role;
}

// The bin that frequency `bins` (in bins, possibly beyond fs) folds onto in 0 .. N/2.
long FoldedBin(double bins, std::size_t n) {
  const double period = double(n);
  double folded = std::fmod(bins, period);
  if (folded > period / 2) folded = period - folded;
  return std::lround(folded);
}

}  // namespace

std::optional<TConverterFigures> MeasureConverterFigures(const TRecordSpectra& s) {
  const std::size_t count = s.output.power.size();
  const int halfWidth = LineHalfWidth(s.window);
  std::vector<TBinRole> roles(count, TBinRole::brNoise);
  MarkLine(roles, 0, halfWidth, TBinRole::brDc);

  // The fundamental: the output's largest bin beside DC.
  long peak = -1;
  for (std::size_t k = 0; k < count; ++k)
    if (roles[k] == TBinRole::brNoise && (peak < 0 || s.output.power[k] > s.output.power[std::size_t(peak)]))
      peak = long(k);
  if (peak < 0) return std::nullopt;
  MarkLine(roles, peak, halfWidth, TBinRole::brFundamental);

  double outputLine = 0, weightedBin = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (roles[k] != TBinRole::brFundamental) continue;
    outputLine += s.output.power[k];
    weightedBin += double(k) * s.output.power[k];
  }
  if (outputLine <= 0) return std::nullopt;
  // Between two bins the window spreads the line; its centre of power finds it again.
  const double centre = weightedBin / outputLine;
  for (int h = 2; h <= kHarmonicsCounted; ++h)
    MarkLine(roles, FoldedBin(h * centre, s.samples), halfWidth, TBinRole::brHarmonic);

  // The input is a pure sine: all it holds beside DC is signal.
  double signal = 0, noise = 0, distortion = 0, spur = 0;
  std::size_t spurBin = 0, noiseBins = 0, spurBins = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (roles[k] == TBinRole::brDc) continue;  // an offset is neither signal, noise nor distortion
    const double e = s.error.power[k];
    signal += s.input.power[k];
    if (roles[k] == TBinRole::brNoise) {
      noise += e;
      ++noiseBins;
    } else {
      distortion += e;
    }
    if (roles[k] == TBinRole::brFundamental) continue;
    // Spurs from the error spectrum: the window's own leakage of the
    // fundamental is no spur of the converter.
    ++spurBins;
    if (e > spur) spur = e, spurBin = k;
  }
  if (signal < kLeastSignalPower) return std::nullopt;

  TConverterFigures f;
  f.fundamentalMHz = centre * s.binMHz;
  f.fundamentalDbfs = 10.0 * std::log10(outputLine / (kFullScaleVolts * kFullScaleVolts / 2));
  f.sinadDb = RatioDb(signal, noise + distortion);
  f.enobBits = (f.sinadDb - 1.76) / 6.02;
  if (noiseBins > 0) f.snrDb = RatioDb(signal, noise);
  if (spurBins > 0) {
    f.sfdrDb = RatioDb(s.output.power[std::size_t(peak)], spur);
    f.spurMHz = double(spurBin) * s.binMHz;
  }
  return f;
}

}  // namespace quantora
