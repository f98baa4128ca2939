#include "linearity/code_histogram.h"

#include <cmath>
#include <numbers>

#include "model/seeded_random.h"

namespace quantora {
namespace {

// The inverse of an odd number modulo 2^64 (Newton's iteration doubles the
// good bits each step: 3, 6, 12, 24, 48, 96).
std::uint64_t OddInverse(std::uint64_t odd) {
  std::uint64_t inverse = odd;
  for (int step = 0; step < 5; ++step) inverse *= 2 - odd * inverse;
  return inverse;
}

}  // namespace

std::vector<std::int64_t> CodeHistogram(const TConverter& converter, const TChainSettings& chain,
                                        const TTestSine& sine) {
  std::vector<std::int64_t> counts(std::size_t(converter.TopCode()) + 1, 0);
  const TImperfections& imp = chain.imperfections;
  const double lsb = converter.LsbVolts();
  const double gain = 1.0 + imp.gainErrorPercent / 100.0;
  const double noiseV = imp.noiseMv / 1000.0;
  // Volts at the input that put the quantizer at `level` LSB: the inverse of
  // the gain and offset error.
  const double centreV = ((sine.centreLsb - imp.offsetErrorLsb) * lsb - 5.0) / gain;
  const double amplitudeV = sine.amplitudeLsb * lsb / gain;
  const auto s = std::uint64_t(sine.samples);
  const std::uint64_t mask = s - 1;  // S is a power of two
  const std::uint64_t toSample = OddInverse(std::uint64_t(sine.cycles));
  const double step = 2 * std::numbers::pi / double(s);
  // The samples taken in the order of their phases, which gives the same counts
  // as the order of time but lets neighbouring samples hit neighbouring codes.
  // Sample j meets phase index (j * cycles) mod S, so phase index i is sample
  // (i * cycles^-1) mod S, whose noise and dither are those of instant j.
  for (std::uint64_t i = 0; i < s; ++i) {
    const auto j = std::int64_t((i * toSample) & mask);
    double input = centreV - amplitudeV * std::cos(step * double(i));
    if (noiseV > 0) input += noiseV * GaussianAt(chain.seed, TRandomStream::rsInputNoise, std::uint64_t(j));
    ++counts[std::size_t(converter.Code(input, j))];
  }
  return counts;
}

}  // namespace quantora
