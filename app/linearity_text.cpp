#include "app/linearity_text.h"

#include <cmath>

#include "app/number_text.h"
#include "app/series_csv.h"
#include "linearity/test_sine.h"

namespace quantora {

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

std::vector<TTooltipLine> LinearityReportLines(const TSimulationSettings& settings, const TLinearitySummary& s) {
  const TChainSettings& chain = settings.chain;
  const TTestSine sine = ChooseTestSine(settings.bits, chain.imperfections, chain.dither.kind);
  const double hits = MidScaleHits(sine);
  const bool random = chain.imperfections.noiseMv > 0 || chain.dither.kind != TDitherKind::dkNone;
  std::vector<TTooltipLine> lines = {
      {"Measured: DNL up to \u00b1<%1%> LSB, INL up to \u00b1<%2%> LSB, <%3%> missing codes (as set: \u00b1<%4%> and "
       "\u00b1<%5%> LSB).",
       {FixedText(s.peakDnlMeasured, 2), FixedText(s.peakInlMeasured, 2), std::to_string(s.missingCodes),
        FixedText(s.peakDnlSet, 2), FixedText(s.peakInlSet, 2)}},
      {"Code-density test: <%1%> samples of a sine slightly past both ends of the range, about <%2%> per mid-scale "
       "code. Blue: measured; green: as set.",
       {std::to_string(sine.samples), std::to_string(int(std::lround(hits)))}},
      {random ? "Input noise and dither put each sample near a transition on either side by chance: the transitions "
                "are still found where they are, but stray by about <%1%> LSB."
              : "Every phase of the sine is met once, so each count is exact to one sample and each transition is "
                "found to <%1%> LSB.",
       {SignificantText(TransitionUncertaintyLsb(sine), 2)}},
  };
  return lines;
}

}  // namespace quantora
