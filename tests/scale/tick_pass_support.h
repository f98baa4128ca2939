#pragma once
// Shared by the tick tests: one tick pass of a default-sized scale (400 x 400,
// margins 20) of the options' type, and its labels.

#include <string>
#include <vector>

#include "scale/tick_pass.h"

namespace vqm::testing {

inline TTickPass PassFor(const TTickOptions& o) {
  TAxisExtent e;
  e.Type = o.Type;
  TAxisMapping m;
  CalcMapping(o.Range, e, m);
  return RunTickPass(o, m, e.Width);
}

// The labels of the pass, in tick order.
inline std::vector<std::string> LabelsOf(const TTickPass& p) {
  std::vector<std::string> out;
  for (const TTick& t : p.Ticks)
    if (t.HasLabel) out.push_back(t.Label);
  return out;
}

}  // namespace vqm::testing
