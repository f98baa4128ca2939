#include "linearity/linearity_table.h"

#include <algorithm>
#include <cmath>

#include "linearity/code_histogram.h"
#include "linearity/transition_estimate.h"
#include "model/converter.h"

namespace quantora {
namespace {

// The DNL of every code and the INL of every code's lower transition, by the
// conventions of the header, into one of the row's column pairs.
void FillColumns(const std::vector<double>& t, std::vector<TLinearityRow>& rows, double TLinearityRow::*dnl,
                 double TLinearityRow::*inl) {
  const std::size_t top = rows.size() - 1;
  if (top < 2 || t.size() != top) return;  // no inner code: all 0
  for (std::size_t k = 1; k <= top; ++k) {
    rows[k].*inl = t[k - 1] - (double(k) - 0.5);
    if (k < top) rows[k].*dnl = t[k] - t[k - 1] - 1.0;
  }
}

}  // namespace

std::vector<TLinearityRow> LinearityRows(const std::vector<double>& setTransitions,
                                         const std::vector<double>& measuredTransitions) {
  std::vector<TLinearityRow> rows(setTransitions.size() + 1);
  for (std::size_t code = 0; code < rows.size(); ++code) rows[code].code = int(code);
  FillColumns(setTransitions, rows, &TLinearityRow::dnlSet, &TLinearityRow::inlSet);
  FillColumns(measuredTransitions, rows, &TLinearityRow::dnlMeasured, &TLinearityRow::inlMeasured);
  return rows;
}

std::vector<TLinearityRow> MeasureLinearity(const TSimulationSettings& settings) {
  const TChainSettings& chain = settings.chain;
  const TConverter converter(settings.bits, chain.imperfections, chain.dither, chain.seed);
  const TTestSine sine = ChooseTestSine(converter.Bits(), chain.imperfections, chain.dither.kind);
  const std::vector<std::int64_t> counts = CodeHistogram(converter, chain, sine);
  return LinearityRows(converter.TransitionLevels(), TransitionsFromHistogram(counts));
}

TLinearitySummary SummarizeLinearity(const std::vector<TLinearityRow>& rows) {
  TLinearitySummary s;
  const std::size_t top = rows.empty() ? 0 : rows.size() - 1;
  for (const TLinearityRow& r : rows) {
    s.peakDnlMeasured = std::max(s.peakDnlMeasured, std::fabs(r.dnlMeasured));
    s.peakInlMeasured = std::max(s.peakInlMeasured, std::fabs(r.inlMeasured));
    s.peakDnlSet = std::max(s.peakDnlSet, std::fabs(r.dnlSet));
    s.peakInlSet = std::max(s.peakInlSet, std::fabs(r.inlSet));
    // A code never hit has its two transitions on one count: exactly -1.
    if (r.code > 0 && std::size_t(r.code) < top && r.dnlMeasured <= -1.0) ++s.missingCodes;
  }
  return s;
}

}  // namespace quantora
