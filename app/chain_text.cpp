#include "app/chain_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "app/number_text.h"
#include "model/signal_chain.h"
#include "model/simulation.h"

namespace quantora {
namespace {

// The converter's input range ends here, either side of 0 V.
constexpr double kRangeEndV = 5.0;

void AddGeneratorLines(const TSimulationSettings& settings, std::vector<TTooltipLine>& lines) {
  const TGeneratorSettings& g = settings.chain.generator;
  if (g == TGeneratorSettings{}) return;
  lines.push_back({"Generator: amplitude <%1%> V, frequency <%2%> MHz, offset <%3%> V (by default 4.8 V, 4 MHz, 0 V).",
                   {SignificantText(g.amplitudeV, 4), SignificantText(g.frequencyMHz, 4), SignificantText(g.offsetV, 4)}});
}

void AddClippingLine(const TSimulationSettings& settings, std::vector<TTooltipLine>& lines) {
  const TClipping clipping = SampledClipping(settings);
  if (clipping.samples == 0) return;
  lines.push_back({"Clipping: <%1%> samples lie beyond the converter's range of -5 V to +5 V (up to <%2%> V); the "
                   "staircase stays at the end level there.",
                   {std::to_string(clipping.samples), SignificantText(clipping.peakV, 4)}});
}

void AddImperfectionLines(const TImperfections& i, std::vector<TTooltipLine>& lines) {
  struct TItem {
    double value;
    const char* key;
  };
  const TItem items[] = {
      {i.noiseMv, "Input noise: <%1%> mV RMS, added to the signal before it is held."},
      {i.jitterPs, "Aperture jitter: <%1%> ps RMS, each sampling instant moves by a random time error."},
      {i.offsetErrorLsb, "Offset error: <%1%> LSB, every transition level shifted."},
      {i.gainErrorPercent, "Gain error: <%1%> %, the input scaled about 0 V."},
      {i.inlLsb, "Integral nonlinearity: a bow of <%1%> LSB at mid-scale."},
      {i.dnlLsb, "Differential nonlinearity: code widths drawn at random, <%1%> LSB standard deviation; a width that "
                 "reaches zero is a missing code."},
  };
  for (const TItem& item : items)
    if (item.value != 0) lines.push_back({item.key, {SignificantText(item.value, 4)}});
}

void AddDitherLines(const TDitherSettings& d, std::vector<TTooltipLine>& lines) {
  switch (d.kind) {
    case TDitherKind::dkNone:
      return;
    case TDitherKind::dkRectangular:
      lines.push_back({"Dither: rectangular, 1 LSB peak to peak, added before the quantizer.", {}});
      break;
    case TDitherKind::dkTriangular:
      lines.push_back({"Dither: triangular, 2 LSB peak to peak, added before the quantizer.", {}});
      break;
  }
  if (d.subtract) lines.push_back({"The dither is subtracted again after the quantizer.", {}});
}

}  // namespace

TClipping SampledClipping(const TSimulationSettings& settings) {
  // The design's waveforms stay within the range; only the generator and the
  // input noise can take a sample beyond it.
  if (settings.chain.generator == TGeneratorSettings{} && settings.chain.imperfections.noiseMv == 0) return {};
  const TSignalChain chain(settings);
  const int step = std::max(1, settings.interval);
  TClipping clipping;
  // Every instant the staircase holds, up to the record's end.
  for (int instant = 0; instant <= kRecordNs; instant += step) {
    const double held = std::fabs(chain.Held(instant));
    if (!(held > kRangeEndV)) continue;
    ++clipping.samples;
    clipping.peakV = std::max(clipping.peakV, held);
  }
  return clipping;
}

double JitterLimitedSnrDb(double frequencyMHz, double jitterPs) {
  return -20.0 * std::log10(2.0 * std::numbers::pi * frequencyMHz * 1e6 * jitterPs * 1e-12);
}

std::vector<TTooltipLine> ChainSettingLines(const TSimulationSettings& settings) {
  std::vector<TTooltipLine> lines;
  if (IsIdealChain(settings.chain)) return lines;
  AddGeneratorLines(settings, lines);
  AddClippingLine(settings, lines);
  AddImperfectionLines(settings.chain.imperfections, lines);
  AddDitherLines(settings.chain.dither, lines);
  if (DrawsAtRandom(settings.chain))
    lines.push_back({"Random draws from seed <%1%>: the same seed gives the same samples.",
                     {std::to_string(settings.chain.seed)}});
  return lines;
}

std::vector<TTooltipLine> ChainSpectrumLines(const TSimulationSettings& settings) {
  std::vector<TTooltipLine> lines;
  if (settings.form != TSignalForm::sfSine) return lines;
  const TChainSettings& c = settings.chain;
  const double jitter = c.imperfections.jitterPs;
  if (jitter > 0)
    lines.push_back({"Jitter of <%1%> ps limits the SNR at <%2%> MHz to about <%3%> dB, -20 log10(2 pi f sigma): the "
                     "faster the sine, the larger the error a time error makes.",
                     {SignificantText(jitter, 4), SignificantText(c.generator.frequencyMHz, 4),
                      FixedText(JitterLimitedSnrDb(c.generator.frequencyMHz, jitter), 0)}});
  if (c.dither.kind == TDitherKind::dkNone) return lines;
  if (c.dither.subtract)
    lines.push_back({"Subtracted dither: the harmonics turn into noise as well, but the known dither is taken off "
                     "again after the quantizer, so the noise floor goes back down.",
                     {}});
  else
    lines.push_back({"Dither trades the harmonics for a higher noise floor: the quantization error no longer repeats "
                     "with the signal, so its spurs spread out as noise.",
                     {}});
  return lines;
}

}  // namespace quantora
