#pragma once
// The exception the chart raises (layer joins).

#include "drawbase/vqm_error.h"

namespace vqm {

class EVQMRChartError : public EVQMError {
 public:
  using EVQMError::EVQMError;
};

}  // namespace vqm
