#pragma once
// The analog-to-digital converter: a 1 .. 20 bit quantizer over -5 V .. +5 V.
// Level 0 stands for -5 V and level 2^bits - 1 for +5 V, so one step is
// 10 / (2^bits - 1) V.

namespace quantora {

inline constexpr int MinBits = 1;
inline constexpr int MaxBits = 20;

// The converter's output for input x. bits is clamped to MinBits .. MaxBits.
// The level is rounded to nearest with ties to even and is not clamped: an input
// outside the range gives an output outside it.
double Quantize(int bits, double x);

}  // namespace quantora
