#pragma once
// The spectrum window's page on static linearity: the converter's DNL and INL
// against code, measured by the code-density test and as set, with a summary.
// The test costs (4 M samples at 16 bits), so it runs only while the page is
// shown, and again only when the converter changes: a new interval or
// waveform leaves the measurement as it is.

#include <QWidget>
#include <optional>
#include <tuple>
#include <vector>

#include "app/simulation_settings.h"
#include "linearity/linearity_table.h"

namespace glossator {
class TGlossator;
}
namespace vqm {
class TRChart;
}

namespace quantora {

class TMemo;

class TLinearityPage : public QWidget {
  Q_OBJECT
 public:
  TLinearityPage(glossator::TGlossator& translator, QWidget* parent);

  // Takes the setting; measures it now if the page is shown, else when it is.
  void Follow(const TSimulationSettings& settings);
  // Writes the summary again (after a change of language).
  void ShowSummary();
  const std::vector<TLinearityRow>& Rows() const { return fRows; }

  vqm::TRChart* RCDnl;
  vqm::TRChart* RCInl;
  TMemo* MMLinearity;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  // What the measurement depends on: the converter, not the signal.
  using TConverterKey = std::tuple<int, TImperfections, TDitherSettings, std::uint32_t>;
  static TConverterKey KeyOf(const TSimulationSettings& s);
  bool Stale() const { return fWanted && (!fMeasured || KeyOf(*fMeasured) != KeyOf(*fWanted)); }
  void MeasureIfStale();
  void Plot();

  glossator::TGlossator& fTranslator;
  std::optional<TSimulationSettings> fWanted;    // the setting to show
  std::optional<TSimulationSettings> fMeasured;  // the setting fRows were measured on
  std::vector<TLinearityRow> fRows;
  bool fPosted = false;  // a measurement waits in the event loop
};

}  // namespace quantora
