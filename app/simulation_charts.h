#pragma once
// The design-time settings of the simulation's two charts, applied to a chart
// built in code exactly as the stored main window would set them.

#include <QString>

namespace vqm {
class TRChart;
}

namespace quantora {

// The smallest amplitude span a chart zooms to, in volts: 2 mV, 13 steps of
// 16 bits.
inline constexpr double kLeastAmplitudeSpan = 2e-3;

enum class TSimulationChart {
  Analog,   // RCSig: the analog signal with its sampling marks
  Sampled,  // RCSample: the held, quantized signal and its error
};

// Puts the chart through a load: the settings of the main window's chart table,
// then the end of loading (which computes the mapping and paints).
void ApplySimulationChartSettings(vqm::TRChart& chart, TSimulationChart which);

}  // namespace quantora
