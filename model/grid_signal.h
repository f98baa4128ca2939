#pragma once
// The signal of each waveform on the design's time grid and at every whole
// nanosecond a hold instant of that grid can fall on. These depend on the
// waveform alone, not on the sampling interval or the resolution, so a change
// of either reuses them instead of evaluating thousands of sines again. Each
// value is the one SignalValue or HeldSignalValue gives, bit for bit.

#include <array>

#include "model/signal_form.h"
#include "model/simulation.h"

namespace quantora {

// Hold instants on the design's grid are whole numbers from 0 to 1000 ns.
inline constexpr int GridHoldInstants = 1001;

struct TGridSignal {
  TSeries analog{};                              // entry i - 1: SignalValue at GridTime(i)
  std::array<double, GridHoldInstants> held{};  // entry n: HeldSignalValue at n ns
};

// The table of `form`, computed on first use (safe across threads); nothing for
// a value outside the waveform list.
const TGridSignal* GridSignal(TSignalForm form);

}  // namespace quantora
