#pragma once
// The spectrum chart: its settings, and one setting's spectra drawn into it.

#include <QString>
#include <vector>

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

// One label of the components above fs/2 that land on one frequency.
struct TAliasLabel {
  QString caption;  // "f1, f2 → alias MHz"
  double aliasMHz = 0;
  double levelDbfs = 0;          // the strongest component's
  std::vector<double> fromMHz;   // the components, in the spectrum's order
};
std::vector<TAliasLabel> AliasLabels(const TSpectrumResult& spectrum);

// The legend's three names, in the language shown: the held staircase's
// images, the hold's sin(x)/x envelope and the reconstruction filter.
struct TSpectrumLegend {
  QString images, envelope, filter;
};

// Rebuilds the display list for the axes' ranges as they are: the analog
// spectrum (green line, up to the whole band), the sampled one (a blue line
// from the floor per bin, up to fs/2), for each main component above fs/2 a
// dashed arrow at its level to where it lands, and the fs/2 marker (crosshair
// 1, red) with its label at the floor (at the right end while fs/2 lies beyond
// the range shown). Above fs/2 the held staircase's images (a purple line
// through its bins) stand under the hold's sin(x)/x (purple, dashed) drawn
// from the strongest line; the reconstruction filter's gain from that line (teal,
// dotted) shows what it leaves. A legend names these three in a row at the
// top right (none while `legend` is empty). Each alias frequency gets one label "f1, f2 → alias MHz";
// the labels are laid out in the chart's pixels, none over another, so the
// display list must be rebuilt when the ranges or the chart's size change.
// Levels below the floor are drawn on it. Paints the data area once when the
// chart redraws by itself.
void PlotSpectrum(const TSpectrumResult& spectrum, vqm::TCustomRChart& chart, const TSpectrumLegend& legend = {});

}  // namespace quantora
