#include "sound/pcm_levels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quantora {

std::vector<std::int16_t> ToPcm16(std::span<const double> volts) {
  std::vector<std::int16_t> pcm(volts.size());
  for (std::size_t i = 0; i < volts.size(); ++i) {
    const double level = volts[i] * kPcmPerVolt;
    pcm[i] = std::isfinite(level) ? std::int16_t(std::lround(std::clamp(level, -32768.0, 32767.0))) : 0;
  }
  return pcm;
}

void FadeEnds(std::span<double> values) {
  const std::size_t fade = std::min<std::size_t>(kFadeSamples, values.size() / 2);
  for (std::size_t k = 0; k < fade; ++k) {
    const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * double(k) / double(fade));
    values[k] *= gain;
    values[values.size() - 1 - k] *= gain;
  }
}

}  // namespace quantora
