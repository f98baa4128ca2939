#pragma once
// The sampled chart's reconstruction in words: the --stats lines and the
// explanation's line. The staircase says nothing, so that every text stays as
// it always was.

#include <string>
#include <vector>

#include "app/quantization_text.h"  // TTooltipLine
#include "model/simulation.h"
#include "reconstruction/reconstruction_kind.h"

namespace quantora {

// "reconstruction NAME" and "reconstruction_error_rms_V VALUE": the RMS of the
// analog signal minus the reconstruction on the design's grid over the middle
// half of the record (250 .. 750 ns), where the record's ends lack no samples.
// `series` is the run of `settings` over the design's grid.
std::string ReconstructionStatsText(TReconstruction kind, const TSimulationSettings& settings,
                                    const TSimulationResult& series);

// One line naming the reconstruction the sampled chart shows, its colour and
// what the error curve then is.
std::vector<TTooltipLine> ReconstructionLines(TReconstruction kind);

}  // namespace quantora
