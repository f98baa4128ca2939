#pragma once
// The converter stage of the chain: offset and gain error, dither, the
// quantizer with its nonlinearity, clipping at the ends of its range and the
// optional subtraction of the dither. Without imperfections and dither it is the
// design's quantizer (quantizer.h), clipped to -5 V .. +5 V, bit for bit.
//
// The nonlinearity lives in the transition levels, counted in LSB from -5 V:
// code k begins where the input reaches T_k (k = 1 .. 2^bits - 1); the ideal
// converter has T_k = k - 1/2. Code widths are 1 + dnl * (a Gaussian draw per
// code), a width that reaches 0 is a missing code; they are scaled so that the
// last transition stays in its place, and the bow of the integral nonlinearity,
// 4 inl p (1 - p) with p running from 0 at the first to 1 at the last transition,
// is added on top. So both end transitions are ideal, and the endpoint line a
// test bench draws through them is the ideal one.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/chain_settings.h"
#include "model/draw_table.h"

namespace quantora {

class TConverter {
 public:
  TConverter(int bits, const TImperfections& imperfections, const TDitherSettings& dither, std::uint32_t seed);

  int Bits() const { return fBits; }
  int TopCode() const { return fTop; }       // 2^bits - 1, the code of +5 V
  double LsbVolts() const { return fLsb; }   // 10 V / TopCode()

  // The code the converter gives for `input` volts at the sampling instant with
  // index `sample` (whose dither it adds), 0 .. TopCode().
  int Code(double input, std::int64_t sample) const;
  // The output in volts: the code's level, less the dither when it is subtracted.
  double Output(double input, std::int64_t sample) const;

  // The dither added at `sample`, in LSB (0 without dither).
  double DitherLsb(std::int64_t sample) const;

  // T_1 .. T_top as set (the ideal ones when the converter is linear); the
  // offset and gain error act on the input before them.
  std::vector<double> TransitionLevels() const;

 private:
  double ConverterInput(double input, double ditherLsb) const;
  int CodeOfLevel(double lsbAboveBottom) const;
  double CodeVolts(int code) const;

  int fBits;
  int fTop;
  double fLsb;
  TImperfections fImperfections;
  TDitherSettings fDither;
  std::shared_ptr<const TDrawTable> fDraws;  // only with dither
  bool fIdeal;  // the design's quantizer, clipped
  std::shared_ptr<const std::vector<double>> fTransitions;  // empty pointer: linear
};

}  // namespace quantora
