#pragma once
// What --stats prints for a setting.

#include <string>

#include "app/simulation_settings.h"

namespace quantora {

// For a chain other than the ideal converter first its settings (one "name
// value" line each, as ChainSettingsText), then the quantization figures of the
// whole record and, for the sine, the converter figures of its spectrum. At the
// ideal chain only the figures, as the program always printed them. A
// reconstruction other than the staircase adds its name and error figure last.
std::string StatsText(const TSimulationSettings& settings, TReconstruction reconstruction);
// The staircase's: the figures alone.
std::string StatsText(const TSimulationSettings& settings);

}  // namespace quantora
