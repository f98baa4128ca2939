#pragma once
// The static linearity of a setting's converter as text: the CSV table of
// --export-linearity-csv and its export, and the window's one-line summary.

#include <string>
#include <vector>

#include "app/quantization_text.h"
#include "app/simulation_settings.h"
#include "linearity/linearity_table.h"

namespace quantora {

// "code,dnl_set_LSB,inl_set_LSB,dnl_measured_LSB,inl_measured_LSB", then one
// row per code 0 .. 2^bits - 1, each number in the shortest form that reads
// back exactly.
std::string LinearityCsv(const std::vector<TLinearityRow>& rows);

// Measures the converter of `settings` and writes its CSV table to `path`
// ("-" is standard output), as the other exports do.
bool ExportLinearityCsv(const TSimulationSettings& settings, const std::string& path, std::string& error);

// The lines under the linearity charts (keys with parameters, as the spectrum's
// explanation): peak DNL and INL measured and set with the missing codes; the
// test's record; and how far a measured transition strays (by chance, with
// input noise or dither).
std::vector<TTooltipLine> LinearityReportLines(const TSimulationSettings& settings, const TLinearitySummary& summary);

}  // namespace quantora
