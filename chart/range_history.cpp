#include "chart/range_history.h"

#include <algorithm>

namespace vqm {

void TRangeHistory::Save(const TSnapshot& snapshot) {
  fSlots[std::size_t(fPointer - 1)] = snapshot;
  fPointer = Next(fPointer);
  fBehind = std::min(fBehind + 1, kSlots);
  fAhead = 0;
}

void TRangeHistory::Clear() {
  fSlots = {};
  fPointer = 1;
  fBehind = fAhead = 0;
}

const TRangeHistory::TSnapshot& TRangeHistory::Back() {
  fPointer = Previous(fPointer);
  --fBehind;
  ++fAhead;
  return fSlots[std::size_t(Previous(fPointer) - 1)];
}

const TRangeHistory::TSnapshot& TRangeHistory::Forward() {
  const TSnapshot& s = fSlots[std::size_t(fPointer - 1)];
  fPointer = Next(fPointer);
  ++fBehind;
  --fAhead;
  return s;
}

}  // namespace vqm
