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
  double spreadLsb = 0;      // standard deviation of input noise and dither together, at the quantizer
};

// The test sine for a converter of `bits` with these imperfections (their
// input noise and dither widen the overdrive, so the end codes stay clear).
TTestSine ChooseTestSine(int bits, const TImperfections& imperfections, TDitherKind dither);

// The hits a mid-scale code of ideal width gets: S / (pi A). Without noise and
// dither each measured transition is good to about 1 / hits LSB, each code
// width to 2 / hits.
double MidScaleHits(const TTestSine& sine);

// How far a measured transition strays, in LSB (one standard deviation where
// noise or dither make the counts random). Noise and dither do not blur the
// transitions the counts find: the samples below T_k are counted whatever the
// other levels are. But each sample within a few spreads of T_k falls on its
// side by chance, which gives the count below T_k the variance
// hits * spread / sqrt(pi), so T_k strays by sqrt(spread / (sqrt(pi) hits)).
// Without them: 1 / hits, the bound coherent sampling gives.
double TransitionUncertaintyLsb(const TTestSine& sine);

}  // namespace quantora
