#pragma once
// The spectrum window: the frequency-domain view of the current setting beside
// the main window. It shows the sampled and the analog spectrum, the fs/2
// marker, where the components above fs/2 land, and for the sine the converter
// figures next to the rule; the main window hands it every new setting.

#include <QWidget>
#include <optional>
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
  // The same, with the chart's picture and the explanation left for the event
  // loop once the main window's pictures are on the screen: a burst of
  // changes paints them once, with the last setting. The spectra, the chart's
  // items and ranges are the new ones at once.
  void Follow(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain);
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
  void customEvent(QEvent* event) override;

 private:
  QString Translated(const std::string& key, const std::vector<std::string>& params = {}) const;
  // Computes and plots `settings` under the chart's paint lock.
  void Take(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain);
  // Releases the paint lock (one paint) and writes the explanation.
  void ShowTaken();

  glossator::TGlossator& fTranslator;
  TDesignTexts fDesignTexts;
  TSpectrumEngine fEngine;
  TSpectrumResult fResult;
  double fShownBandMHz = -1;  // the band the axis shows as its whole
  struct TTaken {
    TSimulationSettings settings;
    TQuantizationFigures timeDomain;
  };
  std::optional<TTaken> fTaken;  // plotted, not yet shown: its showing is posted
};

}  // namespace quantora
