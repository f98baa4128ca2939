#include "reconstruction/butterworth.h"

#include <cmath>
#include <numbers>

namespace quantora {
namespace {

constexpr int kOrder = kButterworthOrder;

// The poles of the normalized Butterworth lie on the unit circle's left half
// at the angles pi (2k + n - 1) / (2n), k = 1 .. n.
TComplex UnitPole(int k) { return std::polar(1.0, std::numbers::pi * (2 * k + kOrder - 1) / (2 * kOrder)); }

// e^(z) - 1 without the cancellation a short step would bring, from one
// sine and cosine of half the angle h = b / 2:
// e^a cos b - 1 = expm1(a) cos b - 2 sin^2 h, e^a sin b = e^a 2 sin h cos h.
TComplex ExpMinusOne(TComplex z) {
  const double s = std::sin(z.imag() / 2), c = std::cos(z.imag() / 2);
  const double grown = std::expm1(z.real());
  const double cosine = 1 - 2 * s * s;
  return {grown * cosine - 2 * s * s, (grown + 1) * 2 * s * c};
}

}  // namespace

TButterworthLowPass::TButterworthLowPass(double cornerRadPerNs) {
  std::array<TComplex, kOrder> poles;
  for (int k = 1; k <= kOrder; ++k) poles[std::size_t(k - 1)] = cornerRadPerNs * UnitPole(k);
  // k = 1, 2 are the upper half plane's (angles 5 pi/8 and 7 pi/8).
  for (std::size_t k = 0; k < 2; ++k) {
    TComplex residue = std::pow(cornerRadPerNs, kOrder);
    for (std::size_t j = 0; j < kOrder; ++j)
      if (j != k) residue /= poles[k] - poles[j];
    fPoles[k] = poles[k];
    fResidues[k] = residue;
  }
}

TFilterStep TButterworthLowPass::StepOver(double durationNs) const {
  TFilterStep step;
  for (std::size_t k = 0; k < 2; ++k) {
    const TComplex grown = ExpMinusOne(fPoles[k] * durationNs);
    step.decay[k] = grown + 1.0;
    step.drive[k] = grown / fPoles[k];
  }
  return step;
}

TFilterState TButterworthLowPass::Advance(const TFilterState& state, const TFilterStep& step, double u) {
  return {step.decay[0] * state[0] + step.drive[0] * u, step.decay[1] * state[1] + step.drive[1] * u};
}

// The lower modes are the conjugates of the upper ones: twice the real part.
double TButterworthLowPass::Output(const TFilterState& state) const {
  return 2 * (fResidues[0] * state[0] + fResidues[1] * state[1]).real();
}

}  // namespace quantora
