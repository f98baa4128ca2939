#pragma once
// The two reconstructions that look at the neighbouring samples only: the
// staircase and straight lines. Times in ns; one value per time.

#include <span>
#include <vector>

#include "reconstruction/sample_record.h"

namespace quantora {

// y_n for n T <= t < (n + 1) T: the staircase of the model's Sampled series,
// bit for bit. Before 0 the first sample, after the last one the last; a
// time that is not finite gives NaN, an empty record 0 V.
std::vector<double> HoldReconstruction(const TSampleRecord& record, std::span<const double> times);

// The straight line from y_n at n T to y_(n+1) at (n + 1) T; before 0 and
// after the last sample the sample itself is held, as the staircase does.
std::vector<double> LinearReconstruction(const TSampleRecord& record, std::span<const double> times);

}  // namespace quantora
