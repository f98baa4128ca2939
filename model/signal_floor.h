#pragma once
// Below what a signal counts as none: a sine of 5 µV, 120 dB under the
// converter's full scale (5 V), far below the step of 16 bits (153 µV) and far
// above the rounding residues of the arithmetic (the sine's zero crossings
// come out near 1e-15 V). A record without signal has no signal-to-noise ratio.

namespace quantora {

inline constexpr double kLeastSignalAmplitude = 5e-6;
inline constexpr double kLeastSignalMeanSquare = kLeastSignalAmplitude * kLeastSignalAmplitude / 2;

}  // namespace quantora
