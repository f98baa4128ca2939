#include "reconstruction/reconstructed_series.h"

#include "reconstruction/reconstruct.h"
#include "reconstruction/sample_record.h"

namespace quantora {
namespace {

void FillOutput(TReconstruction kind, const TSimulationSettings& settings, double xMax, TReconstructedSeries& curve) {
  curve.output = Reconstruct(kind, OutputRecord(settings, xMax), curve.time);
}

}  // namespace

TReconstructedSeries ReconstructedSeries(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                       const TSimulationResult& run) {
  TReconstructedSeries curve;
  curve.time.resize(NumPoints);
  for (int i = 1; i <= NumPoints; ++i) curve.time[std::size_t(i - 1)] = GridTime(i);
  curve.analog.assign(run.Analog.begin(), run.Analog.end());
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
