#pragma once
// The code-density record: the test sine through the input noise and the
// converter, counted per code.

#include <cstdint>
#include <vector>

#include "linearity/test_sine.h"
#include "model/converter.h"

namespace quantora {

// How many of the sine's samples the converter gave each code, 0 .. TopCode().
// `chain` supplies the input noise (drawn as the chain draws it, per sample)
// and the gain and offset error, which the sine is set against so that it
// overdrives the quantizer as `sine` says. Clock jitter is left out: a test
// bench uses a slow sine, which jitter does not move.
std::vector<std::int64_t> CodeHistogram(const TConverter& converter, const TChainSettings& chain,
                                        const TTestSine& sine);

}  // namespace quantora
