#include "model/seeded_random.h"

#include <cmath>
#include <numbers>

namespace quantora {

std::uint64_t SplitMix64(std::uint64_t x) {
  std::uint64_t z = x + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t RandomBits(std::uint32_t seed, TRandomStream stream, std::uint64_t index) {
  const std::uint64_t key = SplitMix64((std::uint64_t(seed) << 8) ^ std::uint64_t(stream));
  return SplitMix64(key + 0x9E3779B97F4A7C15ull * index);
}

double UniformAt(std::uint32_t seed, TRandomStream stream, std::uint64_t index) {
  return double(RandomBits(seed, stream, index) >> 11) * 0x1p-53;
}

double GaussianAt(std::uint32_t seed, TRandomStream stream, std::uint64_t index) {
  // 1 - u lies in (0, 1]: the logarithm stays finite.
  const double radius = std::sqrt(-2.0 * std::log(1.0 - UniformAt(seed, stream, 2 * index)));
  return radius * std::cos(2.0 * std::numbers::pi * UniformAt(seed, stream, 2 * index + 1));
}

}  // namespace quantora
