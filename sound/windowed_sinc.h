#pragma once
// Band-limited reconstruction over a long record, for sound. The chart's sum of
// every sample's sinc pulse costs samples x times: two seconds of sound at
// T = 1 ns would be 220000 samples x 96000 times. Here each time takes only
// the 2 W samples around it, the sinc tapered by a Blackman window to zero at
// the ends, which keeps the band flat to about 0.47 fs and holds the images
// beyond 0.53 fs some 70 dB down: a tone below fs/2 and its alias are the
// ideal reconstruction's to the ear, at a cost of 2 W per time.

#include <span>
#include <vector>

#include "reconstruction/sample_record.h"

namespace quantora {

// Samples on each side of a time that its value is built from.
inline constexpr int kSincHalfWidth = 48;

// Sum of y_n sinc(u - n) w((u - n) / W) over the 2 W samples n nearest to
// u = t / T, where w is the Blackman window; samples outside the record count
// as 0 V. On a sampling instant the sample itself; a time that is not finite
// gives NaN.
std::vector<double> WindowedSincReconstruction(const TSampleRecord& record, std::span<const double> times);

}  // namespace quantora
