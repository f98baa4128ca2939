#pragma once
// The 32 axis controls a chart embeds, one per layer and direction. They have no
// window of their own: the chart copies its axis objects into them and has them
// draw into its frame image when it paints.

#include <array>
#include <memory>

#include "chart/joint_layers.h"

namespace vqm {

class TCustomRChart;
class TScale;
class TScaleProps;
class TCanvas;

class TAxisControls {
 public:
  explicit TAxisControls(TCustomRChart& chart);
  ~TAxisControls();

  TScale* X(int layer) const;
  TScale* Y(int layer) const;
  // Embedded mode, transparency, background, frame, size and margins of every control.
  void ConfigureAll();
  // Size and the two margins along the axis, after a margin, shadow or size change.
  void SetGeometry();
  // Copies the axis objects of one layer, or of all, into their controls.
  void Push(int layer);
  void PushAll();
  // Has the 16 horizontal, then the 16 vertical controls draw into the canvas.
  void PaintAll(TCanvas& canvas);
  // Tick values the control of a layer recorded at its last paint (1-based).
  int TickCount(TAxisDirection dir, int layer) const;
  double Tick(TAxisDirection dir, int layer, int i) const;

 private:
  TCustomRChart& fChart;
  std::array<TScale*, kLayerCount> fX{}, fY{};
};

}  // namespace vqm
