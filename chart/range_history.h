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

// Reading it back: the newest snapshot is the ranges shown. Back() steps to the
// snapshot before it and Forward() returns along the same way; a snapshot saved
// after going back drops the way forward, as a browser's history does. The ring
// holds 16 snapshots in all, so at most 15 steps lead back; older ones are
// overwritten by newer ones.
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

  bool CanGoBack() const { return fBehind >= 2; }
  bool CanGoForward() const { return fAhead >= 1; }
  // The snapshot to show after one step back or forward (call only when possible).
  const TSnapshot& Back();
  const TSnapshot& Forward();

 private:
  static int Next(int slot) { return slot % kSlots + 1; }
  static int Previous(int slot) { return (slot + kSlots - 2) % kSlots + 1; }
  std::array<TSnapshot, kSlots> fSlots{};
  int fPointer = 1;  // slot the next snapshot fills
  int fBehind = 0;   // snapshots up to the one shown (the slot before the pointer)
  int fAhead = 0;    // snapshots from the pointer on that Forward() can return to
};

}  // namespace vqm
