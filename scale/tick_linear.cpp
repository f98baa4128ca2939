// The linear generator: 1-2-5 spaced major ticks with short subdivisions.
#include <cmath>

#include "scale/tick_generators.h"
#include "scale/tick_math.h"
#include "scale/tick_text.h"

namespace vqm::detail {

namespace {

std::string LinearLabel(const TTickOptions& o, double& v, TLabelPrecision precision, int majorIndex) {
  const double span = o.Range.High - o.Range.Low;
  std::string label;
  if (v == 0.0 || std::fabs(v / span) < kZeroTickRatio) {
    v = 0.0;
    if (std::fabs(span) > kZeroLabelSpan)
      label = precision.Decimals == 0 ? "0" : "0.0";
    else
      label = FormatTickNumber(0.0, precision.Decimals, precision.Digits);
  } else {
    label = FormatTickNumber(v, precision.Decimals, precision.Digits);
  }
  label = CutLabel(std::move(label));
  if (o.LabelType == ftUserText) return std::string(UserTickItem(o.UserTickText, majorIndex + 1));
  return ApplyInscript(label, o.ScaleInscript);
}

}  // namespace

void GenerateLinearTicks(TTickSink& sink) {
  const TTickOptions& o = sink.Options;
  const long double low = o.Range.Low, high = o.Range.High;
  const TTickSpacing spacing = CalcScaleTicks(o.MinTicks, low, high);
  if (spacing.Step == 0.0) return;
  sink.SetGenerator(TTickGenerator::Linear);
  const long double d = low < high ? 1.0L : -1.0L;
  const long double step = spacing.Step;
  const long double shortStep = step / spacing.Subdivisions;
  const long double first = spacing.First;

  // Short ticks first, from one step before the first major tick; the major ticks
  // are drawn over those that share their position.
  if (o.ShortTicks) {
    const long double start = first - step;
    for (int k = 0; !sink.Full(); ++k) {
      const long double v = start + k * shortStep;
      if (!(d * v < d * low)) sink.Add(double(v), TTickKind::Short, kShortTickLength, true, true);
      const long double next = start + (k + 1) * shortStep;
      if (!(d * (next - high) <= 0.001L * std::fabs(shortStep))) break;
    }
  }

  const TLabelPrecision precision = LinearLabelPrecision(o.DecPlaces, o.Range.High, o.Range.Low, double(step));
  // Horizontal scales record the major ticks only without short ones; vertical
  // scales always record them (after the short ones).
  const bool recordMajor = sink.Vertical() || !o.ShortTicks;
  for (int k = 0; !sink.Full(); ++k) {
    double v = double(first + k * step);
    std::string label;
    const bool labelled = o.LabelType != ftNoFigs;
    if (labelled) label = LinearLabel(o, v, precision, k);
    TTick& tick = sink.Add(v, TTickKind::Major, sink.MajorLength(), true, recordMajor);
    tick.HasLabel = labelled;
    tick.Label = std::move(label);
    const long double next = first + (k + 1) * step;
    if (!(d * (next - high) <= 0.001L * std::fabs(step))) break;
  }
}

}  // namespace vqm::detail
