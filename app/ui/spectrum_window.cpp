#include "spectrum_window.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/spectrum_plotting.h"
#include "app/spectrum_text.h"
#include "chart/rchart.h"
#include "chart_menu.h"
#include "design.h"
#include "running_text.h"
#include "text_controls.h"
#include "translate/glossator.h"

namespace quantora {

namespace {
constexpr int kFiguresHeight = 190;  // the explanation below the chart

QEvent::Type ShowTakenEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}
}  // namespace

TSpectrumWindow::TSpectrumWindow(glossator::TGlossator& translator, QWidget* owner)
    : QWidget(owner, Qt::Window), fTranslator(translator) {
  setObjectName(QStringLiteral("FrmSpectrum"));
  setWindowTitle(QStringLiteral("XL_Spectrum of the Sampled Signal"));
  setFont(DesignFont("MS Sans Serif", 13));
  SetColors(this, vqm::clBtnFace);
  resize(kDesignSize);

  RCSpectrum = new vqm::TRChart(this);
  RCSpectrum->setObjectName(QStringLiteral("RCSpectrum"));
  ApplySpectrumChartSettings(*RCSpectrum);
  RCSpectrum->setFocusPolicy(Qt::StrongFocus);

  MMFigures = new TMemo(this);
  MMFigures->setObjectName(QStringLiteral("MMFigures"));
  SetColors(MMFigures, vqm::clCream);
  MMFigures->setReadOnly(true);
  MMFigures->setTabChangesFocus(true);
  // For screen readers; the chart is named by its caption and says its ranges.
  RCSpectrum->setAccessibleDescription(
      QStringLiteral("XL_Blue: the sampled signal up to fs/2; green: the analog signal; red line: fs/2."));
  MMFigures->setAccessibleName(QStringLiteral("XL_Figures of the spectrum"));

  fEngine.PrepareAnalogSpectra();  // a change of waveform then costs no more than any other
  fDesignTexts.Remember(this, fTranslator.Prefix());
  fTranslator.TranslateComponent(this);
  ChartMenu = new TChartMenu(
      RCSpectrum, nullptr, [this](const char* key) { return Translated(key); }, [this] { return SpectrumText(); },
      this);
}

QString TSpectrumWindow::Translated(const std::string& key, const std::vector<std::string>& params) const {
  return QString::fromStdString(fTranslator.Translate(key, params));
}

void TSpectrumWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int chartHeight = std::max(0, height() - kFiguresHeight);
  RCSpectrum->SetBounds(0, 0, width(), chartHeight);
  MMFigures->setGeometry(0, chartHeight, width(), height() - chartHeight);
}

void TSpectrumWindow::ShowSetting(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain) {
  Take(settings, timeDomain);
  ShowTaken();
}

void TSpectrumWindow::Follow(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain) {
  const bool showPending = fTaken.has_value();
  Take(settings, timeDomain);
  // Behind the main window's update request, which its charts posted before.
  if (!showPending) QCoreApplication::postEvent(this, new QEvent(ShowTakenEvent()), Qt::LowEventPriority);
}

void TSpectrumWindow::customEvent(QEvent* event) {
  if (event->type() == ShowTakenEvent()) ShowTaken();
}

void TSpectrumWindow::Take(const TSimulationSettings& settings, const TQuantizationFigures& timeDomain) {
  fEngine.Compute(settings.form, settings.interval, settings.bits, fResult);
  const bool newBand = fResult.bandMHz != fShownBandMHz;
  RCSpectrum->SetPaintLock(true);
  PlotSpectrum(fResult, *RCSpectrum, newBand ? TSpectrumRange::srWholeBand : TSpectrumRange::srKeep);
  if (newBand) {
    ChartMenu->RememberEverything(RCSpectrum);
    fShownBandMHz = fResult.bandMHz;
  }
  fTaken = TTaken{settings, timeDomain};
}

void TSpectrumWindow::ShowTaken() {
  if (!fTaken) return;  // shown already
  RCSpectrum->SetPaintLock(false);
  QStringList lines;
  for (const TTooltipLine& line :
       SpectrumReportLines(fTaken->settings.form, fTaken->settings.interval, fResult, fTaken->timeDomain))
    lines << TranslatedLine(fTranslator, line);
  MMFigures->SetLines(lines);
  fTaken.reset();
}

std::string TSpectrumWindow::SpectrumText() const { return SpectrumCsv(fResult); }

}  // namespace quantora
