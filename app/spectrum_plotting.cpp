#include "app/spectrum_plotting.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/label_layout.h"
#include "app/simulation_charts.h"
#include "chart/rchart.h"
#include "drawbase/colors.h"
#include "drawbase/image_canvas.h"

namespace quantora {
namespace {

double OnAxis(double dbfs) { return std::max(dbfs, kSpectrumFloorDbfs); }

QString MHz(double value) { return QString::number(value, 'g', 3); }

bool SameFrequency(double a, double b) { return std::fabs(a - b) < 1e-6; }

// A label to place: its caption, colour, and where it wants to stand (its
// box's left edge or centre at `x`, its foot at `level`).
struct TWantedLabel {
  vqm::TTextLabel* label;
  QString caption;
  vqm::TColor color;
  double x, level;
  bool centred;
};

void Dress(vqm::TTextLabel& label, const QString& caption, vqm::TColor color) {
  label.SetAttachToData(vqm::tlamBoth);
  label.SetLayer(1);
  label.SetMode(vqm::tlsimple);
  label.SetTransparent(false);  // readable over the lines
  label.SetColorBkg(vqm::clWhite);
  label.SetAlignment(vqm::taLeftJustify);
  label.SetVerticalAlignment(vqm::vaBottom);
  vqm::TFont font = label.Font();
  font.Color = color;
  label.SetFont(font);
  label.SetCaption(caption);
  label.SetVisible(true);
}

// The colours of the staircase's images with their envelope, and of the filter.
constexpr vqm::TColor kImageColor = vqm::clPurple, kFilterColor = vqm::clTeal;

// A label's box around `caption` in `font`: 4 pixels beside and 2 below and
// above its text. Shaping a caption costs more than the rest of an update's
// labels: the sizes of the captions met (the legend's, fs/2 and the aliases at
// each rate) are kept, a few hundred at most.
TLabelBox LabelSize(vqm::TBitmap& scratch, const vqm::TFont& font, const QString& caption) {
  using TKey = std::tuple<std::string, int, vqm::TFontStyles, QString>;
  static std::map<TKey, TLabelBox> sizes;
  const TKey key{font.Name, font.Height, font.Style, caption};
  if (const auto known = sizes.find(key); known != sizes.end()) return known->second;
  if (sizes.size() >= 512) sizes.clear();
  scratch.Canvas().Font = font;
  const TLabelBox size{0, 0, scratch.Canvas().TextWidth(caption) + 8.0, scratch.Canvas().TextHeight(caption) + 4.0};
  return sizes[key] = size;
}

// The labels in the data area as it is now: none over another, none past its
// sides; a crowded one moves up a row (see LayOutLabels). A label draws its
// box 4 pixels beside and 2 below and above its text.
void PlaceLabels(vqm::TCustomRChart& chart, const std::vector<TWantedLabel>& wanted, vqm::TBitmap& scratch) {
  int left = 0, right = 0, top = 0, bottom = 0;
  chart.WorldToPixel(1, chart.ScaleX(1)->RangeLow(), chart.ScaleY(1)->RangeHigh(), left, top);
  chart.WorldToPixel(1, chart.ScaleX(1)->RangeHigh(), chart.ScaleY(1)->RangeLow(), right, bottom);
  std::vector<TLabelBox> boxes;
  for (const TWantedLabel& w : wanted) {
    Dress(*w.label, w.caption, w.color);
    const TLabelBox size = LabelSize(scratch, w.label->Font(), w.caption);
    const double width = size.width, height = size.height;
    int x = 0, y = 0;
    chart.WorldToPixel(1, w.x, w.level, x, y);
    const double wantedLeft = w.centred ? x - width / 2 : x + 2;  // beside the line it names
    const double inside = std::max(double(left), std::min(wantedLeft, right - width));
    boxes.push_back({inside, y + 2 - height, width, height});
  }
  const std::vector<TLabelBox> placed = LayOutLabels(boxes, top);
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    double x = 0, y = 0;
    chart.PixelToWorld(1, int(std::lround(placed[i].left)) + 4, int(std::lround(placed[i].Bottom())) - 2, x, y);
    wanted[i].label->SetPosX(x);
    wanted[i].label->SetPosY(y);
  }
}

// The arrow from a component at its level to where it lands; the head's size
// is a fixed part of the band shown.
void AliasArrow(vqm::TCustomRChart& chart, const TAliasMark& mark, double bandMHz) {
  const double level = OnAxis(mark.levelDbfs);
  const double head = bandMHz / 80 * (mark.component.frequencyMHz > mark.aliasMHz ? 1 : -1);
  chart.SetPenStyle(vqm::psDash);
  chart.Line(mark.component.frequencyMHz, level, mark.aliasMHz, level);
  chart.SetPenStyle(vqm::psSolid);
  chart.Line(mark.aliasMHz, level, mark.aliasMHz + head, level + 3);
  chart.Line(mark.aliasMHz, level, mark.aliasMHz + head, level - 3);
}

// The legend's labels in a row from the data area's top right corner, each
// named in its colour; they enter the layout with the others, which keeps any
// label from covering them.
void AddLegend(vqm::TCustomRChart& chart, const TSpectrumLegend& legend, std::vector<TWantedLabel>& labels,
               vqm::TBitmap& scratch) {
  if (legend.images.isEmpty()) return;
  int right = 0, top = 0;
  chart.WorldToPixel(1, chart.ScaleX(1)->RangeHigh(), chart.ScaleY(1)->RangeHigh(), right, top);
  const std::pair<QString, vqm::TColor> entries[] = {
      {legend.filter, kFilterColor}, {legend.envelope, kImageColor}, {legend.images, kImageColor}};
  double left = right;
  for (const auto& [caption, color] : entries) {
    vqm::TTextLabel* label = chart.TextLabel(int(labels.size()) + 1);
    const TLabelBox size = LabelSize(scratch, label->Font(), caption);
    left -= size.width + 1;
    // PlaceLabels puts a box's left edge 2 pixels right of x and its foot 2
    // below the level.
    double x = 0, level = 0;
    chart.PixelToWorld(1, int(std::lround(left)) - 2, top + 1 + int(std::lround(size.height)) - 2, x, level);
    labels.push_back({label, caption, color, x, level, false});
  }
}

// A curve of (frequency, level) points, levels below the floor on it.
void Curve(vqm::TCustomRChart& chart, const std::vector<TLevelPoint>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double x = points[i].frequencyMHz, y = OnAxis(points[i].levelDbfs);
    i == 0 ? chart.MoveTo(x, y) : chart.DrawTo(x, y);
  }
}

