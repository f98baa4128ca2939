#include "app/reconstruction_text.h"

#include <limits>

#include "app/simulation_settings.h"
#include "reconstruction/error_figure.h"
#include "reconstruction/reconstructed_series.h"

namespace quantora {

std::string ReconstructionStatsText(TReconstruction kind, const TSimulationSettings& settings,
                                    const TSimulationResult& series) {
  if (kind == TReconstruction::rcHold) return {};
  const TReconstructedSeries curve = ReconstructedSeries(kind, settings, TimeAxisEnd, series);
  const std::optional<double> rms = ReconstructionErrorRms(curve.analog, curve.output, curve.time, kRecordNs);
  return "reconstruction " + std::string(ReconstructionName(kind)) + "\nreconstruction_error_rms_V " +
         ExactNumberText(rms.value_or(std::numeric_limits<double>::quiet_NaN())) + "\n";
}

std::vector<TTooltipLine> ReconstructionLines(TReconstruction kind) {
  switch (kind) {
    case TReconstruction::rcLinear:
      return {{"Sampled chart: the samples joined by straight lines (green) over the analog signal (grey); the "
               "blue error is the analog signal minus the lines.", {}}};
    case TReconstruction::rcBandLimited:
      return {{"Sampled chart: band-limited reconstruction, a sinc pulse per sample summed (green), over the "
               "analog signal (grey); below fs/2 it returns the signal, above it the alias. The blue error is the "
               "analog signal minus it.", {}}};
    case TReconstruction::rcFilter:
      return {{"Sampled chart: the staircase through a 4th-order Butterworth low-pass with its corner at fs/2 "
               "(green), delayed as a real filter is, over the analog signal (grey); the blue error is the analog "
               "signal minus it.", {}}};
    case TReconstruction::rcHold: break;
  }
  return {};
}

}  // namespace quantora
