// The logarithmic generator: a major tick per decade, and within the decades the
// 2 and 5 ticks (major) and the 3, 4, 6, 7, 8, 9 ticks (intermediate) when the
// axis has fewer decades than the wanted intervals.
#include <algorithm>
#include <cmath>

#include "scale/tick_generators.h"
#include "scale/tick_math.h"
#include "scale/tick_text.h"

namespace vqm::detail {

namespace {

// "20.00" becomes "20", "0.50" becomes "0.5"; scientific texts stay as they are.
void TrimTrailingZeros(std::string& label) {
  if (label.find('.') == std::string::npos || label.find_first_of("eE") != std::string::npos) return;
  while (!label.empty() && label.back() == '0') label.pop_back();
  if (!label.empty() && label.back() == '.') label.pop_back();
}

constexpr bool IsMajorMultiplier(int mult) { return mult == 1 || mult == 2 || mult == 5; }

}  // namespace

bool GenerateLogTicks(TTickSink& sink) {
  const TTickOptions& o = sink.Options;
  const double low = o.Range.Low, high = o.Range.High;
  // A range that reaches zero or below has no decades (and would loop for ever).
  if (!(low > 0.0) || !(high > 0.0)) return false;
  const double decades = std::fabs(std::log10(high / low));
  if (decades < 1.0) return false;
  sink.SetGenerator(TTickGenerator::Logarithmic);

  const double lower = std::min(low, high), upper = std::max(low, high);
  const int decimals = LogDecPlaces(o.DecPlaces, upper, lower);
  const bool vertical = sink.Vertical();
  const bool intermediate = o.MinTicks > decades + 0.5;
  const int firstExponent = int(std::floor(std::log10(lower * kTickTolerance)));
  const long double base = std::pow(10.0L, firstExponent);
  long double m = 1;
  int labelCount = 0;
  for (int exponent = firstExponent; !sink.Full(); ++exponent) {
    for (int mult = 1; mult <= 9; ++mult) {
      if (mult > 1 && !intermediate) break;
      const bool major = IsMajorMultiplier(mult);
      // Vertical scales produce intermediate ticks only when they are drawn.
      if (!major && vertical && !o.ShortTicks) continue;
      const double v = double(mult * base * m);
      if (!(lower * kTickTolerance < v && v < upper / kTickTolerance)) continue;
      // Horizontal intermediate ticks are produced anyway (they raise the tick
      // event) but drawn and recorded only with ShortTicks.
      const bool drawn = major || o.ShortTicks;
      const int length = vertical ? kLogTickVertical : (major ? kMajorTickHorizontal : kShortTickLength);
      std::string label;
      const bool labelled = major && o.LabelType != ftNoFigs;
      if (labelled) {
        if (decimals == -3)
          label = mult == 1 ? FormatTickNumber(exponent, 0) : std::string();
        else
          label = FormatTickNumber(v, decimals);
        label = CutLabel(std::move(label));
        if (o.DecPlaces == -2) TrimTrailingZeros(label);
        ++labelCount;
        if (o.LabelType == ftUserText)
          label = std::string(UserTickItem(o.UserTickText, labelCount));
        else
          label = ApplyInscript(label, o.ScaleInscript);
      }
      TTick& tick = sink.Add(v, major ? TTickKind::Major : TTickKind::Intermediate, length, drawn, drawn);
      tick.HasLabel = labelled;
      tick.Label = std::move(label);
    }
    m *= 10;
    if (!(upper >= kTickTolerance * base * m)) break;
  }
  return true;
}

}  // namespace vqm::detail
