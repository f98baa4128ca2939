#pragma once
// The staircase through the reconstruction filter: a 4th-order Butterworth
// low-pass with its corner at half the sampling rate, delay and all.

#include <span>
#include <vector>

#include "reconstruction/sample_record.h"

namespace quantora {

// The filter's output at each time (ns). It is at rest until t = 0, where the
// first sample is applied; the staircase holds y_n from n T on and the last
// sample for ever after. The staircase is constant between the instants, so
// the output is exact at every time, however far apart. Before 0: 0 V; a
// time that is not finite: NaN; an empty record: 0 V.
std::vector<double> FilteredHoldReconstruction(const TSampleRecord& record, std::span<const double> times);

}  // namespace quantora
