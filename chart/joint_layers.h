#pragma once
// Which layer's X range and which layer's Y range each layer follows. Entry k
// holding m means "layer k follows layer m"; k itself means it follows nobody.
// Joins are one level deep: a leader never follows another layer.

#include <array>
#include <functional>

namespace vqm {

constexpr int kLayerCount = 16;

enum class TAxisDirection { X, Y };

class TJointLayers {
 public:
  TJointLayers();

  // The layer whose range layer k (1..16) follows in that direction.
  int ControlledBy(TAxisDirection dir, int k) const { return Table(dir)[std::size_t(k - 1)]; }
  // Makes layer k follow layer m. Raises EVQMRChartError (table unchanged) when m
  // is out of range, m follows another layer, or others follow k. On success the
  // chart's join handler pulls k's range onto m's, then OnChange fires. m == k
  // only unjoins: no range change, no notification.
  void SetControlledBy(TAxisDirection dir, int k, int m);

  int L01xControlledBy() const { return ControlledBy(TAxisDirection::X, 1); }
  int L01yControlledBy() const { return ControlledBy(TAxisDirection::Y, 1); }

  // Called after a join is stored, to copy the leader's range (set by the chart).
  std::function<void(TAxisDirection dir, int follower, int leader)> OnJoined;
  // Repaint request after a change (set by the chart).
  std::function<void()> OnChange;

 private:
  std::array<int, kLayerCount>& Table(TAxisDirection dir) { return dir == TAxisDirection::X ? fX : fY; }
  const std::array<int, kLayerCount>& Table(TAxisDirection dir) const {
    return dir == TAxisDirection::X ? fX : fY;
  }
  std::array<int, kLayerCount> fX{}, fY{};
};

}  // namespace vqm
