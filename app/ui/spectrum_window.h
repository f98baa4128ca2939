#pragma once
// The spectrum window: the frequency-domain view of the current setting beside
// the main window. It shows the sampled and the analog spectrum, the fs/2
// marker, where the components above fs/2 land, and for the sine the converter
// figures next to the rule; the main window hands it every new setting. A
// second page shows the converter's static linearity (linearity_page.h).

#include <QTabWidget>
#include <QWidget>
#include <optional>
#include <string>

#include "model/quantization_figures.h"
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
class TLinearityPage;
class TMemo;

class TSpectrumWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr QSize kDesignSize{760, 640};

  // A window of its own beside `owner`, freed with it; its texts go through
  // `translator`, which `translatorOwner` keeps: the window is closed and freed
  // as soon as that goes (a host's quit frees the host link's translator), so
  // it never reads a translator that is gone. With an owner, the first showing
  // puts it where the user left it last, else beside `owner`.
  TSpectrumWindow(glossator::TGlossator& translator, QObject& translatorOwner, QWidget* owner);
  ~TSpectrumWindow() override;

  // Recomputes and shows the spectra of `settings`. A new sampling rate or
  // waveform keeps the user's frequency zoom while it lies within the new band;
  // otherwise the chart shows the band a setting starts on (StartBandMHz), and
  // its history starts again from the whole band ("Show everything", one step
  // back).
  // `timeDomain` gives the rule and the time-domain SQNR.
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

  QTabWidget* PCPages;        // the spectrum page, then the linearity page
  QWidget* TSSpectrum;        // the spectrum page: RCSpectrum over MMFigures
  vqm::TRChart* RCSpectrum;
  TMemo* MMFigures;
  TChartMenu* ChartMenu;
  TLinearityPage* Linearity;  // measured only while shown

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void customEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString Translated(const std::string& key, const std::vector<std::string>& params = {}) const;
  // Rebuilds the chart's display list from fResult.
  void Plot();
  // Computes and plots `settings` under the chart's paint lock.
  void Take(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain);
  // Releases the paint lock (one paint) and writes the explanation.
  void ShowTaken();
  // The frequency range for a new setting's band: the user's zoom while it
  // fits, else the start band with the whole band as "everything".
  void ChooseRanges(TSignalForm form);
  // A page and its tab, whose text follows the page's (translated) title.
  void AddPage(QWidget* page);

  glossator::TGlossator& fTranslator;
  TDesignTexts fDesignTexts;
  TSpectrumEngine fEngine;
  TSpectrumResult fResult;
  double fShownBandMHz = -1;  // the whole band of the setting shown
  TSignalForm fShownForm{};   // and its waveform
  double fStartBandMHz = -1;  // the range the chart started that band on
  bool fPlotting = false;     // a range set while plotting needs no second plot
  bool fPlaced = false;       // put in its place at the first showing
  struct TTaken {
    TSimulationSettings settings;
    TQuantizationFigures timeDomain;
  };
  std::optional<TTaken> fTaken;  // plotted, not yet shown: its showing is posted
};

}  // namespace quantora
