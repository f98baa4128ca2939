#include "model/waveforms.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "model/extended_trig.h"
#include "model/rounding.h"

namespace quantora {
namespace {

// The formulas are written once for both precisions: long double with the
// extended sine, which gives the design's values bit for bit, and double with
// the C library's, for instants off the design's grid.
inline long double Sin(long double x) { return SinExtended(x); }
inline long double Cos(long double x) { return CosExtended(x); }
inline double Sin(double x) { return std::sin(x); }
inline double Cos(double x) { return std::cos(x); }

template <typename F>
constexpr F kPi = std::numbers::pi_v<F>;

template <typename F>
F Sine(F t) {
  return F(4.8L) * Sin(kPi<F> * t / F(125));
}

// The three terms are summed in this order: slow sine, middle sine, fast cosine.
template <typename F>
F ThreeTermSine(F t) {
  const F slow = Sin(kPi<F> * t * F(4) / F(1000));
  const F middle = F(2) * Sin(kPi<F> * t * F(16) / F(1000)) + slow;
  return F(2) * Cos(kPi<F> * t * F(64) / F(1000)) + middle;
}

// Round(t) mod 250, the remainder taking the sign of the dividend as a 64-bit
// integer division does. Beyond the 64-bit range fmod gives the same remainder
// without overflowing. No sine: one precision does for both.
long double Sawtooth(long double t) {
  const long double whole = RoundHalfEven(t);
  const long double remainder = std::fabs(whole) < kIntegerPathLimit
                                    ? static_cast<long double>(static_cast<std::int64_t>(whole) % 250)
                                    : std::fmod(whole, 250.0L);
  return 0.008L * remainder;
}

// offset = t - 500, already rounded to a double by the caller.
template <typename F>
F Sinc(double offset) {
  if (offset == 0.0) return F(4);
  const F d = offset;
  return F(4) * Sin(F(0.1L) * d) / F(0.1L) / d;
}

template <typename F>
double Value(TSignalForm form, double t) {
  const F x = t;
  switch (form) {
    case TSignalForm::sfSine: return static_cast<double>(Sine(x));
    case TSignalForm::sfThreeTermSine: return static_cast<double>(ThreeTermSine(x));
    case TSignalForm::sfSawtooth: return static_cast<double>(Sawtooth(x));
    case TSignalForm::sfSinc: return static_cast<double>(Sinc<F>(static_cast<double>(x - F(500))));
    case TSignalForm::sfChirp: return static_cast<double>(F(4) * Sin(F(0.0001L) * x * x));
  }
  return 0.0;
}

// The chirp forms the square of the instant before scaling it, as the hold stage always has.
template <typename F>
double HeldValue(TSignalForm form, double held) {
  if (form == TSignalForm::sfChirp) {
    const F h = held;
    return static_cast<double>(F(4) * Sin(h * h * F(0.0001L)));
  }
  return Value<F>(form, held);
}

}  // namespace

double SignalValue(TSignalForm form, double t) { return Value<long double>(form, t); }

double HeldSignalValue(TSignalForm form, double held) { return HeldValue<long double>(form, held); }

double HeldSignalValueInDouble(TSignalForm form, double held) { return HeldValue<double>(form, held); }

double HoldTime(double t, int interval) {
  const long double period = interval;
  return static_cast<double>(TruncateToWhole(t / period) * period);
}

}  // namespace quantora
