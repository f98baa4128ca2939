// Crosshairs in their modes, text labels in their modes, the seven standard
// layouts and the mouse modes, each page one picture.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <vector>

#include "chart/chart_cursors.h"
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

namespace gallery {

namespace {

using namespace vqm;

void SendMouse(TRChart& chart, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(p), QPointF(chart.mapToGlobal(p)), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(&chart, &e);
}

// A left-button drag through real mouse events; the release is left out when
// `release` is false (the window stays open for the picture).
void MouseDrag(TRChart& chart, QPoint from, QPoint to, bool release = true) {
  SendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  SendMouse(chart, QEvent::MouseMove, from, Qt::NoButton, Qt::LeftButton);
  SendMouse(chart, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  if (release) SendMouse(chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

// The mouse modes: a zoom window being drawn, the chart after it, after a pan,
// after a zoom drag and back again through the zoom history, a crosshair and a
// label dragged; and the four cursor images, enlarged.
int RenderChartMouse(const QString& folder) {
  std::vector<std::unique_ptr<TRChart>> charts;
  std::vector<QImage> pictures;
  auto make = [&](const char* caption) {
    auto c = std::make_unique<TRChart>();
    SetUpCurveChart(*c, 320, 230);
    c->SetCaption(QString::fromLatin1(caption));
    c->ResetRangeHistory();
    charts.push_back(std::move(c));
    return charts.back().get();
  };
  TRChart* open = make("maZoomWind: window being drawn");
  open->SetMouseAction(maZoomWind);
  MouseDrag(*open, {100, 60}, {220, 150}, false);
  pictures.push_back(open->grab().toImage());
  TRChart* zoomed = make("maZoomWind: after the window");
  zoomed->SetMouseAction(maZoomWind);
  MouseDrag(*zoomed, {100, 60}, {220, 150});
  TRChart* panned = make("maPan: 60 px left, 30 px down");
  panned->SetMouseAction(maPan);
  MouseDrag(*panned, {200, 100}, {140, 130});
  TRChart* dragZoom = make("maZoomDrag: 60 px right, 40 px up");
  dragZoom->SetMouseAction(maZoomDrag);
  MouseDrag(*dragZoom, {150, 120}, {210, 80});
  TRChart* back = make("maZoomDrag, then zoomed back");
  back->SetMouseAction(maZoomDrag);
  MouseDrag(*back, {150, 120}, {210, 80});
  back->ZoomBack();
  TRChart* drag = make("maDragCrossH and maDragLabel");
  drag->CrossHair1()->SetMode(chBoth);
  drag->CrossHair1()->SetColor(clRed);
  drag->SetMouseAction(maDragCrossH);
  MouseDrag(*drag, {60, 100}, {230, 70});
  TTextLabel& l = *drag->TextLabel(1);
  l.SetCaption(QStringLiteral("dragged here"));
  l.SetVisible(true);
  drag->SetMouseAction(maDragLabel);
  MouseDrag(*drag, {150, 100}, {150, 170});
  for (std::size_t i = 1; i < charts.size(); ++i) pictures.push_back(charts[i]->FrameImage().Image());

  const int w = 320, h = 230;
  QImage page(w * 2, h * 3 + 110, QImage::Format_RGB32);
  page.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter p(&page);
  for (std::size_t i = 0; i < pictures.size(); ++i)
    p.drawImage(int(i % 2) * w, int(i / 2) * h, pictures[i]);
  for (int slot = 1; slot <= kChartCursorSlots; ++slot) {
    const QPixmap cursor = ChartCursor(slot)->pixmap();
    p.drawPixmap(QRect(20 + (slot - 1) * 150, h * 3 + 5, 96, 96), cursor);
  }
  p.end();
  return page.save(QDir(folder).filePath(QStringLiteral("chart_mouse.png")));
}

}  // namespace gallery
