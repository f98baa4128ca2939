#include "app/linearity_text.h"

#include <charconv>

#include "app/series_csv.h"

namespace quantora {
namespace {

std::string TwoDecimals(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return {buffer, result.ptr};
}

}  // namespace

std::string LinearityCsv(const std::vector<TLinearityRow>& rows) {
  std::string out = "code,dnl_set_LSB,inl_set_LSB,dnl_measured_LSB,inl_measured_LSB\n";
  out.reserve(out.size() + rows.size() * 96);
  for (const TLinearityRow& r : rows) {
    out += std::to_string(r.code);
    for (double value : {r.dnlSet, r.inlSet, r.dnlMeasured, r.inlMeasured}) {
      out += ',';
      out += ExactNumberText(value);
    }
    out += '\n';
  }
  return out;
}

bool ExportLinearityCsv(const TSimulationSettings& settings, const std::string& path, std::string& error) {
  return WriteExport(LinearityCsv(MeasureLinearity(settings)), path, error);
}

TTooltipLine LinearitySummaryLine(const TLinearitySummary& s) {
  return {"Measured: peak |DNL| <%1%> LSB, peak |INL| <%2%> LSB, <%3%> missing codes (set: <%4%> and <%5%> LSB).",
          {TwoDecimals(s.peakDnlMeasured), TwoDecimals(s.peakInlMeasured), std::to_string(s.missingCodes),
           TwoDecimals(s.peakDnlSet), TwoDecimals(s.peakInlSet)}};
}

}  // namespace quantora
