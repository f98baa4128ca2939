#pragma once
// Shared by the tick tests: one tick pass of a default-sized scale (400 x 400,
// margins 20) of the options' type.

#include "scale/tick_pass.h"

namespace vqm::testing {

inline TTickPass PassFor(const TTickOptions& o) {
  TAxisExtent e;
  e.Type = o.Type;
  TAxisMapping m;
  CalcMapping(o.Range, e, m);
  return RunTickPass(o, m, e.Width);
}

}  // namespace vqm::testing
