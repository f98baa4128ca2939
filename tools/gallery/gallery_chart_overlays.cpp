// Crosshairs in their modes, text labels in their modes, and the seven standard
// layouts, each page one picture.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "chart/rchart.h"
#include "gallery.h"

namespace gallery {

namespace {

using namespace vqm;

// A shown chart with a damped sine over 0..100 by -1.2..1.2.
void SetUpCurveChart(TRChart& chart, int w, int h) {
  chart.resize(w, h);
  chart.Scale1X()->SetRangeHigh(100);
  chart.Scale1Y()->SetRangeLow(-1.2);
  chart.Scale1Y()->SetRangeHigh(1.2);
  chart.show();
  chart.SetDataColor(clNavy);
  chart.MoveTo(0, 0);
  for (int i = 1; i <= 400; ++i) chart.DrawTo(i / 4.0, std::sin(i / 12.0) * std::exp(-i / 400.0));
  chart.ShowItems();
}

bool SaveTiled(const std::vector<TRChart*>& charts, int columns, const QString& file) {
  const int w = charts.front()->width(), h = charts.front()->height();
  const int rows = (int(charts.size()) + columns - 1) / columns;
  QImage page(w * columns, h * rows, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter p(&page);
  for (std::size_t i = 0; i < charts.size(); ++i)
    p.drawImage(int(i % std::size_t(columns)) * w, int(i / std::size_t(columns)) * h, charts[i]->FrameImage().Image());
  p.end();
  return page.save(file);
}

int RenderCrossHairs(const QString& folder) {
  TRChart chart;
  SetUpCurveChart(chart, 420, 300);
  chart.SetCaption(QStringLiteral("Crosshairs: both, horizontal dashed, vertical 3 px, off"));
  struct Setting {
    TCrossHMode mode;
    TColor color;
    TPenStyle style;
    int width;
    double x, y;
  };
  const Setting settings[] = {{chBoth, clRed, psSolid, 1, 30, 0.5},
                              {chHoriz, clBlue, psDash, 1, 0, -0.6},
                              {chVert, clGreen, psSolid, 3, 75, 0},
                              {chOff, clBlack, psSolid, 1, 50, 0}};
  for (int n = 1; n <= 4; ++n) {
    const Setting& s = settings[n - 1];
    TCrossHair& ch = *chart.CrossHair(n);
    ch.SetLayer(1);
    ch.SetMode(s.mode);
    ch.SetColor(s.color);
    ch.SetLineType(s.style);
    ch.SetLineWid(s.width);
    ch.SetPosX(s.x);
    ch.SetPosY(s.y);
  }
  return chart.FrameImage().Image().save(QDir(folder).filePath(QStringLiteral("chart_crosshairs.png")));
}

int RenderTextLabels(const QString& folder) {
  TRChart chart;
  SetUpCurveChart(chart, 420, 300);
  chart.SetCaption(QStringLiteral("Text labels"));
  struct Setting {
    TTxtLblMode mode;
    TTxtLblAttachMode attach;
    double x, y;
    const char* caption;
    bool transparent;
    TAlignment align;
  };
  const Setting settings[] = {
      {tlsimple, tlamNone, 110, 50, "simple", false, taCenter},
      {tlBox, tlamNone, 200, 50, "box", false, taCenter},
      {tlUnderline, tlamNone, 290, 50, "underline", false, taCenter},
      {tlShadow, tlamNone, 370, 50, "shadow", true, taCenter},
      {tlBox, tlamBoth, 6, 0.9, "peak\nattached to data", false, taLeftJustify},
      {tlShadow, tlamNone, 380, 200, "Spannung\nÜberlauf bei 3 Bit", false, taRightJustify},
      {tlBox, tlamXOnly, 75, 240, "transparent box", true, taCenter},
  };
  for (int n = 1; n <= int(std::size(settings)); ++n) {
    const Setting& s = settings[n - 1];
    TTextLabel& l = *chart.TextLabel(n);
    l.SetMode(s.mode);
    l.SetAttachToData(s.attach);
    l.SetPosX(s.x);
    l.SetPosY(s.y);
    l.SetCaption(QString::fromUtf8(s.caption));
    l.SetTransparent(s.transparent);
    l.SetAlignment(s.align);
    l.SetColorBkg(n % 2 ? clCream : clWhite);
    l.SetVisible(true);
  }
  return chart.FrameImage().Image().save(QDir(folder).filePath(QStringLiteral("chart_text_labels.png")));
}

int RenderLayouts(const QString& folder) {
  const char* names[] = {"rcl_X1Bottom_Y1Left", "rcl_X1Bottom_Y2Left", "rcl_X1Bottom_Y3Left", "rcl_X1Bottom_Y4Left",
                         "rcl_X1Bottom_Y2Both", "rcl_X2Bottom_Y2Left", "rcl_X2Both_Y2Both"};
  std::vector<std::unique_ptr<TRChart>> charts;
  std::vector<TRChart*> pointers;
  for (int layout = 0; layout < 7; ++layout) {
    auto chart = std::make_unique<TRChart>();
    chart->resize(380, 260);
    chart->show();
    chart->SetStandardLayout(TrcLayout(layout));
    chart->SetCaption(QString::fromLatin1(names[layout]));
    for (int n = 1; n <= 4; ++n) {
      chart->ScaleX(n)->SetCaption(QStringLiteral("X%1").arg(n));
      chart->ScaleY(n)->SetCaption(QStringLiteral("Y%1").arg(n));
      chart->ScaleY(n)->SetRangeHigh(n * 10);
    }
    pointers.push_back(chart.get());
    charts.push_back(std::move(chart));
  }
  return SaveTiled(pointers, 2, QDir(folder).filePath(QStringLiteral("chart_layouts.png")));
}

}  // namespace

int RenderChartOverlays(const QString& folder) {
  return RenderCrossHairs(folder) + RenderTextLabels(folder) + RenderLayouts(folder);
}

}  // namespace gallery