// The held staircase above fs/2: its images as one line through the bins, as
// the analog spectrum is drawn (a line per bin would cost four times the
// sampled spectrum's), the hold's envelope over them and the filter's gain.
void PlotHeldImages(vqm::TCustomRChart& chart, const THeldImages& held) {
  chart.SetDataColor(kImageColor);
  Curve(chart, held.images);
  chart.SetPenStyle(vqm::psDash);
  Curve(chart, held.envelope);
  chart.SetDataColor(kFilterColor);
  chart.SetPenStyle(vqm::psDot);
  Curve(chart, held.filter);
  chart.SetPenStyle(vqm::psSolid);
}

}  // namespace

// Components landing on the same frequency share one label, at the strongest.
std::vector<TAliasLabel> AliasLabels(const TSpectrumResult& s) {
  std::vector<TAliasLabel> labels;
  for (const TAliasMark& mark : s.aliases) {
    auto same = std::find_if(labels.begin(), labels.end(),
                             [&mark](const TAliasLabel& l) { return SameFrequency(l.aliasMHz, mark.aliasMHz); });
    if (same == labels.end()) same = labels.insert(labels.end(), TAliasLabel{{}, mark.aliasMHz, mark.levelDbfs, {}});
    same->fromMHz.push_back(mark.component.frequencyMHz);
    same->levelDbfs = std::max(same->levelDbfs, mark.levelDbfs);
  }
  for (TAliasLabel& l : labels) {
    QStringList from;
    for (double f : l.fromMHz) from << MHz(f);
    l.caption = QStringLiteral("%1 \u2192 %2 MHz").arg(from.join(QStringLiteral(", ")), MHz(l.aliasMHz));
  }
  return labels;
}

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

