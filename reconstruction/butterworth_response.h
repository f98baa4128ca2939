#pragma once
// The reconstruction filter seen in the frequency domain: how much of a sine
// the 4th-order Butterworth low-pass (butterworth.h) lets through.

namespace quantora {

// 20 log10 |H(f)| with |H(f)| = 1 / sqrt(1 + (f / fc)^8): 0 dB at DC, -3 dB
// at the corner, falling 24 dB per octave beyond it. Frequencies in any one
// unit; a corner at or below 0 passes nothing but DC.
double ButterworthGainDb(double frequency, double corner);

}  // namespace quantora
