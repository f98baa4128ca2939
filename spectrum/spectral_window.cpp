#include "spectrum/spectral_window.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "spectrum/analog_components.h"

namespace quantora {
namespace {

bool IsPeriodic(TSignalForm form) {
  return form == TSignalForm::sfSine || form == TSignalForm::sfThreeTermSine || form == TSignalForm::sfSawtooth;
}

}  // namespace

bool HoldsWholePeriods(TSignalForm form, double recordNs, double timeScale) {
  if (!IsPeriodic(form)) return false;
  // Every component is a whole multiple of the lowest, the first listed.
  const double cycles = recordNs * MainComponents(form).front().frequencyMHz * timeScale / 1000.0;
  return std::fabs(cycles - std::round(cycles)) < 1e-9 * std::max(1.0, cycles) && std::round(cycles) >= 1;
}

TWindowChoice ChooseWindow(TSignalForm form, int interval, long long samples, double timeScale) {
  if (!IsPeriodic(form)) return {TWindowKind::wkRectangular, TWindowReason::wrWholeEvent};
  // Fewer than four samples: Hann would leave next to nothing of the record.
  if (samples < 4) return {TWindowKind::wkRectangular, TWindowReason::wrCutPeriods};
  // The record covers samples * interval ns.
  if (HoldsWholePeriods(form, double(samples * interval), timeScale))
    return {TWindowKind::wkRectangular, TWindowReason::wrWholePeriods};
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
