#include "chart/axis_controls.h"

#include <QString>

#include "chart/rchart.h"
#include "scale/scale.h"

namespace vqm {

TAxisControls::TAxisControls(TCustomRChart& chart) : fChart(chart) {
  for (int n = 1; n <= kLayerCount; ++n) {
    for (auto* table : {&fX, &fY}) {
      auto* scale = new TScale(&chart);  // owned by the chart
      scale->setObjectName(QStringLiteral("RC_FScale_%1_%2").arg(table == &fX ? 'X' : 'Y').arg(n));
      scale->OnScaleTickDrawn = [&chart](TScale*, TCanvas*& canvas, TScaleType type, double pos, int x, int y) {
        if (chart.OnScaleTickDrawn) chart.OnScaleTickDrawn(&chart, canvas, type, pos, x, y);
      };
      (*table)[std::size_t(n - 1)] = scale;
    }
  }
}

TAxisControls::~TAxisControls() = default;  // the scales are the chart's children

TScale* TAxisControls::X(int layer) const { return fX[std::size_t(layer - 1)]; }
TScale* TAxisControls::Y(int layer) const { return fY[std::size_t(layer - 1)]; }

void TAxisControls::ConfigureAll() {
  for (auto* table : {&fX, &fY})
    for (TScale* s : *table) {
      s->SetPaintSuspended(true);  // the chart has them draw when it paints
      s->SetChartEmbedded(true);
      s->SetTarget(&fChart.FrameImage().Canvas(), 0, 0);
      s->SetTransparent(true);
      s->SetColorBackGnd(fChart.WindColor());
      s->SetFrameStyle(fsNone);
    }
  SetGeometry();
}

void TAxisControls::SetGeometry() {
  const int w = fChart.width(), h = fChart.height();
  const int shadow = fChart.ShadowWidth();
  for (TScale* s : fX) {
    s->SetSize(w, h);
    s->SetMarginLeft(fChart.MarginLeft());
    s->SetMarginRight(fChart.MarginRight() + shadow - 1);
  }
  for (TScale* s : fY) {
    s->SetSize(w, h);
    s->SetMarginTop(fChart.MarginTop());
    s->SetMarginBottom(fChart.MarginBottom() + shadow - 1);
  }
}

namespace {

// Copies one axis object into its control. The location code doubles as the
// control's scale type: an axis above the data area is drawn like the bottom
// axis of a scale whose bottom margin ends at the data area, and so on.
void PushAxis(const TCustomRChart& chart, const TScaleProps& p, TScale& s) {
  const int w = chart.width(), h = chart.height(), shadow = chart.ShadowWidth();
  const TAxisLocationCode code = p.LocationCode();
  s.SetScaleType(TScaleType(code));
  switch (code) {
    case alcAbove: s.SetMarginBottom(p.ScalePos() + h - chart.MarginTop() - 1); break;
    case alcBelow: s.SetMarginTop(p.ScalePos() + h - chart.MarginBottom() - shadow); break;
    case alcRight: s.SetMarginLeft(p.ScalePos() + w - chart.MarginRight() - shadow); break;
    case alcLeft: s.SetMarginRight(p.ScalePos() + w - chart.MarginLeft() - 1); break;
  }
  s.SetRangeLow(p.RangeLow());
  s.SetRangeHigh(p.RangeHigh());
  s.SetVisible(p.Visible());
  s.SetCaption(p.Caption().toStdString());
  s.SetCaptionPosX(p.CaptionPosX());
  s.SetCaptionPosY(p.CaptionPosY());
  s.SetCaptionAlignment(p.CaptionAlignment());
  s.SetCaptionAnchor(p.CaptionAnchor());
  s.SetColorScale(p.ColorScale());
  s.SetDecPlaces(p.DecPlaces());
  s.SetLogarithmic(p.Logarithmic());
  s.SetLabelType(p.LabelType());
  s.SetShortTicks(p.ShortTicks());
  s.SetMinTicks(p.MinTicks());
  s.SetScaleInscript(p.ScaleInscript().toStdString());
  s.SetUserTickText(p.UserTickText().toStdString());
  TFont font = p.Font();
  font.Color = p.ColorScale();
  s.SetFont(font);
  s.SetDateFormat(p.DateFormat());
}

}  // namespace

void TAxisControls::Push(int layer) {
  PushAxis(fChart, *fChart.ScaleX(layer), *X(layer));
  PushAxis(fChart, *fChart.ScaleY(layer), *Y(layer));
}

void TAxisControls::PushAll() {
  for (int n = 1; n <= kLayerCount; ++n) PushAxis(fChart, *fChart.ScaleX(n), *X(n));
  for (int n = 1; n <= kLayerCount; ++n) PushAxis(fChart, *fChart.ScaleY(n), *Y(n));
}

void TAxisControls::PaintAll(TCanvas& canvas) {
  for (auto* table : {&fX, &fY})
    for (TScale* s : *table) {
      // Usually the frame image, which the scales keep as their target; another
      // canvas (a page) only for this paint.
      TCanvas* target = s->Target();
      if (target != &canvas) s->SetTarget(&canvas, 0, 0);
      s->ForcePaint();
      if (target != &canvas) s->SetTarget(target, 0, 0);
    }
}

int TAxisControls::TickCount(TAxisDirection dir, int layer) const {
  return (dir == TAxisDirection::X ? X(layer) : Y(layer))->NumTicks();
}

double TAxisControls::Tick(TAxisDirection dir, int layer, int i) const {
  return (dir == TAxisDirection::X ? X(layer) : Y(layer))->TickPos(i);
}

}  // namespace vqm
