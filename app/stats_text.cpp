#include "app/stats_text.h"

#include <memory>

#include "app/chain_options.h"
#include "app/quantization_text.h"
#include "app/reconstruction_text.h"
#include "app/spectrum_text.h"
#include "model/quantization_figures.h"
#include "model/simulation.h"
#include "spectrum/spectrum_engine.h"

namespace quantora {

std::string StatsText(const TSimulationSettings& settings, TReconstruction reconstruction) {
  // About 64 KiB of series: kept off the stack.
  auto series = std::make_unique<TSimulationResult>();
  ComputeSeries(settings, TimeAxisEnd, *series);
  TSpectrumEngine engine;
  TSpectrumResult spectrum;
  engine.Compute(settings, spectrum);
  std::string text = IsIdealChain(settings.chain) ? std::string() : ChainSettingsText(settings.chain);
  text += QuantizationStatsText(QuantizationFigures(settings.bits, *series, settings.chain.generator.amplitudeV));
  text += ConverterStatsText(settings.form, spectrum);
  text += ReconstructionStatsText(reconstruction, settings, *series);
  return text;
}

std::string StatsText(const TSimulationSettings& settings) { return StatsText(settings, TReconstruction::rcHold); }

}  // namespace quantora
