#include "chart/joint_layers.h"

#include <string>

#include "chart/chart_error.h"

namespace vqm {

TJointLayers::TJointLayers(QObject* parent) : QObject(parent) {
  for (int i = 0; i < kLayerCount; ++i) fX[std::size_t(i)] = fY[std::size_t(i)] = i + 1;
}

void TJointLayers::SetControlledBy(TAxisDirection dir, int k, int m) {
  if (k < 1 || k > kLayerCount) return;  // no such entry
  auto& table = Table(dir);
  if (m < 1 || m > kLayerCount)
    throw EVQMRChartError("Destination layer " + std::to_string(m) + " is out of range");
  if (m == k) {
    table[std::size_t(k - 1)] = k;
    return;
  }
  if (table[std::size_t(m - 1)] != m)
    throw EVQMRChartError("Destination layer " + std::to_string(m) + " is already joined");
  std::string followers;
  for (int j = 1; j <= kLayerCount; ++j) {
    if (j != k && table[std::size_t(j - 1)] == k) followers += (followers.empty() ? "" : ", ") + std::to_string(j);
  }
  if (!followers.empty())
    throw EVQMRChartError("Layer " + std::to_string(k) + " is joined by other layers (" + followers + ")");
  table[std::size_t(k - 1)] = m;
  if (OnJoined) OnJoined(dir, k, m);
  if (OnChange) OnChange();
  emit changed();
}

}  // namespace vqm
