#include "scale/axis_mapping.h"

#include <cmath>

namespace vqm {

void CalcMapping(const TAxisRange& range, const TAxisExtent& e, TAxisMapping& mapping) {
  if (range.High == range.Low) return;
  const bool vertical = IsVertical(e.Type);
  const int room = vertical ? e.Height - e.MarginTop - e.MarginBottom - 1 : e.Width - e.MarginLeft - e.MarginRight - 1;
  if (room <= 0) {
    mapping.Factor = 0.0;
    mapping.Offset = (vertical ? e.Height : e.Width) / 2;
    return;
  }
  long double low = range.Low, high = range.High;
  if (range.Logarithmic) {
    if (low <= 0 || high <= 0) return;
    low = std::log(low);
    high = std::log(high);
  }
  // Horizontal: Low at the left margin. Vertical: High at the top margin.
  const long double factor = vertical ? room / (low - high) : room / (high - low);
  mapping.Factor = double(factor);
  mapping.Offset = vertical ? double(e.MarginTop - factor * high) : double(e.MarginLeft - factor * low);
}

int ValueToPixel(const TAxisMapping& mapping, const TAxisRange& range, int width, double v) {
  long double p;
  if (range.Logarithmic) {
    if (v > 1e-100)
      p = (long double)mapping.Factor * std::log((long double)v) + mapping.Offset;
    else
      p = range.High >= range.Low ? 0 : width;
  } else {
    p = (long double)mapping.Factor * v + mapping.Offset;
  }
  if (std::isnan(p)) return 0;
  constexpr long double kLimit = 2147483647.0L;
  if (p > kLimit) p = kLimit;
  if (p < -kLimit) p = -kLimit;
  return int(std::llrint(p));  // the default rounding mode: halves to even
}

}  // namespace vqm
