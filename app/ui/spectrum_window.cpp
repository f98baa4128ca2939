#include "spectrum_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShowEvent>
#include <cmath>

#include "app/spectrum_band.h"
#include "app/spectrum_plotting.h"
#include "app/spectrum_text.h"
#include "chart/rchart.h"
#include "chart_menu.h"
#include "design.h"
#include "focus_mark.h"
#include "linearity_page.h"
#include "running_text.h"
#include "text_controls.h"
#include "translate/glossator.h"
#include "window_place.h"

namespace quantora {

namespace {
constexpr int kFiguresHeight = 190;  // the explanation below the chart

QEvent::Type ShowTakenEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}
}  // namespace

TSpectrumWindow::TSpectrumWindow(glossator::TGlossator& translator, QObject& translatorOwner, QWidget* owner)
    : QWidget(owner, Qt::Window), fTranslator(translator) {
  // No window outlives what it reads its texts from.
  connect(&translatorOwner, &QObject::destroyed, this, [this] { delete this; });
  setObjectName(QStringLiteral("FrmSpectrum"));
  setWindowTitle(QStringLiteral("XL_Spectrum of the Sampled Signal"));
  setFont(DesignFont("MS Sans Serif", 13));
  SetColors(this, vqm::clBtnFace);
  resize(kDesignSize);

  PCPages = new QTabWidget(this);
  PCPages->setObjectName(QStringLiteral("PCPages"));
  TSSpectrum = new QWidget;
  TSSpectrum->setObjectName(QStringLiteral("TSSpectrum"));
  TSSpectrum->setWindowTitle(QStringLiteral("XL_Spectrum"));
  TSSpectrum->installEventFilter(this);  // lays out the chart and the figures
  RCSpectrum = new vqm::TRChart(TSSpectrum);
  RCSpectrum->setObjectName(QStringLiteral("RCSpectrum"));
  ApplySpectrumChartSettings(*RCSpectrum);
  RCSpectrum->setFocusPolicy(Qt::StrongFocus);
  ShowFocusMark(RCSpectrum);  // the chart's own frame is left out of the window's painting
  // Labels stand in the chart's pixels: a new range or size lays them out again.
  RCSpectrum->OnRangeChange = [this](QObject*) {
    if (!fPlotting) Plot();
  };

  MMFigures = new TMemo(TSSpectrum);
  MMFigures->setObjectName(QStringLiteral("MMFigures"));
  SetColors(MMFigures, vqm::clCream);
  MMFigures->setReadOnly(true);
  MMFigures->setTabChangesFocus(true);
  // Most settings' explanation runs longer than the memo: a bar that came and
  // went with the text would lay the whole text out twice on such a change.
  MMFigures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ShowFocusMark(MMFigures);
  // For screen readers; the chart is named by its caption and says its ranges.
  RCSpectrum->setAccessibleDescription(
      QStringLiteral("XL_Blue: the sampled signal up to fs/2; green: the analog signal; red line: fs/2; purple: the "
                     "staircase's images above fs/2 under sin(x)/x, dashed; teal, dotted: the reconstruction filter."));
  MMFigures->setAccessibleName(QStringLiteral("XL_Figures of the spectrum"));

  Linearity = new TLinearityPage(fTranslator, nullptr);
  AddPage(TSSpectrum);
  AddPage(Linearity);

  fEngine.PrepareAnalogSpectra();  // a change of waveform then costs no more than any other
  fDesignTexts.Remember(this, fTranslator.Prefix());
  fTranslator.TranslateComponent(this);
  ChartMenu = new TChartMenu(
      RCSpectrum, nullptr, [this](const char* key) { return Translated(key); }, [this] { return SpectrumText(); },
      this);
}

// The legend in the language of the moment.
void TSpectrumWindow::Plot() {
  PlotSpectrum(fResult, *RCSpectrum,
               {Translated("images k fs +- f"), Translated("- - sin(x)/x of the hold"), Translated("... filter")});
}

QString TSpectrumWindow::Translated(const std::string& key, const std::vector<std::string>& params) const {
  return QString::fromStdString(fTranslator.Translate(key, params));
}

void TSpectrumWindow::AddPage(QWidget* page) {
  const int index = PCPages->addTab(page, page->windowTitle());
  connect(page, &QWidget::windowTitleChanged, PCPages,
          [this, index](const QString& title) { PCPages->setTabText(index, title); });
}

TSpectrumWindow::~TSpectrumWindow() {
  if (isVisible() && parentWidget()) RememberWindowPlace(*this, objectName());
}

void TSpectrumWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PCPages->setGeometry(rect());
}

bool TSpectrumWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TSSpectrum && event->type() == QEvent::Resize) {
    const int width = TSSpectrum->width(), height = TSSpectrum->height();
    const int chartHeight = std::max(0, height - kFiguresHeight);
    RCSpectrum->SetBounds(0, 0, width, chartHeight);
    MMFigures->setGeometry(0, chartHeight, width, height - chartHeight);
    if (fShownBandMHz > 0) Plot();  // the labels for the new size
  }
  return QWidget::eventFilter(watched, event);
}

void TSpectrumWindow::showEvent(QShowEvent* event) {
  if (!fPlaced && !event->spontaneous() && parentWidget()) PlaceWindow(*this, *parentWidget(), objectName());
  fPlaced = true;
  QWidget::showEvent(event);
}

void TSpectrumWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous() && parentWidget()) RememberWindowPlace(*this, objectName());
  QWidget::hideEvent(event);
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
  fEngine.Compute(settings, fResult);
  RCSpectrum->SetPaintLock(true);
  fPlotting = true;
  if (fResult.bandMHz != fShownBandMHz || settings.form != fShownForm) ChooseRanges(settings.form);
  fPlotting = false;
  Plot();
  Linearity->Follow(settings);
  fTaken = TTaken{settings, timeDomain};
}

void TSpectrumWindow::ChooseRanges(TSignalForm form) {
  const vqm::TScaleProps& x = *RCSpectrum->ScaleX(1);
  // Zoomed: the range is not the one the last band started on.
  const bool zoomed = fStartBandMHz > 0 && (x.RangeLow() != 0 || std::fabs(x.RangeHigh() / fStartBandMHz - 1) > 1e-9);
  fShownBandMHz = fResult.bandMHz;
  fShownForm = form;
  if (zoomed && ZoomFitsBand(x.RangeLow(), x.RangeHigh(), fResult.bandMHz)) return;
  RCSpectrum->SetLayerRange(1, 0, kSpectrumFloorDbfs, fResult.bandMHz, kSpectrumTopDbfs, false);
  ChartMenu->RememberEverything(RCSpectrum);
  fStartBandMHz = StartBandMHz(form, fResult);
  RCSpectrum->SetLayerRange(1, 0, kSpectrumFloorDbfs, fStartBandMHz, kSpectrumTopDbfs, true);
}

void TSpectrumWindow::ShowTaken() {
  if (!fTaken) return;  // shown already
  RCSpectrum->SetPaintLock(false);
  QStringList lines;
  for (const TTooltipLine& line : SpectrumReportLines(fTaken->settings, fResult, fTaken->timeDomain))
    lines << TranslatedLine(fTranslator, line);
  MMFigures->SetLines(lines);
  Linearity->ShowSummary();  // in the language of the moment
  fTaken.reset();
}

std::string TSpectrumWindow::SpectrumText() const { return SpectrumCsv(fResult); }

}  // namespace quantora
