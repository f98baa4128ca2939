#include "app/simulation_charts.h"

#include "chart/rchart.h"

namespace quantora {

namespace {

using namespace vqm;

// Settings every one of the eight published axes gets.
void ApplyCommonAxis(TScaleProps& axis, TColor color) {
  axis.SetColorScale(color);
  axis.SetDecPlaces(-2);
  TFont font;
  font.Name = "MS Sans Serif";
  font.Height = 13;
  axis.SetFont(font);
  axis.SetLogarithmic(false);
  axis.SetLabelType(ftNum);
  axis.SetMinTicks(3);
  axis.SetMinRange(1e-10);
  axis.SetShortTicks(true);
  axis.SetScalePos(0);
}

void ApplyRange(TScaleProps& axis, double low, double high) {
  axis.SetRangeLow(low);
  axis.SetRangeHigh(high);
}

}  // namespace

void ApplySimulationChartSettings(TRChart& chart, TSimulationChart which) {
  chart.BeginLoad();
  chart.SetAllocSize(1000);
  chart.SetAutoRedraw(true);
  chart.SetMarginLeft(50);
  chart.SetMarginRight(20);
  chart.SetMarginTop(20);
  chart.SetMarginBottom(40);

  TBakGndImg& background = chart.BackGroundImg();
  background.SetIncludePath(false);
  background.SetFillMode(bfStretch);
  background.SetAreaMode(bamNone);
  background.SetAreaColor(14540253);
  background.SetAreaLeft(-1);
  background.SetAreaRight(1);
  background.SetAreaTop(1);
  background.SetAreaBottom(-1);

  chart.SetClassDefault(0);
  chart.SetGridStyle(gsDotLines);
  chart.SetGridDx(100);
  chart.SetGridDy(2);
  chart.SetGridColor(clSilver);
  chart.SetIsometric(false);
  chart.SetWindColor(11853289);
  chart.SetCaption(which == TSimulationChart::Analog ? QStringLiteral("XL_Original Signal")
                                                     : QStringLiteral("XL_Sampled Signal"));
  chart.SetCaptionPosX(0);
  chart.SetCaptionPosY(-16);
  chart.SetCaptionAlignment(taRightJustify);
  chart.SetCaptionAnchorHoriz(cahChartRight);
  chart.SetCaptionAnchorVert(cavChartTop);

  const TColor pairColors[4] = {clBlack, clMaroon, clGreen, clOlive};
  for (int layer = 1; layer <= 4; ++layer) {
    ApplyCommonAxis(*chart.ScaleX(layer), pairColors[layer - 1]);
    ApplyCommonAxis(*chart.ScaleY(layer), pairColors[layer - 1]);
    if (layer > 1) {
      ApplyRange(*chart.ScaleX(layer), 0, 1);
      ApplyRange(*chart.ScaleY(layer), 0, 1);
      chart.ScaleX(layer)->SetVisible(false);
      chart.ScaleY(layer)->SetVisible(false);
    }
  }

  TScalePropsHoriz& x = *chart.Scale1X();
  x.SetCaption(QStringLiteral("XL_Time [ns]"));
  x.SetCaptionPosY(22);
  x.SetCaptionAlignment(taCenter);
  x.SetCaptionAnchor(uaSclCenter);
  ApplyRange(x, 0, 1000);
  x.SetScaleLocation(slBottom);
  x.SetVisible(true);

  TScalePropsVert& y = *chart.Scale1Y();
  y.SetCaption(QStringLiteral("XL_Amplitude [V]"));
  y.SetCaptionPosY(-16);
  y.SetCaptionAlignment(taLeftJustify);
  y.SetCaptionAnchor(uaSclTopLft);
  ApplyRange(y, -5.5, 5.5);
  // Zooming stops at a span whose labels (four decimals, "-4.7998") still fit
  // the 50-pixel margin; a fifth decimal and a sign would be cut.
  y.SetMinRange(kLeastAmplitudeSpan);
  y.SetScaleLocation(slLeft);
  y.SetVisible(true);

  if (which == TSimulationChart::Sampled) {
    TScalePropsVert& y2 = *chart.Scale2Y();
    ApplyRange(y2, -5.5, 5.5);
    y2.SetColorScale(clBlue);
    y2.SetScaleLocation(slRight);
  }

  chart.SetShadowStyle(ssFlying);
  chart.SetShadowColor(clGrayText);
  chart.SetShadowBakColor(clBtnFace);
  chart.SetTextFontStyle(0);
  chart.SetTextBkStyle(tbClear);
  chart.SetTextBkColor(clWhite);
  chart.SetTextAlignment(taCenter);
  chart.EndLoad();
}

}  // namespace quantora
