#include "reconstruction/sample_record.h"

#include <algorithm>
#include <cmath>

#include "model/signal_chain.h"

namespace quantora {

std::int64_t HeldInstantCount(int interval, double endNs) {
  if (!(endNs >= 0)) return 0;  // also NaN
  const double step = std::max(interval, 1);
  const double last = std::min(std::floor(endNs / step), double(MaxSampleTimes - 1));
  return std::int64_t(last) + 1;
}

TSampleRecord OutputRecord(const TSimulationSettings& settings, double endNs) {
  const TSignalChain chain(settings);
  TSampleRecord record;
  record.intervalNs = chain.Interval();
  const std::int64_t count = HeldInstantCount(record.intervalNs, endNs);
  record.values.resize(std::size_t(count));
  for (std::int64_t n = 0; n < count; ++n) {
    const double instant = double(n * record.intervalNs);
    record.values[std::size_t(n)] = chain.Output(chain.Held(instant), instant);
  }
  return record;
}

}  // namespace quantora
