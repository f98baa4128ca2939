#pragma once
// The main components of each analog test signal and where sampling puts them.

#include <span>

#include "model/signal_form.h"

namespace quantora {

enum class TComponentKind {
  ckLine,      // a sine component at one frequency
  ckBandEdge,  // the upper end of a continuous band reaching down to 0 Hz
};

struct TAnalogComponent {
  double frequencyMHz;
  TComponentKind kind;
};

// Sine: 4 MHz. Three-term sine: 2, 8 and 32 MHz. Sawtooth: 4 MHz and its
// harmonics up to the tenth, 40 MHz, 20 dB below the fundamental. Sinc:
// a flat band up to 0.1 rad/ns = 15.9 MHz. Chirp: a band up to the frequency it
// reaches at 1000 ns, 0.2 rad/ns = 31.8 MHz.
std::span<const TAnalogComponent> MainComponents(TSignalForm form);

// Where a component at f appears after sampling at fs: |f - k fs| with k the
// whole number nearest f / fs, which lies in 0 .. fs/2.
double AliasFrequency(double fMHz, double fsMHz);

}  // namespace quantora
