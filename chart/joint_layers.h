#pragma once
// Which layer's X range and which layer's Y range each layer follows. Entry k
// holding m means "layer k follows layer m"; k itself means it follows nobody.
// Joins are one level deep: a leader never follows another layer.

#include <QObject>
#include <array>
#include <functional>

namespace vqm {

constexpr int kLayerCount = 16;

enum class TAxisDirection { X, Y };

class TJointLayers : public QObject {
  Q_OBJECT
  Q_PROPERTY(int L01xControlledBy READ L01x WRITE SetL01x NOTIFY changed)
  Q_PROPERTY(int L02xControlledBy READ L02x WRITE SetL02x NOTIFY changed)
  Q_PROPERTY(int L03xControlledBy READ L03x WRITE SetL03x NOTIFY changed)
  Q_PROPERTY(int L04xControlledBy READ L04x WRITE SetL04x NOTIFY changed)
  Q_PROPERTY(int L05xControlledBy READ L05x WRITE SetL05x NOTIFY changed)
  Q_PROPERTY(int L06xControlledBy READ L06x WRITE SetL06x NOTIFY changed)
  Q_PROPERTY(int L07xControlledBy READ L07x WRITE SetL07x NOTIFY changed)
  Q_PROPERTY(int L08xControlledBy READ L08x WRITE SetL08x NOTIFY changed)
  Q_PROPERTY(int L09xControlledBy READ L09x WRITE SetL09x NOTIFY changed)
  Q_PROPERTY(int L10xControlledBy READ L10x WRITE SetL10x NOTIFY changed)
  Q_PROPERTY(int L11xControlledBy READ L11x WRITE SetL11x NOTIFY changed)
  Q_PROPERTY(int L12xControlledBy READ L12x WRITE SetL12x NOTIFY changed)
  Q_PROPERTY(int L13xControlledBy READ L13x WRITE SetL13x NOTIFY changed)
  Q_PROPERTY(int L14xControlledBy READ L14x WRITE SetL14x NOTIFY changed)
  Q_PROPERTY(int L15xControlledBy READ L15x WRITE SetL15x NOTIFY changed)
  Q_PROPERTY(int L16xControlledBy READ L16x WRITE SetL16x NOTIFY changed)
  Q_PROPERTY(int L01yControlledBy READ L01y WRITE SetL01y NOTIFY changed)
  Q_PROPERTY(int L02yControlledBy READ L02y WRITE SetL02y NOTIFY changed)
  Q_PROPERTY(int L03yControlledBy READ L03y WRITE SetL03y NOTIFY changed)
  Q_PROPERTY(int L04yControlledBy READ L04y WRITE SetL04y NOTIFY changed)
  Q_PROPERTY(int L05yControlledBy READ L05y WRITE SetL05y NOTIFY changed)
  Q_PROPERTY(int L06yControlledBy READ L06y WRITE SetL06y NOTIFY changed)
  Q_PROPERTY(int L07yControlledBy READ L07y WRITE SetL07y NOTIFY changed)
  Q_PROPERTY(int L08yControlledBy READ L08y WRITE SetL08y NOTIFY changed)
  Q_PROPERTY(int L09yControlledBy READ L09y WRITE SetL09y NOTIFY changed)
  Q_PROPERTY(int L10yControlledBy READ L10y WRITE SetL10y NOTIFY changed)
  Q_PROPERTY(int L11yControlledBy READ L11y WRITE SetL11y NOTIFY changed)
  Q_PROPERTY(int L12yControlledBy READ L12y WRITE SetL12y NOTIFY changed)
  Q_PROPERTY(int L13yControlledBy READ L13y WRITE SetL13y NOTIFY changed)
  Q_PROPERTY(int L14yControlledBy READ L14y WRITE SetL14y NOTIFY changed)
  Q_PROPERTY(int L15yControlledBy READ L15y WRITE SetL15y NOTIFY changed)
  Q_PROPERTY(int L16yControlledBy READ L16y WRITE SetL16y NOTIFY changed)

 public:
  explicit TJointLayers(QObject* parent = nullptr);

