#pragma once
// The model's series as CSV text and its export to a file or standard output.

#include <string>
#include <vector>

#include "model/simulation.h"
#include "app/simulation_settings.h"

namespace quantora {

// The header "i,t_ns,analog_V,sampled_V,error_V", then one row per grid point,
// every number with 17 significant digits and a '.' whatever the locale. With
// `reconstructed` (one value per grid point) a last column "reconstructed_V".
std::string SeriesCsv(const TSimulationResult& result, const std::vector<double>* reconstructed = nullptr);
// The same over a window: its grid points, t from just after `from` to `to`.
std::string SeriesCsv(const TWindowResult& result, const std::vector<double>* reconstructed = nullptr);

// The series for `settings` over `window` as CSV text: on the design's window
// exactly those of ComputeSeries, otherwise those of ComputeSeriesOver (the
// sampling instants bounded by the design's time axis, 1000 ns). A
// reconstruction other than the staircase adds its column.
std::string SettingCsv(const TSimulationSettings& settings, const TTimeWindow& window = {},
                       TReconstruction reconstruction = TReconstruction::rcHold);

// Computes the series for `settings` over `window` and writes them to `path`
// ("-" is standard output) through WriteFileReplacing. On failure returns
// false with a one-line message in `error`; an old file of that name is kept.
bool ExportSeriesCsv(const TSimulationSettings& settings, const TTimeWindow& window, const std::string& path,
                     std::string& error, TReconstruction reconstruction = TReconstruction::rcHold);

// Writes an export's text to `path` ("-" is standard output) through
// WriteFileReplacing; false with a one-line message in `error`.
bool WriteExport(const std::string& text, const std::string& path, std::string& error);

}  // namespace quantora
