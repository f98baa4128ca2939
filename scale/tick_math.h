#pragma once
// The numeric rules of tick spacing and of the automatic choice of decimals.
// Pure computation: no toolkit.

#include "drawbase/rounding.h"

namespace vqm {

// Relative tolerance of the logarithmic and time generators.
constexpr double kTickTolerance = 0.999999999;
// A tick value this small relative to the span counts as exactly 0.
constexpr double kZeroTickRatio = 1e-14;
// Above this span a zero tick is labelled "0" or "0.0" whatever the decimals.
constexpr double kZeroLabelSpan = 100000.0;
// Number labels longer than this are cut.
constexpr int kMaxLabelLength = 14;

struct TTickSpacing {
  double First = 0.0;   // first major tick: the first multiple of Step not more
                        // than a thousandth of a step before Low
  double Step = 0.0;    // signed: negative on a reversed axis; 0 for Low == High
  int Subdivisions = 1; // short intervals per step
};

// The 1-2-5 rule: the largest 1, 2 or 5 times a power of ten that does not
// exceed |High - Low| / MinTicks (a quotient of exactly 2 or 5 times a power of
// ten takes the smaller mantissa). Non-finite input gives a zero step.
TTickSpacing CalcScaleTicks(int minTicks, long double low, long double high);

// Decimals of linear labels: places 0..12 and -1 as they stand; -2 and -3 choose
// by the span: scientific (-1) at >= 1e6 or <= 1e-4, 0 from 100 on, otherwise
// 2 - round(ln(span) / 2.5).
int AutoDecPlaces(int decPlaces, double high, double low);

// How linear labels are written: Decimals as FormatTickNumber takes them, and
// in scientific form (Decimals < 0) with Digits significant digits.
struct TLabelPrecision {
  int Decimals = 0;
  int Digits = 2;
};

// AutoDecPlaces where it tells ticks `step` apart, so that distinct ticks read
// distinct values at any depth of zoom. Where it does not (a deep zoom far from
// zero), as many decimals or significant digits as the step needs, whichever
// writes the shorter label, within the label length limit. Fixed decimals and
// -1 as they stand: the user chose them.
TLabelPrecision LinearLabelPrecision(int decPlaces, double high, double low, double step);

// Decimals of logarithmic labels: anything but -2 as it stands; -2 gives
// scientific (-1) for a span >= 1e6 or <= 1e-4, 0 when the lower bound is >= 1,
// otherwise 1 - round(log10 |lower|).
int LogDecPlaces(int decPlaces, double upper, double lower);

}  // namespace vqm
