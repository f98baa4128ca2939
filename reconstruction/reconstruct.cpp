#include "reconstruction/reconstruct.h"

#include "reconstruction/band_limited.h"
#include "reconstruction/filtered_hold.h"
#include "reconstruction/piecewise.h"

namespace quantora {

std::vector<double> Reconstruct(TReconstruction kind, const TSampleRecord& record, std::span<const double> times) {
  switch (kind) {
    case TReconstruction::rcLinear: return LinearReconstruction(record, times);
    case TReconstruction::rcBandLimited: return BandLimitedReconstruction(record, times);
    case TReconstruction::rcFilter: return FilteredHoldReconstruction(record, times);
    case TReconstruction::rcHold: break;
  }
  return HoldReconstruction(record, times);
}

}  // namespace quantora
