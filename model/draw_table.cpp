#include "model/draw_table.h"

#include <mutex>

namespace quantora {

TDrawTable::TDrawTable(std::uint32_t seed)
    : fSeed(seed), fJitter(kInstants), fNoise(kInstants), fDither(2 * kInstants) {
  for (std::uint64_t n = 0; n < kInstants; ++n) {
    fJitter[n] = GaussianAt(seed, TRandomStream::rsJitter, n);
    fNoise[n] = GaussianAt(seed, TRandomStream::rsInputNoise, n);
  }
  for (std::uint64_t i = 0; i < fDither.size(); ++i) fDither[i] = UniformAt(seed, TRandomStream::rsDither, i);
}

std::shared_ptr<const TDrawTable> TDrawTable::Of(std::uint32_t seed) {
  static std::mutex guard;
  static std::shared_ptr<const TDrawTable> last;
  std::lock_guard lock(guard);
  if (!last || last->Seed() != seed) last = std::make_shared<const TDrawTable>(seed);
  return last;
}

double TDrawTable::Gaussian(TRandomStream stream, std::uint64_t index) const {
  if (index < kInstants) {
    if (stream == TRandomStream::rsJitter) return fJitter[index];
    if (stream == TRandomStream::rsInputNoise) return fNoise[index];
  }
  return GaussianAt(fSeed, stream, index);
}

double TDrawTable::Uniform(TRandomStream stream, std::uint64_t index) const {
  if (stream == TRandomStream::rsDither && index < fDither.size()) return fDither[index];
  return UniformAt(fSeed, stream, index);
}

}  // namespace quantora
