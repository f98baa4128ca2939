#pragma once
// The window a record is weighted with before its transform, and which one a
// record of the simulation needs.

#include <span>
#include <vector>

#include "model/signal_form.h"

namespace quantora {

enum class TWindowKind {
  // No weighting. Right when the record holds whole periods of every component
  // (each lands on one bin, nothing leaks) or the whole of a one-off event.
  wkRectangular,
  // Periodic Hann, 0.5 - 0.5 cos(2 pi n / N). For a periodic signal cut off in
  // the middle of a period: side lobes from -31 dB falling 18 dB per octave keep
  // a strong line from covering the floor, at the price of a line 4 bins wide.
  // With only four periods in the record a wider window would merge the
  // fundamental with DC and the second harmonic.
  wkHann,
};

// Why the record gets its window; the window's text says it to the student.
enum class TWindowReason {
  wrWholePeriods,  // periodic signal, the record holds whole periods: rectangular
  wrWholeEvent,    // sinc pulse or chirp, which the record holds whole: rectangular
  wrCutPeriods,    // periodic signal cut off inside a period: Hann
};

struct TWindowChoice {
  TWindowKind kind;
  TWindowReason reason;
};

// True when `recordNs` holds whole periods of `form` run `timeScale` times as
// fast as the design's (whose periods are whole over 1000 ns); false for the
// sinc pulse and the chirp, which have none.
bool HoldsWholePeriods(TSignalForm form, double recordNs, double timeScale);

// The window for `samples` values of `form` taken every `interval` ns from 0
// on, the signal running `timeScale` times as fast as the design's.
TWindowChoice ChooseWindow(TSignalForm form, int interval, long long samples, double timeScale = 1.0);

// Half the width of a component's line in bins beyond its centre bin: 0 for
// the rectangular window on whole periods, 2 for Hann.
int LineHalfWidth(TWindowKind kind);

// The window's N weights.
void FillWindow(TWindowKind kind, std::size_t n, std::vector<double>& weights);

}  // namespace quantora
