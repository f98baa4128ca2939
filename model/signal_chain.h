#pragma once
// The whole chain for one setting, stage by stage, as functions of time and of
// the sampling instant: what the generator puts out, what the hold stage holds
// from an instant on (the generator at the instant moved by jitter, plus input
// noise) and what the converter makes of it. The random draws of an instant
// depend on its index n (the instant n T) alone.

#include <cstdint>

#include "model/chain_settings.h"
#include "model/converter.h"
#include "model/draw_table.h"

namespace quantora {

class TSignalChain {
 public:
  explicit TSignalChain(const TSimulationSettings& settings);

  int Interval() const { return fInterval; }
  const TConverter& Converter() const { return fConverter; }
  // True when the hold stage adds nothing to the generator (no jitter, no noise).
  bool HoldsExactly() const { return fJitterNs == 0 && fNoiseV == 0; }

  // The generator's output at t (ns): the analog curve.
  double Analog(double t) const;
  // The value held from the instant `held` (a multiple of the interval, ns) on.
  double Held(double held) const;
  // The same, given ExactHeld(held) from elsewhere (a table of the generator).
  double Held(double held, double exactHeld) const;
  // What an ideal hold stage would hold: the generator at the instant itself,
  // without jitter and noise. The converter's figures measure the output
  // against it, so that everything the chain adds counts as error.
  double ExactHeld(double held) const;
  // The converter's output for the value held from instant `held` on.
  double Output(double heldValue, double held) const;

  // The index n of the instant n T (a whole multiple of T: the nearest one).
  std::int64_t InstantIndex(double held) const {
    const double n = held / fInterval;
    return static_cast<std::int64_t>(n < 0 ? n - 0.5 : n + 0.5);
  }

 private:
  TSignalForm fForm;
  TGeneratorSettings fGenerator;
  int fInterval;
  double fJitterNs;
  double fNoiseV;
  std::shared_ptr<const TDrawTable> fDraws;  // only with jitter or noise
  TConverter fConverter;
};

}  // namespace quantora
