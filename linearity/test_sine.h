#pragma once
// The sine a code-density test feeds the converter, and its record: the
// converter is driven slightly past both ends of its range, so that every
// code is hit and the two end codes tell the sine's amplitude and offset.
//
// Levels are counted as the converter counts its transition levels: in LSB
// from -5 V, as the quantizer sees them (after gain and offset error), so
// code k's ideal centre is k and the range is 0 .. TopCode().

#include <cstdint>

#include "model/chain_settings.h"

namespace quantora {

struct TTestSine {
  std::int64_t samples = 0;  // the record length S, a power of two
  std::int64_t cycles = 0;   // whole periods in the record, odd: relatively prime to S
  double centreLsb = 0;      // at the quantizer
  double amplitudeLsb = 0;   // at the quantizer, a little more than half the range
};

// The test sine for a converter of `bits` with these imperfections (their
// input noise and dither widen the overdrive, so the end codes stay clear).
TTestSine ChooseTestSine(int bits, const TImperfections& imperfections, TDitherKind dither);

// The hits a mid-scale code of ideal width gets: S / (pi A). Each measured
// transition is good to about 1 / hits LSB, each code width to 2 / hits.
double MidScaleHits(const TTestSine& sine);

}  // namespace quantora
