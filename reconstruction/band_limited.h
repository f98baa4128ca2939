#pragma once
// Ideal (Whittaker-Shannon) reconstruction: the sum of a sinc pulse for every
// sample of the record. Below half the sampling rate it returns the signal,
// apart from the record's ends; above it, the alias.

#include <span>
#include <vector>

#include "reconstruction/sample_record.h"

namespace quantora {

// Sum over n of y_n sinc((t - n T) / T), sinc(x) = sin(pi x) / (pi x), at each
// time (ns). On a sampling instant of the record the sample itself, exactly;
// on any other instant 0 V. A time that is not finite gives NaN, an empty
// record 0 V.
std::vector<double> BandLimitedReconstruction(const TSampleRecord& record, std::span<const double> times);

}  // namespace quantora
