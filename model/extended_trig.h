#pragma once
// Sine and cosine in 80-bit extended precision, within two units in the last
// place of a long double, about five times faster than the C library's long
// double versions over the few hundred radians the waveforms use. Inline on
// purpose: a long double argument passed to an out-of-line call travels through
// memory, which costs as much as the polynomial. Arguments of 2^20 and beyond
// and non-finite ones go to the C library.

#include <array>
#include <cmath>
#include <cstdint>

namespace quantora {
namespace extended_trig_detail {

// pi/2 split into three parts (Cody and Waite): k * part is exact for the first
// two for every quadrant count below 2^20, and the third carries the next 64
// bits, so the reduced argument keeps full precision next to a multiple of pi/2.
inline constexpr long double kHalfPi1 = 0x6487ED51p-30L;
inline constexpr long double kHalfPi2 = 0x85A308Dp-61L;
inline constexpr long double kHalfPi3 = 0xC4C6628B80DC1CD1p-127L;
inline constexpr long double kTwoOverPi = 0xA2F9836E4E44152Ap-64L;
inline constexpr long double kMaxFastArgument = 0x1p20L;

// Taylor coefficients: entry n is (-1)^n / (firstPower + 2n)!. On |r| <= pi/4
// ten terms leave out less than 2^-70 of the result.
inline constexpr int kTerms = 10;
using TTerms = std::array<long double, kTerms>;

constexpr TTerms TaylorTerms(int firstPower) {
  TTerms terms{};
  long double factorial = 1.0L;
  for (int k = 2; k <= firstPower; ++k) factorial *= k;
  for (int n = 0; n < kTerms; ++n) {
    terms[n] = (n % 2 ? -1.0L : 1.0L) / factorial;
    const int power = firstPower + 2 * n;
    factorial *= static_cast<long double>(power + 1) * (power + 2);
  }
  return terms;
}
inline constexpr TTerms kSinTerms = TaylorTerms(1);
inline constexpr TTerms kCosTerms = TaylorTerms(0);

// c1 z + c2 z^2 + ... + c9 z^9 in Estrin's scheme: four short chains instead of
// one long Horner chain, which is what bounds the speed on the x87 unit.
inline long double Tail(const TTerms& c, long double z) {
  const long double z2 = z * z;
  const long double z4 = z2 * z2;
  const long double low = (c[1] + c[2] * z) + z2 * (c[3] + c[4] * z);
  const long double high = (c[5] + c[6] * z) + z2 * (c[7] + c[8] * z);
  return z * ((low + z4 * high) + z4 * z4 * c[9]);
}

// sin(x + shift * pi/2) for |x| < kMaxFastArgument.
inline long double ShiftedSine(long double x, std::int64_t shift) {
  const long double nearest = x * kTwoOverPi;
  const auto k = static_cast<std::int64_t>(nearest < 0 ? nearest - 0.5L : nearest + 0.5L);
  const long double kk = static_cast<long double>(k);
  const long double r = ((x - kk * kHalfPi1) - kk * kHalfPi2) - kk * kHalfPi3;
  const long double z = r * r;
  const std::int64_t quadrant = (k + shift) & 3;
  const long double value = (quadrant & 1) ? 1.0L + Tail(kCosTerms, z) : r + r * Tail(kSinTerms, z);
  return (quadrant & 2) ? -value : value;
}

}  // namespace extended_trig_detail

inline long double SinExtended(long double x) {
  if (!(std::fabs(x) < extended_trig_detail::kMaxFastArgument)) return std::sin(x);
  return extended_trig_detail::ShiftedSine(x, 0);
}

inline long double CosExtended(long double x) {
  if (!(std::fabs(x) < extended_trig_detail::kMaxFastArgument)) return std::cos(x);
  return extended_trig_detail::ShiftedSine(x, 1);
}

}  // namespace quantora
