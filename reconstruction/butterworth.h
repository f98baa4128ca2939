#pragma once
// A 4th-order Butterworth low-pass, H(s) = wc^4 / prod (s - p_k), in modal
// (diagonal) state-space form: its four poles are distinct, so the state
// splits into one first-order mode per pole, z' = p z + u, and the output is
// the sum of r_k z_k with the residues r_k of H. For an input that is constant
// over a step the modes advance exactly: z(t + d) = e^(p d) z(t) +
// (e^(p d) - 1) / p u. The poles come in conjugate pairs and the input is
// real, so the two modes of the upper half plane carry the whole state.

#include <array>
#include <complex>

namespace quantora {

using TComplex = std::complex<double>;

// The filter's order: four poles, 24 dB per octave beyond the corner.
inline constexpr int kButterworthOrder = 4;

// The state of the two upper modes; the filter at rest is all zero.
using TFilterState = std::array<TComplex, 2>;

// How a step of one duration moves the state: z -> decay z + drive u.
struct TFilterStep {
  std::array<TComplex, 2> decay{}, drive{};
};

class TButterworthLowPass {
 public:
  // cornerRadPerNs: the -3 dB corner, angular (rad/ns). DC gain 1.
  explicit TButterworthLowPass(double cornerRadPerNs);

  // The exact step of `durationNs` (>= 0) with a constant input.
  TFilterStep StepOver(double durationNs) const;
  // The state after `step` with the input u held constant over it.
  static TFilterState Advance(const TFilterState& state, const TFilterStep& step, double u);
  double Output(const TFilterState& state) const;

 private:
  std::array<TComplex, 2> fPoles{}, fResidues{};
};

}  // namespace quantora
