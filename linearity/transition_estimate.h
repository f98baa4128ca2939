#pragma once
// From a code-density record to the converter's transition levels, as the
// histogram test of IEEE Std 1241 does it for a sine.

#include <cstdint>
#include <vector>

namespace quantora {

// T_1 .. T_top in LSB from -5 V (top = counts.size() - 1 >= 2), from the
// counts per code of a sine that overdrives both ends. The sine's amplitude A
// and centre C come from the two end codes' counts and the ideal end
// transitions 1/2 and top - 1/2; then T_k = C - A cos(pi H[k-1] / S), with
// H[k-1] the samples below code k and S all samples. So the end transitions
// come out ideal: the endpoint line is the ideal one. Empty when there is no
// inner code or no sample.
std::vector<double> TransitionsFromHistogram(const std::vector<std::int64_t>& counts);

}  // namespace quantora
