#pragma once
// The converter's samples back to a curve, by the chosen reconstruction.

#include <span>
#include <vector>

#include "reconstruction/reconstruction_kind.h"
#include "reconstruction/sample_record.h"

namespace quantora {

// The reconstructed value at each time (ns), one per time, in their order.
// An enumerator outside the list reconstructs as the staircase.
std::vector<double> Reconstruct(TReconstruction kind, const TSampleRecord& record, std::span<const double> times);

}  // namespace quantora
