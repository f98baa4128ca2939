#pragma once
// The signal generator: the design's waveforms at the amplitude, frequency and
// DC offset the student sets. The sine is A sin(2 pi f t) + offset; the others
// scale like it, their values by A / 4.8 V and their time axis by f / 4 MHz.
// At the defaults every value is the design's waveform, bit for bit.

#include "model/chain_settings.h"

namespace quantora {

// How much faster than the design's signal the generator runs: f / 4 MHz.
double TimeScale(const TGeneratorSettings& generator);

// The generator's output at time t (ns).
double GeneratorValue(TSignalForm form, const TGeneratorSettings& generator, double t);

// The output as the sample-and-hold stage evaluates it at instant `held` (ns)
// (see HeldSignalValue).
double GeneratorHeldValue(TSignalForm form, const TGeneratorSettings& generator, double held);

// The same at an instant jitter moved, in double precision.
double GeneratorMovedValue(TSignalForm form, const TGeneratorSettings& generator, double instant);

}  // namespace quantora
