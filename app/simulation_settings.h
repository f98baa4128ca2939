#pragma once
// The three inputs of the simulation as the user chooses them, with the ranges of
// the main window's controls and its start-up values.

#include "model/chain_settings.h"  // TSimulationSettings
#include "reconstruction/reconstruction_kind.h"

namespace quantora {

inline constexpr int MinInterval = 1;    // sampling interval scroll bar, ns
inline constexpr int MaxInterval = 200;
inline constexpr int MinResolution = 1;  // resolution scroll bar, bits
inline constexpr int MaxResolution = 16;
// The upper end of the analog chart's time axis, which bounds the sampling
// instants: the value the window passes, for computations without a window.
inline constexpr double TimeAxisEnd = 1000.0;

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