  // The layer whose range layer k (1..16) follows in that direction.
  int ControlledBy(TAxisDirection dir, int k) const { return Table(dir)[std::size_t(k - 1)]; }
  // Makes layer k follow layer m. Raises EVQMRChartError (table unchanged) when m
  // is out of range, m follows another layer, or others follow k. On success the
  // chart's join handler pulls k's range onto m's, then OnChange fires. m == k
  // only unjoins: no range change, no notification.
  void SetControlledBy(TAxisDirection dir, int k, int m);

  // The published entries L01xControlledBy .. L16yControlledBy.
#define QUANTORA_JOINT_ENTRY(nn, d, D, k)                                        \
  int L##nn##d() const { return ControlledBy(TAxisDirection::D, k); }          \
  void SetL##nn##d(int m) { SetControlledBy(TAxisDirection::D, k, m); }
  QUANTORA_JOINT_ENTRY(01, x, X, 1)
  QUANTORA_JOINT_ENTRY(02, x, X, 2)
  QUANTORA_JOINT_ENTRY(03, x, X, 3)
  QUANTORA_JOINT_ENTRY(04, x, X, 4)
  QUANTORA_JOINT_ENTRY(05, x, X, 5)
  QUANTORA_JOINT_ENTRY(06, x, X, 6)
  QUANTORA_JOINT_ENTRY(07, x, X, 7)
  QUANTORA_JOINT_ENTRY(08, x, X, 8)
  QUANTORA_JOINT_ENTRY(09, x, X, 9)
  QUANTORA_JOINT_ENTRY(10, x, X, 10)
  QUANTORA_JOINT_ENTRY(11, x, X, 11)
  QUANTORA_JOINT_ENTRY(12, x, X, 12)
  QUANTORA_JOINT_ENTRY(13, x, X, 13)
  QUANTORA_JOINT_ENTRY(14, x, X, 14)
  QUANTORA_JOINT_ENTRY(15, x, X, 15)
  QUANTORA_JOINT_ENTRY(16, x, X, 16)
  QUANTORA_JOINT_ENTRY(01, y, Y, 1)
  QUANTORA_JOINT_ENTRY(02, y, Y, 2)
  QUANTORA_JOINT_ENTRY(03, y, Y, 3)
  QUANTORA_JOINT_ENTRY(04, y, Y, 4)
  QUANTORA_JOINT_ENTRY(05, y, Y, 5)
  QUANTORA_JOINT_ENTRY(06, y, Y, 6)
  QUANTORA_JOINT_ENTRY(07, y, Y, 7)
  QUANTORA_JOINT_ENTRY(08, y, Y, 8)
  QUANTORA_JOINT_ENTRY(09, y, Y, 9)
  QUANTORA_JOINT_ENTRY(10, y, Y, 10)
  QUANTORA_JOINT_ENTRY(11, y, Y, 11)
  QUANTORA_JOINT_ENTRY(12, y, Y, 12)
  QUANTORA_JOINT_ENTRY(13, y, Y, 13)
  QUANTORA_JOINT_ENTRY(14, y, Y, 14)
  QUANTORA_JOINT_ENTRY(15, y, Y, 15)
  QUANTORA_JOINT_ENTRY(16, y, Y, 16)
#undef QUANTORA_JOINT_ENTRY
  int L01xControlledBy() const { return L01x(); }
  int L01yControlledBy() const { return L01y(); }

  // Called after a join is stored, to copy the leader's range (set by the chart).
  std::function<void(TAxisDirection dir, int follower, int leader)> OnJoined;
  // Repaint request after a change (set by the chart).
  std::function<void()> OnChange;

 signals:
  void changed();

 private:
  std::array<int, kLayerCount>& Table(TAxisDirection dir) { return dir == TAxisDirection::X ? fX : fY; }
  const std::array<int, kLayerCount>& Table(TAxisDirection dir) const {
    return dir == TAxisDirection::X ? fX : fY;
  }
  std::array<int, kLayerCount> fX{}, fY{};
};

}  // namespace vqm
