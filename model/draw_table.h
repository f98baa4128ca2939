#pragma once
// The draws of the sampling instants of one record, made once per seed: an
// update of the charts then reads them instead of transforming fresh random
// bits at every instant. A table holds exactly the values of seeded_random.h,
// so reading it or drawing afresh gives the same samples.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/seeded_random.h"

namespace quantora {

class TDrawTable {
 public:
  // Instants 0 .. 1000: every instant n T of the 1000 ns record, T >= 1 ns.
  static constexpr std::uint64_t kInstants = 1001;

  // The table of `seed`; the last one made is kept (safe across threads).
  static std::shared_ptr<const TDrawTable> Of(std::uint32_t seed);

  std::uint32_t Seed() const { return fSeed; }
  // GaussianAt(seed, stream, index) and UniformAt(seed, stream, index).
  double Gaussian(TRandomStream stream, std::uint64_t index) const;
  double Uniform(TRandomStream stream, std::uint64_t index) const;

  explicit TDrawTable(std::uint32_t seed);

 private:
  std::uint32_t fSeed;
  std::vector<double> fJitter, fNoise;  // Gaussian, one per instant
  std::vector<double> fDither;          // uniform, two per instant
};

}  // namespace quantora
