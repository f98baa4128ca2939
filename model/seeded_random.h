#pragma once
// The one source of chance in the simulation, defined here to the bit so that a
// setting with its seed gives the same samples on every machine and run. The
// standard library's distributions are not used: their output differs between
// implementations.
//
// Each draw is a pure function of (seed, stream, index): SplitMix64's mixing
// function applied to the seed and stream, then again with the index added.
// Nothing depends on the order of the draws, so a zoomed chart, the whole
// record and the spectrum see the same noise on the same sampling instant.

#include <cstdint>

namespace quantora {

// One independent sequence of draws per use.
enum class TRandomStream : std::uint64_t {
  rsInputNoise = 1,
  rsJitter = 2,
  rsDither = 3,
  rsCodeWidths = 4,
};

// SplitMix64's output function (Steele, Lea and Flood, 2014) on x + golden gamma.
std::uint64_t SplitMix64(std::uint64_t x);

// 64 random bits for draw `index` of `stream` under `seed`.
std::uint64_t RandomBits(std::uint32_t seed, TRandomStream stream, std::uint64_t index);

// Uniform in [0, 1), a multiple of 2^-53.
double UniformAt(std::uint32_t seed, TRandomStream stream, std::uint64_t index);

// Standard normal (mean 0, deviation 1) by the Box-Muller transform of the
// uniform draws 2 index and 2 index + 1 of the stream.
double GaussianAt(std::uint32_t seed, TRandomStream stream, std::uint64_t index);

}  // namespace quantora
