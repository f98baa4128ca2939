#include "spectrum/sine_fit.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "spectrum/analog_components.h"

namespace quantora {
namespace {

constexpr int kMaxIterations = 100;
// A frequency closer than this (in cycles per sample) to DC or fs/2 leaves one
// of the two quadrature terms without samples to fit it.
constexpr double kLeastDistanceFromEdge = 1e-9;
// The iteration has settled when the frequency moves less than this: over a
// record of a thousand samples a phase of 1e-9 rad, far below the residual,
// and well above the rounding of the sums (it settles in three or four steps).
constexpr double kSettledCyclesPerSample = 1e-13;

using TNormal = std::array<std::array<double, 5>, 4>;  // [row][column], column 4 the right-hand side

// Solves the normal equations of `columns` parameters in place by elimination
// with partial pivoting; false when they are singular.
bool Solve(TNormal& m, int columns, std::array<double, 4>& x) {
  for (int c = 0; c < columns; ++c) {
    int pivot = c;
    for (int r = c + 1; r < columns; ++r)
      if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
    if (!(std::fabs(m[pivot][c]) > 1e-300)) return false;
    std::swap(m[c], m[pivot]);
    for (int r = c + 1; r < columns; ++r) {
      const double f = m[r][c] / m[c][c];
      for (int k = c; k < columns; ++k) m[r][k] -= f * m[c][k];
      m[r][4] -= f * m[c][4];
    }
  }
  for (int c = columns - 1; c >= 0; --c) {
    double sum = m[c][4];
    for (int k = c + 1; k < columns; ++k) sum -= m[c][k] * x[std::size_t(k)];
    x[std::size_t(c)] = sum / m[c][c];
  }
  for (int c = 0; c < columns; ++c)
    if (!std::isfinite(x[std::size_t(c)])) return false;
  return true;
}

// The frequency folded into 0 .. 1/2 cycle per sample, as sampling folds it.
double Folded(double cyclesPerSample) { return AliasFrequency(cyclesPerSample, 1.0); }

// cos(w t) and sin(w t) for t = t0, t0 + 1, ...: one rotation a sample
// instead of two calls of the functions; a thousand rotations drift by some
// 1e-13, far below what the figures show.
class TPhases {
 public:
  TPhases(double w, double t0)
      : fCos(std::cos(w * t0)), fSin(std::sin(w * t0)), fStepCos(std::cos(w)), fStepSin(std::sin(w)) {}
  double Cos() const { return fCos; }
  double Sin() const { return fSin; }
  void Next() {
    const double c = fCos * fStepCos - fSin * fStepSin;
    fSin = fSin * fStepCos + fCos * fStepSin;
    fCos = c;
  }

 private:
  double fCos, fSin, fStepCos, fStepSin;
};

struct TParameters {
  double a = 0, b = 0, c = 0, w = 0;  // w in radians per sample
};

// One least-squares step: the three linear parameters at p.w, and with
// `withFrequency` also a correction of w from the first-order term
// n (-A sin + B cos) dw. Time counts from the record's middle, which keeps the
// frequency column apart from the others.
bool FitStep(std::span<const double> y, TParameters& p, bool withFrequency) {
  const int columns = withFrequency ? 4 : 3;
  const double middle = double(y.size() - 1) / 2;
  TNormal m{};
  TPhases phase(p.w, -middle);
  for (std::size_t n = 0; n < y.size(); ++n, phase.Next()) {
    const double t = double(n) - middle;
    const double cw = phase.Cos(), sw = phase.Sin();
    const std::array<double, 4> row = {cw, sw, 1.0, t * (-p.a * sw + p.b * cw)};
    for (int r = 0; r < columns; ++r) {
      for (int k = r; k < columns; ++k) m[r][k] += row[std::size_t(r)] * row[std::size_t(k)];
      m[r][4] += row[std::size_t(r)] * y[n];
    }
  }
  for (int r = 1; r < columns; ++r)
    for (int k = 0; k < r; ++k) m[r][k] = m[k][r];  // symmetric
  std::array<double, 4> x{};
  if (!Solve(m, columns, x)) return false;
  p.a = x[0], p.b = x[1], p.c = x[2];
  if (withFrequency) p.w += x[3];
  return true;
}

}  // namespace

std::optional<TSineFit> FitSine(std::span<const double> y, double startCyclesPerSample) {
  if (y.size() <= 4) return std::nullopt;
  const double start = Folded(startCyclesPerSample);
  if (start < kLeastDistanceFromEdge || start > 0.5 - kLeastDistanceFromEdge) return std::nullopt;
  TParameters p;
  p.w = 2 * std::numbers::pi * start;
  if (!FitStep(y, p, false)) return std::nullopt;
  bool settled = false;
  for (int i = 0; i < kMaxIterations && !settled; ++i) {
    const double before = p.w;
    if (!FitStep(y, p, true)) return std::nullopt;
    settled = std::fabs(p.w - before) < 2 * std::numbers::pi * kSettledCyclesPerSample;
  }
  // The last step's linear parameters belong to the frequency before its
  // correction: fit them once more at the settled frequency.
  if (!settled || !FitStep(y, p, false)) return std::nullopt;

  const double middle = double(y.size() - 1) / 2;
  double squares = 0;
  TPhases phase(p.w, -middle);
  for (std::size_t n = 0; n < y.size(); ++n, phase.Next()) {
    const double r = y[n] - (p.a * phase.Cos() + p.b * phase.Sin() + p.c);
    squares += r * r;
  }
  TSineFit fit;
  fit.amplitude = std::hypot(p.a, p.b);
  fit.offset = p.c;
  fit.cyclesPerSample = Folded(p.w / (2 * std::numbers::pi));
  fit.residualRms = std::sqrt(squares / double(y.size()));
  return fit;
}

std::optional<TFitFigures> MeasureFitFigures(std::span<const double> samples, double startCyclesPerSample,
                                             double leastAmplitude) {
  if (samples.size() < kLeastFitSamples) return std::nullopt;
  const std::optional<TSineFit> fit = FitSine(samples, startCyclesPerSample);
  if (!fit || !(fit->amplitude >= leastAmplitude)) return std::nullopt;
  TFitFigures f;
  f.sinadDb = fit->residualRms > 0 ? 20.0 * std::log10(fit->amplitude / std::numbers::sqrt2 / fit->residualRms)
                                   : std::numeric_limits<double>::infinity();
  f.enobBits = (f.sinadDb - 1.76) / 6.02;
  return f;
}

}  // namespace quantora
