#pragma once
// How a slider's whole-number positions map onto a setting's range: evenly, or
// evenly in the logarithm for ranges that span decades (frequency, noise,
// jitter), where a linear slider would crowd the small values into its first
// few positions.

namespace quantora {

class TSliderScale {
 public:
  // Positions 0 .. steps, evenly over min .. max.
  static TSliderScale Linear(double min, double max, int steps = 1000);
  // Positions evenly in log(value) over min .. max (min > 0). A range that
  // starts at 0 (an imperfection that is off) keeps position 0 for 0 and
  // spreads the others over max / 10^decades .. max.
  static TSliderScale Logarithmic(double min, double max, int decades = 4, int steps = 1000);

  int Steps() const { return fSteps; }
  // The position nearest to `value` (clamped to the range).
  int Position(double value) const;
  // The value of a position (clamped to 0 .. Steps()).
  double Value(int position) const;

 private:
  double fMin = 0, fMax = 1;
  double fLogLow = 0;    // the value at the first logarithmic position; 0: linear
  bool fZeroAtStart = false;  // position 0 is 0, the rest logarithmic from fLogLow
  int fSteps = 1000;
};

}  // namespace quantora
