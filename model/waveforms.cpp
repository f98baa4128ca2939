#include "model/waveforms.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "model/extended_trig.h"
#include "model/rounding.h"

namespace quantora {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

long double Sine(long double t) { return 4.8L * SinExtended(kPi * t / 125.0L); }

// The three terms are summed in this order: slow sine, middle sine, fast cosine.
long double ThreeTermSine(long double t) {
  const long double slow = SinExtended(kPi * t * 4.0L / 1000.0L);
  const long double middle = 2.0L * SinExtended(kPi * t * 16.0L / 1000.0L) + slow;
  return 2.0L * CosExtended(kPi * t * 64.0L / 1000.0L) + middle;
}

// Round(t) mod 250, the remainder taking the sign of the dividend as a 64-bit
// integer division does. Beyond the 64-bit range fmod gives the same remainder
// without overflowing.
long double Sawtooth(long double t) {
  const long double whole = RoundHalfEven(t);
  const long double remainder = std::fabs(whole) < kIntegerPathLimit
                                    ? static_cast<long double>(static_cast<std::int64_t>(whole) % 250)
                                    : std::fmod(whole, 250.0L);
  return 0.008L * remainder;
}

// offset = t - 500, already rounded to a double by the caller.
long double Sinc(double offset) {
  if (offset == 0.0) return 4.0L;
  const long double d = offset;
  return 4.0L * SinExtended(0.1L * d) / 0.1L / d;
}

}  // namespace

double SignalValue(TSignalForm form, double t) {
  const long double x = t;
  switch (form) {
    case TSignalForm::sfSine: return static_cast<double>(Sine(x));
    case TSignalForm::sfThreeTermSine: return static_cast<double>(ThreeTermSine(x));
    case TSignalForm::sfSawtooth: return static_cast<double>(Sawtooth(x));
    case TSignalForm::sfSinc: return static_cast<double>(Sinc(static_cast<double>(x - 500.0L)));
    case TSignalForm::sfChirp: return static_cast<double>(4.0L * SinExtended(0.0001L * x * x));
  }
  return 0.0;
}

double HeldSignalValue(TSignalForm form, double held) {
  if (form == TSignalForm::sfChirp) {
    const long double h = held;
    return static_cast<double>(4.0L * SinExtended(h * h * 0.0001L));
  }
  return SignalValue(form, held);
}

double HoldTime(double t, int interval) {
  const long double period = interval;
  return static_cast<double>(TruncateToWhole(t / period) * period);
}

}  // namespace quantora
