#pragma once
// The test waveforms of the simulation, in the order of the main window's
// waveform list (the enumerator value is the list index).

namespace quantora {

enum class TSignalForm {
  sfSine = 0,           // 4.8 V sine, period 250 ns
  sfThreeTermSine = 1,  // sum of periods 500, 125 and 31.25 ns; starts at 2 V
  sfSawtooth = 2,       // 0 .. 1.992 V ramp, period 250 ns
  sfSinc = 3,           // sin(x)/x pulse with its 4 V peak at 500 ns
  sfChirp = 4,          // 4 V sine whose frequency rises linearly with time
};

inline constexpr int NumSignalForms = 5;

}  // namespace quantora
