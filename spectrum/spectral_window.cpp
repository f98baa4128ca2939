#include "spectrum/spectral_window.h"

#include <cmath>
#include <numbers>

namespace quantora {

TWindowChoice ChooseWindow(TSignalForm form, int interval, long long samples) {
  const bool periodic = form == TSignalForm::sfSine || form == TSignalForm::sfThreeTermSine ||
                        form == TSignalForm::sfSawtooth;
  if (!periodic) return {TWindowKind::wkRectangular, TWindowReason::wrWholeEvent};
  // Fewer than four samples: Hann would leave next to nothing of the record.
  if (samples < 4) return {TWindowKind::wkRectangular, TWindowReason::wrCutPeriods};
  // The record covers samples * interval ns; the periods fit 1000 ns exactly.
  if (samples * interval == 1000) return {TWindowKind::wkRectangular, TWindowReason::wrWholePeriods};
  return {TWindowKind::wkHann, TWindowReason::wrCutPeriods};
}

int LineHalfWidth(TWindowKind kind) { return kind == TWindowKind::wkHann ? 2 : 0; }

void FillWindow(TWindowKind kind, std::size_t n, std::vector<double>& weights) {
  weights.resize(n);
  for (std::size_t i = 0; i < n; ++i)
    weights[i] = kind == TWindowKind::wkHann
                     ? 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / double(n))
                     : 1.0;
}

}  // namespace quantora
