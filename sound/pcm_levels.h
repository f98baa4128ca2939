#pragma once
// Volts to 16-bit sound samples, and the short fades that keep a part's start
// and end from clicking.

#include <cstdint>
#include <span>
#include <vector>

namespace quantora {

// The converter's range, +-5 V, sounds at 90 % of full scale: loud, with room
// for the overshoot of the filter and the sinc sum.
inline constexpr double kPcmPerVolt = 0.9 * 32767 / 5.0;

// Each voltage rounded to the nearest step of kPcmPerVolt, clamped to the
// 16-bit range; a value that is not finite is silence.
std::vector<std::int16_t> ToPcm16(std::span<const double> volts);

// The fade at each end of a played stretch, 5 ms.
inline constexpr int kFadeSamples = 240;

// Raises the first kFadeSamples values from 0 along half a cosine and lowers
// the last ones the same way (a shorter stretch fades over half its length
// each way).
void FadeEnds(std::span<double> values);

}  // namespace quantora
