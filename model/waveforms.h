#pragma once
// The analog test signals and the sample-and-hold instant. Time in ns, volts out.
// Intermediates are carried in 80-bit extended precision (long double on
// x86-64); each result is rounded once to a double.

#include "model/signal_form.h"

namespace quantora {

// The analog signal of `form` at time t. An enumerator outside the list gives 0 V.
double SignalValue(TSignalForm form, double t);

// The signal as the sample-and-hold stage evaluates it at its instant `held`
// (a whole number of ns). Equal to SignalValue except that the chirp forms the
// square of the instant before scaling it, as the hold stage always has.
double HeldSignalValue(TSignalForm form, double held);

// The same in double precision, five times as fast: for instants that jitter
// moves off the design's, where its exact values have no meaning.
double HeldSignalValueInDouble(TSignalForm form, double held);

// The instant whose value the sample-and-hold stage presents at time t:
// Int(t / interval) * interval, truncating toward zero. interval must be >= 1.
double HoldTime(double t, int interval);

}  // namespace quantora
