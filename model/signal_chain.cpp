#include "model/signal_chain.h"

#include <algorithm>
#include <cmath>

#include "model/generator.h"
#include "model/seeded_random.h"

namespace quantora {

TSignalChain::TSignalChain(const TSimulationSettings& settings)
    : fForm(settings.form),
      fGenerator(settings.chain.generator),
      fInterval(std::max(settings.interval, 1)),
      fJitterNs(settings.chain.imperfections.jitterPs / 1000.0),
      fNoiseV(settings.chain.imperfections.noiseMv / 1000.0),
      fDraws(fJitterNs > 0 || fNoiseV > 0 ? TDrawTable::Of(settings.chain.seed) : nullptr),
      fConverter(settings.bits, settings.chain.imperfections, settings.chain.dither, settings.chain.seed) {}

double TSignalChain::Analog(double t) const { return GeneratorValue(fForm, fGenerator, t); }

double TSignalChain::ExactHeld(double held) const { return GeneratorHeldValue(fForm, fGenerator, held); }

double TSignalChain::Held(double held) const {
  return Held(held, fJitterNs > 0 ? 0.0 : ExactHeld(held));
}

double TSignalChain::Held(double held, double exactHeld) const {
  if (HoldsExactly()) return exactHeld;
  const auto n = std::uint64_t(InstantIndex(held));
  const double value =
      fJitterNs > 0 ? GeneratorMovedValue(fForm, fGenerator, held + fJitterNs * fDraws->Gaussian(TRandomStream::rsJitter, n))
                    : exactHeld;
  return fNoiseV > 0 ? value + fNoiseV * fDraws->Gaussian(TRandomStream::rsInputNoise, n) : value;
}

double TSignalChain::Output(double heldValue, double held) const {
  return fConverter.Output(heldValue, InstantIndex(held));
}

}  // namespace quantora
