#pragma once
// The three inputs of the simulation as the user chooses them, with the ranges of
// the main window's controls and its start-up values.

#include "model/chain_settings.h"  // TSimulationSettings, the ranges of the two scroll bars
#include "reconstruction/reconstruction_kind.h"

namespace quantora {

// MinInterval .. MaxInterval, MinResolution .. MaxResolution and TimeAxisEnd
// are the model's (chain_settings.h): lesson files check against them too.

// A stretch of the time axis both charts are zoomed to, in ns: 0 <= from < to <= TimeAxisEnd.
struct TTimeRange {
  double from = 0.0;
  double to = TimeAxisEnd;
};

// What the two charts show besides the curves that are always there; the
// defaults are the main window's check boxes at start.
struct TPlotOptions {
  bool showPoints = true;    // red sampling marks on the analog chart
  bool showSampled = true;   // staircase of held, quantized values
  bool showError = false;    // blue error curve (analog minus held, quantized)
  // How the sampled chart turns the samples back into a curve: the staircase,
  // or another reconstruction drawn over a grey copy of the analog signal
  // (the error then is the analog signal minus that curve).
  TReconstruction reconstruction = TReconstruction::rcHold;
};

}  // namespace quantora
