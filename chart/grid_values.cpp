#include "chart/grid_values.h"

#include <algorithm>
#include <cmath>

namespace vqm {

namespace {

// Decade and mantissa of a positive value; a logarithm within 1e-14 of an
// integer counts as that integer, so exact powers of ten have mantissa 1.
void Decompose(double v, double& decade, double& mantissa) {
  double lg = std::log10(v);
  const double nearest = std::round(lg);
  if (std::fabs(lg - nearest) < 1e-14) lg = nearest;
  const double n = std::floor(lg);
  decade = std::pow(10.0, n);
  mantissa = std::pow(10.0, lg - n);
}

double FirstValue(const TGridAxis& a) {
  if (a.Step > 0) return std::ceil(a.Low / a.Step) * a.Step;
  if (a.Step == 0) return a.Ticks.empty() ? a.Low : a.Ticks.front();
  if (!a.Logarithmic) return std::ceil(a.Low / a.Step) * a.Step;
  const double lg = std::log10(a.Low);
  const double n = std::floor(lg);
  const double m = std::round(std::pow(10.0, lg - n));
  const double decade = std::pow(10.0, n);
  if (a.Step == -1) return std::pow(10.0, std::ceil(lg));
  if (a.Step == -2) return decade * (m <= 2 ? 2 : m <= 5 ? 5 : 10);
  if (a.Step == -3) return decade * m;
  return a.Low;
}

// `tick` is the 0-based index of v among the ticks when stepping on them.
double NextValue(const TGridAxis& a, double v, std::size_t& tick) {
  if (a.Step > 0) return v + a.Step;
  if (a.Step == 0) {
    ++tick;
    return tick < a.Ticks.size() ? a.Ticks[tick] : a.High;
  }
  if (!a.Logarithmic) return v - a.Step;
  double decade, mantissa;
  Decompose(v, decade, mantissa);
  const double m = std::round(mantissa);
  if (a.Step == -1) return 10 * v;
  if (a.Step == -2) return decade * (m < 2 ? 2 : m < 5 ? 5 : 10);
  return decade * (m + 1);
}

}  // namespace

void GridValues(const TGridAxis& axis, std::vector<double>& out) {
  out.clear();
  std::size_t tick = 0;
  double v = FirstValue(axis);
  while (v < axis.High && int(out.size()) < kMaxGridLines) {
    out.push_back(v);
    v = NextValue(axis, v, tick);
  }
  // A line on the range's lower end lies on the data frame: it does not count.
  const auto inside = std::count_if(out.begin(), out.end(), [&](double v) { return v > axis.Low; });
  if (inside < 2 && axis.Step > 0 && !axis.Logarithmic && axis.TickStep > 0) {
    TGridAxis ticks = axis;
    ticks.Step = axis.TickStep;
    ticks.TickStep = 0;
    GridValues(ticks, out);
  }
}

}  // namespace vqm
