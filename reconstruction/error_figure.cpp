#include "reconstruction/error_figure.h"

#include <algorithm>
#include <cmath>

namespace quantora {

std::optional<double> ReconstructionErrorRms(std::span<const double> analog, std::span<const double> reconstructed,
                                             std::span<const double> times, double recordNs) {
  const std::size_t count = std::min({analog.size(), reconstructed.size(), times.size()});
  const double from = recordNs / 4, to = 3 * recordNs / 4;
  double sum = 0;
  std::size_t used = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double error = analog[i] - reconstructed[i];
    if (!(times[i] >= from && times[i] <= to) || !std::isfinite(error)) continue;
    sum += error * error;
    ++used;
  }
  if (used == 0) return std::nullopt;
  return std::sqrt(sum / double(used));
}

}  // namespace quantora