void PlotSpectrum(const TSpectrumResult& s, vqm::TCustomRChart& chart, const TSpectrumLegend& legend) {
  // Every setter of a label, a crosshair or a range repaints the chart on its
  // own: all of them first, then one paint.
  const bool autoRedraw = chart.AutoRedraw();
  chart.SetAutoRedraw(false);
  chart.ClearItems();
  chart.SetPenStyle(vqm::psSolid);
  chart.SetDataColor(vqm::clGreen);
  const std::size_t analogBins = std::min(s.analog.dbfs.size(), std::size_t(s.bandMHz / s.analogBinMHz) + 1);
  for (std::size_t k = 0; k < analogBins; ++k) {
    const double x = double(k) * s.analogBinMHz, y = OnAxis(s.analog.dbfs[k]);
    k == 0 ? chart.MoveTo(x, y) : chart.DrawTo(x, y);
  }
  PlotHeldImages(chart, s.held);
  chart.SetDataColor(vqm::clBlue);
  for (std::size_t k = 0; k < s.sampled.dbfs.size(); ++k)
    if (s.sampled.dbfs[k] > kSpectrumFloorDbfs)
      chart.Line(double(k) * s.sampledBinMHz, kSpectrumFloorDbfs, double(k) * s.sampledBinMHz, s.sampled.dbfs[k]);

  vqm::TCrossHair& nyquist = *chart.CrossHair1();
  nyquist.SetPosX(s.nyquistMHz);
  nyquist.SetMode(vqm::chVert);
  chart.SetDataColor(vqm::clMaroon);
  const double shownWidth = chart.ScaleX(1)->RangeHigh() - chart.ScaleX(1)->RangeLow();
  for (const TAliasMark& mark : s.aliases) AliasArrow(chart, mark, shownWidth);

  // Beside the marker, not across it; past the band shown, at its right end.
  std::vector<TWantedLabel> labels;
  const double shownHigh = chart.ScaleX(1)->RangeHigh();
  const bool nyquistShown = s.nyquistMHz <= shownHigh;
  labels.push_back({chart.TextLabel(1),
                    QStringLiteral("fs/2 = %1 MHz%2").arg(MHz(s.nyquistMHz), nyquistShown ? QString() : QStringLiteral(" \u2192")),
                    vqm::clRed, nyquistShown ? s.nyquistMHz : shownHigh, kSpectrumFloorDbfs + 4, false});
  vqm::TBitmap scratch(1, 1);  // measures the labels' text
  AddLegend(chart, legend, labels, scratch);
  for (const TAliasLabel& alias : AliasLabels(s)) {
    if (labels.size() == vqm::TCustomRChart::kTextLabelCount) break;
    labels.push_back({chart.TextLabel(int(labels.size()) + 1), alias.caption, vqm::clMaroon, alias.aliasMHz,
                      OnAxis(alias.levelDbfs) + 4, true});
  }
  PlaceLabels(chart, labels, scratch);
  for (int label = int(labels.size()) + 1; label <= vqm::TCustomRChart::kTextLabelCount; ++label)
    chart.TextLabel(label)->SetVisible(false);
  chart.SetAutoRedraw(autoRedraw);
  if (autoRedraw) chart.ShowItems();
}

}  // namespace quantora
