#pragma once
// A ring of 16 snapshots of every layer's ranges, filled on zooming and panning.

#include <array>

#include "chart/joint_layers.h"

namespace vqm {

// One layer's ranges as a rectangle: X low, Y high, X high, Y low.
struct TLayerRect {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TLayerRect&) const = default;
};

class TRangeHistory {
 public:
  static constexpr int kSlots = 16;
  using TSnapshot = std::array<TLayerRect, kLayerCount>;

  // Stores the snapshot in the slot the pointer names and advances it (16 wraps to 1).
  void Save(const TSnapshot& snapshot);
  // Clears every slot; the pointer returns to 1.
  void Clear();
  int Pointer() const { return fPointer; }
  const TSnapshot& Slot(int n) const { return fSlots[std::size_t(n - 1)]; }

 private:
  std::array<TSnapshot, kSlots> fSlots{};
  int fPointer = 1;  // slot the next snapshot fills
};

}  // namespace vqm
