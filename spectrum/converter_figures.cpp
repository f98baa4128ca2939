#include "spectrum/converter_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "spectrum/analog_components.h"

namespace quantora {
namespace {

enum class TBinRole { brNoise, brDc, brFundamental, brHarmonic };


// Below this part of the signal power (200 dB) an error is the rounding of the
// arithmetic, not of the converter: none.
constexpr double kNegligibleRatio = 1e-20;

double RatioDb(double signal, double noise) {
  return noise > signal * kNegligibleRatio ? 10.0 * std::log10(signal / noise)
                                           : std::numeric_limits<double>::infinity();
}

// Calls visit(k) for each bin k of the line around `centre` (halfWidth bins
// either side) among the `count` bins.
template <typename Visit>
void ForEachLineBin(std::size_t count, long centre, int halfWidth, Visit visit) {
  const long last = long(count) - 1;
  for (long k = std::max(0L, centre - halfWidth); k <= std::min(last, centre + halfWidth); ++k) visit(std::size_t(k));
}

// Marks the line around `centre` with `role` where no earlier line claimed the bin.
void MarkLine(std::vector<TBinRole>& roles, long centre, int halfWidth, TBinRole role) {
  ForEachLineBin(roles.size(), centre, halfWidth, [&](std::size_t k) {
    if (roles[k] == TBinRole::brNoise) roles[k] = role;
  });
}

}  // namespace

double FoldedBins(double mhz, double binMHz, std::size_t samples) {
  return AliasFrequency(mhz / binMHz, double(samples));  // sampled N times a record, in bins
}

TMeasurability RecordMeasurability(double signalBins, std::size_t samples, TWindowChoice window) {
  const double half = double(samples) / 2;
  // Within a millionth of a bin of DC or fs/2 the samples see no sine.
  if (signalBins < 1e-6 || signalBins > half - 1e-6) return TMeasurability::mbNoSignal;
  // The main lobes (halfWidth bins either side of a line's centre) of the
  // fundamental and of DC, or of the fundamental and its mirror at N - k, meet.
  const int halfWidth = LineHalfWidth(window.kind);
  if (signalBins < 2 * halfWidth || signalBins > half - halfWidth) return TMeasurability::mbLinesMerge;
  if (window.reason == TWindowReason::wrCutPeriods && samples < kLeastCutSamples) return TMeasurability::mbTooFewSamples;
  return TMeasurability::mbMeasurable;
}

std::optional<TConverterFigures> MeasureConverterFigures(const TRecordSpectra& s) {
  const std::size_t count = s.output.power.size();
  const int halfWidth = LineHalfWidth(s.window.kind);
  const double signalBins = FoldedBins(s.signalMHz, s.binMHz, s.samples);
  if (RecordMeasurability(signalBins, s.samples, s.window) != TMeasurability::mbMeasurable) return std::nullopt;
  std::vector<TBinRole> roles(count, TBinRole::brNoise);
  MarkLine(roles, 0, halfWidth, TBinRole::brDc);
  MarkLine(roles, std::lround(signalBins), halfWidth, TBinRole::brFundamental);
  for (int h = 2; h <= kHarmonicsCounted; ++h)
    MarkLine(roles, std::lround(FoldedBins(h * s.signalMHz, s.binMHz, s.samples)), halfWidth, TBinRole::brHarmonic);

  // The input is a pure sine: all it holds beside DC is signal.
  double signal = 0, noise = 0, distortion = 0, outputLine = 0, weightedBin = 0;
  long spurBin = -1;
  std::size_t noiseBins = 0;
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
    if (roles[k] == TBinRole::brFundamental) {
      outputLine += s.output.power[k];
      weightedBin += double(k) * s.output.power[k];
      continue;
    }
    // Spurs from the error spectrum: the window's own leakage of the
    // fundamental is no spur of the converter.
    if (spurBin < 0 || e > s.error.power[std::size_t(spurBin)]) spurBin = long(k);
  }
  if (signal < kLeastSignalMeanSquare || outputLine <= 0) return std::nullopt;

  TConverterFigures f;
  // Between two bins the window spreads the line; its centre of power finds it again.
  f.fundamentalMHz = weightedBin / outputLine * s.binMHz;
  f.fundamentalDbfs = 10.0 * std::log10(outputLine / (kFullScaleVolts * kFullScaleVolts / 2));
  f.sinadDb = RatioDb(signal, noise + distortion);
  f.enobBits = (f.sinadDb - 1.76) / 6.02;
  if (noiseBins > 0) f.snrDb = RatioDb(signal, noise);
  if (spurBin >= 0) {
    // The spur's whole line, as the signal's: a part of the error, so SFDR >= SINAD.
    double spurLine = 0;
    ForEachLineBin(count, spurBin, halfWidth, [&](std::size_t k) {
      if (roles[k] != TBinRole::brDc && roles[k] != TBinRole::brFundamental) spurLine += s.error.power[k];
    });
    f.sfdrDb = RatioDb(signal, spurLine);
    f.spurMHz = double(spurBin) * s.binMHz;
  }
  return f;
}

}  // namespace quantora
