#include "app/spectrum_plotting.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/simulation_charts.h"
#include "chart/rchart.h"
#include "drawbase/colors.h"

namespace quantora {
namespace {

double OnAxis(double dbfs) { return std::max(dbfs, kSpectrumFloorDbfs); }

QString MHz(double value) { return QString::number(value, 'g', 3); }

bool SameFrequency(double a, double b) { return std::fabs(a - b) < 1e-6; }

void PlaceLabel(vqm::TTextLabel& label, double x, double y, const QString& caption, vqm::TColor color,
                vqm::TAlignment alignment = vqm::taCenter) {
  label.SetAttachToData(vqm::tlamBoth);
  label.SetLayer(1);
  label.SetPosX(x);
  label.SetPosY(y);
  label.SetMode(vqm::tlsimple);
  label.SetTransparent(false);  // readable over the lines
  label.SetColorBkg(vqm::clWhite);
  label.SetAlignment(alignment);
  label.SetVerticalAlignment(vqm::vaBottom);
  vqm::TFont font = label.Font();
  font.Color = color;
  label.SetFont(font);
  label.SetCaption(caption);
  label.SetVisible(true);
}

// The arrow from a component at its level to where it lands; the head's size
// is a fixed part of the band.
void AliasArrow(vqm::TCustomRChart& chart, const TAliasMark& mark, double bandMHz) {
  const double level = OnAxis(mark.levelDbfs);
  const double head = bandMHz / 80 * (mark.component.frequencyMHz > mark.aliasMHz ? 1 : -1);
  chart.SetPenStyle(vqm::psDash);
  chart.Line(mark.component.frequencyMHz, level, mark.aliasMHz, level);
  chart.SetPenStyle(vqm::psSolid);
  chart.Line(mark.aliasMHz, level, mark.aliasMHz + head, level + 3);
  chart.Line(mark.aliasMHz, level, mark.aliasMHz + head, level - 3);
}

}  // namespace

void ApplySpectrumChartSettings(vqm::TRChart& chart) {
  ApplySimulationChartSettings(chart, TSimulationChart::Analog);
  chart.BeginLoad();
  chart.SetAllocSize(4096);
  chart.SetCaption(QStringLiteral("XL_Spectrum"));
  chart.SetGridDx(0);  // on the axis ticks
  chart.SetGridDy(0);
  chart.Scale1X()->SetCaption(QStringLiteral("XL_Frequency [MHz]"));
  chart.Scale1X()->SetRangeLow(0);
  chart.Scale1X()->SetRangeHigh(100);
  chart.Scale1Y()->SetCaption(QStringLiteral("XL_Level [dBFS]"));
  chart.Scale1Y()->SetRangeLow(kSpectrumFloorDbfs);
  chart.Scale1Y()->SetRangeHigh(kSpectrumTopDbfs);
  vqm::TCrossHair& nyquist = *chart.CrossHair1();
  nyquist.SetColor(vqm::clRed);
  nyquist.SetLineType(vqm::psDash);
  chart.EndLoad();
}

void PlotSpectrum(const TSpectrumResult& s, vqm::TCustomRChart& chart, TSpectrumRange range) {
  // Every setter of a label, a crosshair or a range repaints the chart on its
  // own: all of them first, then one paint.
  const bool autoRedraw = chart.AutoRedraw();
  chart.SetAutoRedraw(false);
  if (range == TSpectrumRange::srWholeBand)
    chart.SetLayerRange(1, 0, kSpectrumFloorDbfs, s.bandMHz, kSpectrumTopDbfs, false);
  chart.ClearItems();
  chart.SetPenStyle(vqm::psSolid);
  chart.SetDataColor(vqm::clGreen);
  const std::size_t analogBins = std::min(s.analog.dbfs.size(), std::size_t(s.bandMHz / s.analogBinMHz) + 1);
  for (std::size_t k = 0; k < analogBins; ++k) {
    const double x = double(k) * s.analogBinMHz, y = OnAxis(s.analog.dbfs[k]);
    k == 0 ? chart.MoveTo(x, y) : chart.DrawTo(x, y);
  }
  chart.SetDataColor(vqm::clBlue);
  for (std::size_t k = 0; k < s.sampled.dbfs.size(); ++k)
    if (s.sampled.dbfs[k] > kSpectrumFloorDbfs)
      chart.Line(double(k) * s.sampledBinMHz, kSpectrumFloorDbfs, double(k) * s.sampledBinMHz, s.sampled.dbfs[k]);

  vqm::TCrossHair& nyquist = *chart.CrossHair1();
  nyquist.SetPosX(s.nyquistMHz);
  nyquist.SetMode(vqm::chVert);
  // Beside the marker, not across it.
  PlaceLabel(*chart.TextLabel(1), s.nyquistMHz, kSpectrumFloorDbfs + 4,
             QStringLiteral("  fs/2 = %1 MHz").arg(MHz(s.nyquistMHz)), vqm::clRed, vqm::taLeftJustify);

  chart.SetDataColor(vqm::clMaroon);
  for (const TAliasMark& mark : s.aliases) AliasArrow(chart, mark, s.bandMHz);
  // Components landing on the same frequency share one label, above the strongest.
  int label = 2;
  for (std::size_t first = 0; first < s.aliases.size() && label <= vqm::TCustomRChart::kTextLabelCount; ++first) {
    const double at = s.aliases[first].aliasMHz;
    bool labelled = false;
    for (std::size_t i = 0; i < first; ++i) labelled = labelled || SameFrequency(s.aliases[i].aliasMHz, at);
    if (labelled) continue;
    QStringList from;
    double level = kFloorDbfs;
    for (const TAliasMark& mark : s.aliases)
      if (SameFrequency(mark.aliasMHz, at)) {
        from << MHz(mark.component.frequencyMHz);
        level = std::max(level, mark.levelDbfs);
      }
    // Near the axis's start the text begins at the mark instead of around it.
    PlaceLabel(*chart.TextLabel(label++), at, OnAxis(level) + 4,
               QStringLiteral("%1 \u2192 %2 MHz").arg(from.join(QStringLiteral(", ")), MHz(at)), vqm::clMaroon,
               at < s.bandMHz / 10 ? vqm::taLeftJustify : vqm::taCenter);
  }
  for (; label <= vqm::TCustomRChart::kTextLabelCount; ++label) chart.TextLabel(label)->SetVisible(false);
  chart.SetAutoRedraw(autoRedraw);
  // New ranges need the axes drawn again; otherwise the data area will do.
  if (!autoRedraw) return;
  range == TSpectrumRange::srWholeBand ? chart.Paint() : chart.ShowItems();
}

}  // namespace quantora
