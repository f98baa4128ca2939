#pragma once
// The three inputs of the simulation as the user chooses them, with the ranges of
// the main window's controls and its start-up values.

#include "app/model/signal_form.h"

namespace quantora {

inline constexpr int MinInterval = 1;    // sampling interval scroll bar, ns
inline constexpr int MaxInterval = 200;
inline constexpr int MinResolution = 1;  // resolution scroll bar, bits
inline constexpr int MaxResolution = 16;

struct TSimulationSettings {
  TSignalForm form = TSignalForm::sfSine;  // the waveform selected at start
  int interval = 10;                       // sampling interval T in ns
  int bits = 8;                            // converter resolution
};

}  // namespace quantora
