#include "reconstruction/reconstructed_series.h"

#include <algorithm>
#include <cstdint>

#include "reconstruction/reconstruct.h"
#include "reconstruction/sample_record.h"

namespace quantora {
namespace {

void FillOutput(TReconstruction kind, const TSimulationSettings& settings, double xMax, TReconstructedSeries& curve) {
  curve.output = Reconstruct(kind, OutputRecord(settings, xMax), curve.time);
}

// The record read off the design run's staircase instead of through the chain
// again: its grid points lie 0.49 ns apart and the instants at least 1 ns, so
// every instant up to the record's end holds a grid point, whose sampled value
// is that instant's output.
TSampleRecord RecordOfRun(const TSimulationSettings& settings, const TSimulationResult& run) {
  TSampleRecord record{std::max(settings.interval, 1), {}};
  const std::int64_t step = record.intervalNs;
  record.values.resize(std::size_t(HeldInstantCount(int(step), kRecordNs)));
  for (std::size_t n = 0; n < record.values.size(); ++n) {
    // The first grid point at or after the instant n T: i = ceil(n T NumPoints / 1000).
    const std::int64_t i = std::max<std::int64_t>(1, (std::int64_t(n) * step * NumPoints + 999) / 1000);
    record.values[n] = run.Sampled[std::size_t(i - 1)];
  }
  return record;
}

}  // namespace

TReconstructedSeries ReconstructedSeries(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                       const TSimulationResult& run) {
  TReconstructedSeries curve;
  curve.time.resize(NumPoints);
  for (int i = 1; i <= NumPoints; ++i) curve.time[std::size_t(i - 1)] = GridTime(i);
  curve.analog.assign(run.Analog.begin(), run.Analog.end());
  if (xMax == kRecordNs)
    curve.output = Reconstruct(kind, RecordOfRun(settings, run), curve.time);
  else
    FillOutput(kind, settings, xMax, curve);
  return curve;
}

TReconstructedSeries ReconstructedSeries(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                       const TWindowResult& run) {
  TReconstructedSeries curve;
  curve.time.reserve(run.Plot.size());
  curve.analog.reserve(run.Plot.size());
  for (const TPlotPoint& p : run.Plot) {
    if (!curve.time.empty() && curve.time.back() == p.t) continue;  // an instant's second point
    curve.time.push_back(p.t);
    curve.analog.push_back(p.analog);
  }
  FillOutput(kind, settings, xMax, curve);
  return curve;
}

std::vector<double> ReconstructedOnGrid(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                        const TWindowResult& run) {
  return Reconstruct(kind, OutputRecord(settings, xMax), run.Time);
}

}  // namespace quantora
