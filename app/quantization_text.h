#pragma once
// The quantization figures as text: plain lines for the command line's --stats,
// and the parameters of the resolution read-out's translated tooltip.

#include <string>
#include <vector>

#include "model/quantization_figures.h"

namespace quantora {

// One line per figure, "name value", the value in volts or dB as the shortest
// decimal that reads back to the same double ("inf" for a noise-free series):
//   step_V, quantization_error_max_V, quantization_error_rms_V, hold_error_max_V,
//   hold_error_rms_V, total_error_rms_V, sqnr_measured_dB, sqnr_rule_dB
std::string QuantizationStatsText(const TQuantizationFigures& figures);

// A number as the shortest decimal that reads back to the same double, '.'
// whatever the locale; "inf", "-inf", "nan" where it is none.
std::string ExactNumberText(double value);
// A ratio with two decimals and "dB" ("∞ dB" without noise).
std::string DecibelText(double db);

// One line of the tooltip: its translation key, which is the English text with
// placeholders "<%1%>", "<%2%>", and the parameters that fill them.
struct TTooltipLine {
  std::string key;
  std::vector<std::string> params;
};

// The resolution read-out's tooltip, line by line: the step, the largest and RMS
// quantization and hold errors, the RMS total error, the measured SQNR and the
// rule beside it. Voltages get four significant digits in V, mV or µV, ratios
// two decimals and "dB" ("∞ dB" without noise).
std::vector<TTooltipLine> QuantizationTooltipLines(const TQuantizationFigures& figures);

}  // namespace quantora
