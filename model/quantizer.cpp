#include "model/quantizer.h"

#include <algorithm>

#include "model/rounding.h"

namespace quantora {

double Quantize(int bits, double x) {
  const int clamped = std::clamp(bits, MinBits, MaxBits);
  const long double top = static_cast<long double>((1L << clamped) - 1);  // level of +5 V
  // Evaluated in exactly this order: 0 V at 8 bits lands on the tie 127.5.
  const long double v = (static_cast<long double>(x) + 5.0L) / 2.0L / 5.0L * top;
  const long double level = RoundHalfEven(v);
  return static_cast<double>(level / top * 2.0L * 5.0L - 5.0L);
}

}  // namespace quantora
