#include "chart/crosshair.h"

#include <algorithm>

#include "chart/joint_layers.h"

namespace vqm {

void TCrossHair::Changed() {
  if (OnChange) OnChange(this);
  emit changed();
}

void TCrossHair::SetPosX(double v) {
  fPosX = v;
  Changed();
}
void TCrossHair::SetPosY(double v) {
  fPosY = v;
  Changed();
}
void TCrossHair::SetColor(TColor v) {
  fColor = v;
  Changed();
}
void TCrossHair::SetLayer(int v) {
  fLayer = std::clamp(v, 1, kLayerCount);
  Changed();
}
void TCrossHair::SetMode(TCrossHMode v) {
  fMode = v;
  Changed();
}
void TCrossHair::SetLineType(TPenStyle v) {
  fLineType = v;
  Changed();
}
void TCrossHair::SetLineWid(int v) {
  fLineWid = v;
  Changed();
}

}  // namespace vqm
