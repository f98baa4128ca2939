#include "canvas.h"

namespace vqm {

void TCanvas::MoveTo(int x, int y) { fPenPos = {x, y}; }

}  // namespace vqm
