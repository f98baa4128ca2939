#pragma once
// The converter's output as the reconstruction sees it: one value y_n per
// sampling instant n T, nothing in between.

#include <cstdint>
#include <vector>

#include "model/chain_settings.h"
#include "model/simulation.h"

namespace quantora {

struct TSampleRecord {
  int intervalNs = 1;          // T; below 1 it is taken as 1 ns, as the model does
  std::vector<double> values;  // y_n, the output for the instant n T, n = 0 .. N - 1
};

// T as the engines use it: at least 1 ns.
inline int RecordInterval(const TSampleRecord& record) { return record.intervalNs < 1 ? 1 : record.intervalNs; }

// The number of instants 0, T, 2T, ... the hold stage takes up to and including
// endNs: the staircase at 1000 ns shows the instant 1000 when T divides it, so
// the record holds it too (the spectrum's periodic record stops below it).
// None for an end below 0; bounded by MaxSampleTimes.
std::int64_t HeldInstantCount(int interval, double endNs);

// The chain's output at every instant up to endNs, exactly as the model's
// Sampled series holds it (the same chain, draws and converter).
TSampleRecord OutputRecord(const TSimulationSettings& settings, double endNs = kRecordNs);

}  // namespace quantora
