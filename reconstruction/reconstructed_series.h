#pragma once
// A reconstruction beside the analog signal at the times of a model run: what
// the sampled chart draws, the CSV's column and the error figure are made of.

#include <cstddef>
#include <vector>

#include "model/simulation.h"
#include "reconstruction/reconstruction_kind.h"

namespace quantora {

struct TReconstructedSeries {
  std::vector<double> time, analog, output;  // one entry per time, in ns and V
  double Error(std::size_t i) const { return analog[i] - output[i]; }
};

// Over the design's grid: its times t_1 .. t_NumPoints. The record is the
// converter's output at every instant up to xMax, as the staircase holds it.
// Over a window's grid alone (the CSV's rows): ReconstructedOnGrid.
TReconstructedSeries ReconstructedSeries(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                       const TSimulationResult& run);
// Over a zoomed window: every distinct time of its exact points, so that the
// window's left end and each sampling instant inside it are on the curve
// (where straight lines bend).
TReconstructedSeries ReconstructedSeries(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                       const TWindowResult& run);
// The reconstruction at the window's grid points, run.Time, one per point.
std::vector<double> ReconstructedOnGrid(TReconstruction kind, const TSimulationSettings& settings, double xMax,
                                        const TWindowResult& run);

}  // namespace quantora
