#pragma once
// The spectrum window: the frequency-domain view of the current setting beside
// the main window. It shows the sampled and the analog spectrum, the fs/2
// marker, where the components above fs/2 land, and for the sine the converter
// figures next to the rule; the main window hands it every new setting.

#include <QWidget>
#include <string>

#include "app/model/quantization_figures.h"
#include "app/simulation_settings.h"
#include "design_texts.h"
#include "spectrum/spectrum_engine.h"

namespace glossator {
class TGlossator;
}
namespace vqm {
class TRChart;
}

namespace quantora {

class TChartMenu;
class TMemo;

class TSpectrumWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr QSize kDesignSize{760, 640};

  // A window of its own, freed with `owner`; its texts go through `translator`.
  TSpectrumWindow(glossator::TGlossator& translator, QWidget* owner);

  // Recomputes and shows the spectra of `settings`. A new sampling rate shows
  // the whole new band and starts the zoom history again; otherwise the chart
  // keeps its zoom. `timeDomain` gives the rule and the time-domain SQNR.
  void ShowSetting(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain);
  const TSpectrumResult& Result() const { return fResult; }
  // The spectra shown, as the CSV table of --export-spectrum-csv.
  std::string SpectrumText() const;
  // Its marked texts as designed again, to be translated into another language.
  void RestoreDesignTexts() const { fDesignTexts.Restore(); }

  vqm::TRChart* RCSpectrum;
  TMemo* MMFigures;
  TChartMenu* ChartMenu;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString Translated(const std::string& key, const std::vector<std::string>& params = {}) const;

  glossator::TGlossator& fTranslator;
  TDesignTexts fDesignTexts;
  TSpectrumEngine fEngine;
  TSpectrumResult fResult;
  double fShownBandMHz = -1;  // the band the axis shows as its whole
};

}  // namespace quantora
