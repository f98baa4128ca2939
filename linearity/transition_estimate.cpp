#include "linearity/transition_estimate.h"

#include <cmath>
#include <numbers>
#include <numeric>

namespace quantora {

std::vector<double> TransitionsFromHistogram(const std::vector<std::int64_t>& counts) {
  if (counts.size() < 3) return {};
  const std::size_t top = counts.size() - 1;
  const double samples = double(std::accumulate(counts.begin(), counts.end(), std::int64_t(0)));
  if (samples <= 0) return {};
  // Below T_1 the sine spends the fraction acos((C - T_1) / A) / pi of its
  // period, above T_top the fraction acos((T_top - C) / A) / pi.
  const double first = 0.5, last = double(top) - 0.5;
  const double belowFirst = std::cos(std::numbers::pi * double(counts.front()) / samples);
  const double aboveLast = std::cos(std::numbers::pi * double(counts.back()) / samples);
  if (belowFirst + aboveLast <= 0) return {};  // the sine never crossed the range
  const double amplitude = (last - first) / (belowFirst + aboveLast);
  const double centre = first + amplitude * belowFirst;

  std::vector<double> transitions(top);
  std::int64_t below = 0;
  for (std::size_t k = 1; k <= top; ++k) {
    below += counts[k - 1];
    transitions[k - 1] = centre - amplitude * std::cos(std::numbers::pi * double(below) / samples);
  }
  // Exactly the ends the estimate was made to meet, free of rounding.
  transitions.front() = first;
  transitions.back() = last;
  return transitions;
}

}  // namespace quantora
