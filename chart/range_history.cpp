#include "chart/range_history.h"

namespace vqm {

void TRangeHistory::Save(const TSnapshot& snapshot) {
  fSlots[std::size_t(fPointer - 1)] = snapshot;
  fPointer = fPointer % kSlots + 1;
}

void TRangeHistory::Clear() {
  fSlots = {};
  fPointer = 1;
}

}  // namespace vqm
