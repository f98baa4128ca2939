#pragma once
// The spectrum chart: its settings, and one setting's spectra drawn into it.

#include "spectrum/spectrum_engine.h"

namespace vqm {
class TCustomRChart;
class TRChart;
}  // namespace vqm

namespace quantora {

// The magnitude axis: dB relative to full scale, from the floor shown to a
// little above 0 dBFS.
inline constexpr double kSpectrumFloorDbfs = -140.0;
inline constexpr double kSpectrumTopDbfs = 10.0;

// The simulation charts' look with a frequency axis in MHz (0 .. 100 until the
// first spectrum) and a level axis in dBFS.
void ApplySpectrumChartSettings(vqm::TRChart& chart);

enum class TSpectrumRange {
  srKeep,       // the axes keep their ranges (a zoom stays)
  srWholeBand,  // 0 .. the band shown, the floor .. the top
};

// Rebuilds the display list: the analog spectrum (green line, up to the band
// shown), the sampled one (a blue line from the floor per bin, up to fs/2),
// for each main component above fs/2 a dashed arrow at its level to where it
// lands, and the fs/2 marker (crosshair 1, red) with its label at the floor;
// each alias frequency gets one label "f1, f2 → alias MHz". Levels below the floor are drawn on it. Sets the
// ranges as asked, then paints once (when the chart redraws by itself): the
// whole chart for new ranges, else the data area.
void PlotSpectrum(const TSpectrumResult& spectrum, vqm::TCustomRChart& chart, TSpectrumRange range);

}  // namespace quantora
