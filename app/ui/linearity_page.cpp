#include "linearity_page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

#include "app/linearity_plotting.h"
#include "app/linearity_text.h"
#include "chart/rchart.h"
#include "design.h"
#include "focus_mark.h"
#include "running_text.h"
#include "text_controls.h"

namespace quantora {
namespace {

constexpr int kSummaryHeight = 96;

QEvent::Type MeasureEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

vqm::TRChart* NewChart(QWidget* parent, const char* name, TLinearityCurve curve) {
  auto* chart = new vqm::TRChart(parent);
  chart->setObjectName(QLatin1String(name));
  ApplyLinearityChartSettings(*chart, curve);
  chart->setFocusPolicy(Qt::StrongFocus);
  ShowFocusMark(chart);
  chart->setAccessibleDescription(QStringLiteral("XL_Blue: measured by the code-density test; green: as set."));
  return chart;
}

}  // namespace

TLinearityPage::TLinearityPage(glossator::TGlossator& translator, QWidget* parent)
    : QWidget(parent), fTranslator(translator) {
  setObjectName(QStringLiteral("TSLinearity"));
  setWindowTitle(QStringLiteral("XL_Static linearity"));  // the page's tab
  RCDnl = NewChart(this, "RCDnl", TLinearityCurve::lcDnl);
  RCInl = NewChart(this, "RCInl", TLinearityCurve::lcInl);
  MMLinearity = new TMemo(this);
  MMLinearity->setObjectName(QStringLiteral("MMLinearity"));
  SetColors(MMLinearity, vqm::clCream);
  MMLinearity->setReadOnly(true);
  MMLinearity->setTabChangesFocus(true);
  ShowFocusMark(MMLinearity);
  MMLinearity->setAccessibleName(QStringLiteral("XL_Figures of the linearity"));
}

TLinearityPage::TConverterKey TLinearityPage::KeyOf(const TSimulationSettings& s) {
  return {s.bits, s.chain.imperfections, s.chain.dither, s.chain.seed};
}

void TLinearityPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int chartHeight = std::max(0, (height() - kSummaryHeight) / 2);
  RCDnl->SetBounds(0, 0, width(), chartHeight);
  RCInl->SetBounds(0, chartHeight, width(), chartHeight);
  MMLinearity->setGeometry(0, 2 * chartHeight, width(), height() - 2 * chartHeight);
}

void TLinearityPage::Follow(const TSimulationSettings& settings) {
  fWanted = settings;
  // Behind the window's own showing, once for a burst of changes.
  if (isVisible() && !fPosted && Stale()) {
    fPosted = true;
    QCoreApplication::postEvent(this, new QEvent(MeasureEvent()), Qt::LowEventPriority);
  }
}

void TLinearityPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  MeasureIfStale();
}

void TLinearityPage::customEvent(QEvent* event) {
  if (event->type() != MeasureEvent()) return;
  fPosted = false;
  if (isVisible()) MeasureIfStale();
}

void TLinearityPage::MeasureIfStale() {
  if (!Stale()) return;
  fRows = MeasureLinearity(*fWanted);
  fMeasured = fWanted;
  Plot();
  ShowSummary();
}

void TLinearityPage::Plot() {
  PlotLinearity(fRows, TLinearityCurve::lcDnl, *RCDnl);
  PlotLinearity(fRows, TLinearityCurve::lcInl, *RCInl);
}

void TLinearityPage::ShowSummary() {
  if (!fMeasured) return;
  QStringList lines;
  for (const TTooltipLine& line : LinearityReportLines(*fMeasured, SummarizeLinearity(fRows)))
    lines << TranslatedLine(fTranslator, line);
  MMLinearity->SetLines(lines);
}

}  // namespace quantora
