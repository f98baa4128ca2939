#pragma once
// Recompute: the one operation every input change runs. It runs the model and
// rebuilds the display lists of both simulation charts from scratch.

#include "app/model/quantization_figures.h"
#include "app/simulation_settings.h"

namespace vqm {
class TCustomRChart;
}

namespace quantora {

struct TRecomputeInputs {
  TSimulationSettings settings;  // waveform, sampling interval, resolution
  TPlotOptions options;
  double xMax = 1000.0;          // upper end of the analog chart's time axis
};

// Analog chart: MoveTo(0, 0), the analog curve, then a red mark from -1 V to
// +1 V at every sampling instant below xMax (when asked). Sampled chart:
// MoveTo(0, 0), the staircase (when asked), then MoveTo(0, 0) and the blue
// error curve (when asked). Each chart ends with ShowItems. Returns the
// quantization figures of the run, which the window shows beside the resolution.
TQuantizationFigures Recompute(const TRecomputeInputs& inputs, vqm::TCustomRChart& analogChart,
               vqm::TCustomRChart& sampledChart);

}  // namespace quantora
