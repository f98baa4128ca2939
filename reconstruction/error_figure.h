#pragma once
// How far a reconstruction is from the analog signal, as one figure.

#include <optional>
#include <span>

namespace quantora {

// The root mean square of analog - reconstructed (V) over the points whose time
// lies in the middle half of the record, [recordNs / 4, 3 recordNs / 4]: the
// record's ends, where every reconstruction lacks the samples beyond them,
// stay out. The three lists are read up to the shortest; points with a value
// that is not finite stay out as well. None when no point is left.
std::optional<double> ReconstructionErrorRms(std::span<const double> analog, std::span<const double> reconstructed,
                                             std::span<const double> times, double recordNs);

}  // namespace quantora
