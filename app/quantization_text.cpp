#include "app/quantization_text.h"

#include <cmath>

#include "app/number_text.h"

namespace quantora {
namespace {

// Four significant digits in the largest of V, mV, µV that keeps the number at
// 1 or more (µV below that); 0 is "0 V".
std::string Voltage(double volts) {
  struct TUnit {
    double scale;
    const char* name;
  };
  static constexpr TUnit kUnits[] = {{1.0, "V"}, {1e3, "mV"}, {1e6, "\u00B5V"}};
  const TUnit* unit = &kUnits[2];
  for (const TUnit& u : kUnits) {
    if (volts == 0 || std::fabs(volts) * u.scale >= 1.0) {
      unit = &u;
      break;
    }
  }
  return NumberText(volts * unit->scale, std::chars_format::general, 4) + " " + unit->name;
}

std::string Decibels(double db) {
  if (std::isnan(db)) return "\u2014";  // not measurable: the sentence says why
  if (std::isinf(db)) return db > 0 ? "\u221E dB" : "-\u221E dB";
  return NumberText(db, std::chars_format::fixed, 2) + " dB";
}

}  // namespace

std::string ExactNumberText(double value) { return NumberText(value); }
std::string DecibelText(double db) { return Decibels(db); }

std::string QuantizationStatsText(const TQuantizationFigures& f) {
  const std::pair<const char*, double> lines[] = {
      {"step_V", f.step},
      {"quantization_error_max_V", f.quantizationErrorMax},
      {"quantization_error_rms_V", f.quantizationErrorRms},
      {"hold_error_max_V", f.holdErrorMax},
      {"hold_error_rms_V", f.holdErrorRms},
      {"total_error_rms_V", f.totalErrorRms},
      {"sqnr_measured_dB", f.sqnrMeasuredDb},
      {"sqnr_rule_dB", f.sqnrRuleDb},
  };
  std::string text;
  for (const auto& [name, value] : lines) text += std::string(name) + " " + NumberText(value) + "\n";
  return text;
}

std::vector<TTooltipLine> QuantizationTooltipLines(const TQuantizationFigures& f) {
  const TTooltipLine measured =
      std::isnan(f.sqnrMeasuredDb)
          ? TTooltipLine{"SQNR of the held signal, measured: not measurable, the samples hold no signal (every one "
                         "falls on a zero crossing)",
                         {}}
          : TTooltipLine{"SQNR of the held signal, measured: <%1%>", {Decibels(f.sqnrMeasuredDb)}};
  return {
      {"Step 10 V / (2^<%1%> - 1): <%2%>", {std::to_string(f.bits), Voltage(f.step)}},
      {"Quantization error (held value - its level): largest <%1%>, RMS <%2%>",
       {Voltage(f.quantizationErrorMax), Voltage(f.quantizationErrorRms)}},
      {"Hold error (analog - held value): largest <%1%>, RMS <%2%>",
       {Voltage(f.holdErrorMax), Voltage(f.holdErrorRms)}},
      {"Total error (blue curve): RMS <%1%>", {Voltage(f.totalErrorRms)}},
      measured,
      f.ruleAmplitudeV == kRuleSineAmplitude
          ? TTooltipLine{"Rule 6.02 n + 1.76 dB, corrected for the 4.8 V sine: <%1%>", {Decibels(f.sqnrRuleDb)}}
          : TTooltipLine{"Rule 6.02 n + 1.76 dB, corrected for a sine of <%1%>: <%2%>",
                         {Voltage(f.ruleAmplitudeV), Decibels(f.sqnrRuleDb)}},
  };
}

}  // namespace quantora
