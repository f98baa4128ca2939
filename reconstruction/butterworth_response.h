#pragma once
// The reconstruction filter seen in the frequency domain: how much of a sine
// the 4th-order Butterworth low-pass (butterworth.h) lets through.

namespace quantora {

// |H(f)| = 1 / sqrt(1 + (f / fc)^8): 1 at DC, 1/sqrt(2) (-3 dB) at the corner,
// falling 24 dB per octave beyond it. Frequencies in any one unit; a corner
// at or below 0 passes nothing but DC.
double ButterworthGain(double frequency, double corner);

// The same in dB, 20 log10 |H(f)|.
double ButterworthGainDb(double frequency, double corner);

}  // namespace quantora
