#pragma once
// The amplitude range the analog chart shows in full: the design's -5.5 .. +5.5 V,
// widened when the generator's signal leaves it (up to 10 V amplitude plus 5 V
// offset), so that the student sees the whole input and where the converter's
// range ends.

namespace quantora {

struct TAmplitudeRange {
  double low = -5.5, high = 5.5;
  bool operator==(const TAmplitudeRange&) const = default;
};

// For a signal between `signalLow` and `signalHigh` volts: each end pushed out a
// tenth beyond the signal where the signal passes the design's range.
TAmplitudeRange AnalogAmplitudeRange(double signalLow, double signalHigh);

}  // namespace quantora
