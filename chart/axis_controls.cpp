#include "chart/axis_controls.h"

#include "chart/rchart.h"

namespace vqm {

// Placeholder until the axis control is available: no controls, no ticks.
TAxisControls::TAxisControls(TCustomRChart& chart) : fChart(chart) {}
TAxisControls::~TAxisControls() = default;
TScale* TAxisControls::X(int layer) const { return fX[std::size_t(layer - 1)]; }
TScale* TAxisControls::Y(int layer) const { return fY[std::size_t(layer - 1)]; }
void TAxisControls::ConfigureAll() {}
void TAxisControls::SetGeometry() {}
void TAxisControls::Push(int) {}
void TAxisControls::PushAll() {}
void TAxisControls::PaintAll(TCanvas&) {}
int TAxisControls::TickCount(TAxisDirection, int) const { return 0; }
double TAxisControls::Tick(TAxisDirection, int, int) const { return 0; }

}  // namespace vqm
