// Date/time axes from hundredths of a second to centuries: a page of horizontal
// scales, a page of vertical ones (each time format, date order and year
// length, and the two messages), and a chart with a calendar axis.
#include <QDir>
#include <QString>
#include <cmath>
#include <functional>

#include "chart/rchart.h"
#include "drawbase/image_canvas.h"
#include "gallery.h"
#include "scale/scale.h"

namespace gallery {

namespace {

using namespace vqm;

constexpr double kJan1st2000 = 36526;
constexpr double kHour = 1.0 / 24, kSecond = 1.0 / 86400;

struct DateAxis {
  const char* caption;
  double low, high;
  std::function<void(TDTLabel&)> format;  // changes from the scale's date format
  int minTicks = 3;
  bool shortTicks = true;
};

void NoChange(TDTLabel&) {}

// One opaque scale of the page at (x, y), its caption naming the case.
void DrawAxis(TBitmap& page, const DateAxis& a, TScaleType type, int x, int y, int w, int h) {
  TScale scale;
  scale.SetPaintSuspended(true);
  scale.SetBounds(0, 0, w, h);
  scale.SetScaleType(type);
  scale.SetColorBackGnd(clWhite);
  scale.SetLabelType(ftDateTime);
  scale.SetRangeLow(a.low);
  scale.SetRangeHigh(a.high);
  scale.SetMinTicks(a.minTicks);
  scale.SetShortTicks(a.shortTicks);
  TDTLabel format = scale.DateFormat();
  a.format(format);
  scale.SetDateFormat(format);
  scale.SetCaption(a.caption);
  if (IsVertical(type)) {
    scale.SetMarginTop(44);
    scale.SetMarginBottom(16);
    scale.SetCaptionPosX(type == sctYL ? 0 : -2);
    scale.SetCaptionPosY(-40);
    scale.SetCaptionAlignment(type == sctYL ? taLeftJustify : taRightJustify);
  } else {
    scale.SetMarginBottom(type == sctXB ? 22 : 56);
    scale.SetMarginTop(type == sctXB ? 20 : 4);
    scale.SetCaptionPosX(0);
    scale.SetCaptionPosY(type == sctXB ? 3 : 36);
    scale.SetCaptionAlignment(taLeftJustify);
  }
  scale.SetTarget(&page.Canvas(), x, y);
  scale.SetChartEmbedded(true);  // paints at once
  scale.ForcePaint();
}

void Whiten(TBitmap& page) {
  page.Canvas().Brush.Color = clWhite;
  page.Canvas().FillRect({0, 0, page.Width(), page.Height()});
}

bool RenderHorizontalPage(const QString& folder) {
  const double midday = kJan1st2000 + 12 * kHour;
  const DateAxis axes[] = {
      {"seconds, tfHHMMSS", midday, midday + 10 * kSecond, NoChange},
      {"minutes, tfHHhMM", midday, midday + kHour, [](TDTLabel& f) { f.SetTimeFormat(tfHHhMM); }},
      {"hours, tfAMPM, a date on every tick (dtAllTicks)", kJan1st2000, kJan1st2000 + 10 * kHour,
       [](TDTLabel& f) {
         f.SetTimeFormat(tfAMPM);
         f.SetDateForTime(dtAllTicks);
       }},
      {"hours over midnight and the year end, one date per day", kJan1st2000 - 6 * kHour, kJan1st2000 + 30 * kHour,
       NoChange},
      {"days, 3 to 28 March 2000, doDDMMYY", kJan1st2000 + 62, kJan1st2000 + 87, NoChange},
      {"days over 29 February, doMMDDYY, ylYY, month numbers", kJan1st2000 + 55, kJan1st2000 + 65,
       [](TDTLabel& f) {
         f.SetDateOrder(doMMDDYY);
         f.SetYearLength(ylYY);
         f.SetMonthName(false);
       },
       5, false},
      {"months of 2000, doYYMMDD, separator /", kJan1st2000, kJan1st2000 + 366,
       [](TDTLabel& f) {
         f.SetDateOrder(doYYMMDD);
         f.SetDateSeparator('/');
       }},
      {"months from 1 January 2001, step 3, no short ticks", kJan1st2000 + 366, kJan1st2000 + 731, NoChange, 3,
       false},
      {"months, ylNone", kJan1st2000, kJan1st2000 + 182, [](TDTLabel& f) { f.SetYearLength(ylNone); }, 4},
      {"years 1990 to 2030, ylYYYY", kJan1st2000 - 3652, kJan1st2000 + 10958, NoChange},
      {"years 700 to 900, ylYY", -438'289, -365'240, [](TDTLabel& f) { f.SetYearLength(ylYY); }},
      {"years up to the end of the calendar", 2'900'000, 3'000'000, NoChange},
      {"2 seconds", midday, midday + 2 * kSecond, NoChange},
      {"reversed", kJan1st2000 + 1, kJan1st2000, NoChange},
  };
  const int w = 560, h = 76;
  const int count = int(std::size(axes));
  TBitmap page(w, h * (count + 1));
  Whiten(page);
  for (int i = 0; i < count; ++i) DrawAxis(page, axes[i], sctXB, 0, i * h, w, h);
  const DateAxis top = {"hours on a top axis: the date line below the clock", kJan1st2000 - 6 * kHour,
                        kJan1st2000 + 6 * kHour, NoChange};
  DrawAxis(page, top, sctXT, 0, count * h, w, h);
  return page.Image().save(QDir(folder).filePath(QStringLiteral("datetime_horizontal.png")));
}

bool RenderVerticalPage(const QString& folder) {
  const double midday = kJan1st2000 + 12 * kHour;
  const DateAxis axes[] = {
      {"hundredths", midday, midday + 2 * kSecond, NoChange},
      {"seconds", midday, midday + 30 * kSecond, [](TDTLabel& f) { f.SetTimeFormat(tfAMPM); }},
      {"hours", kJan1st2000 - 6 * kHour, kJan1st2000 + 6 * kHour, NoChange},
      {"days", kJan1st2000 + 55, kJan1st2000 + 65, [](TDTLabel& f) { f.SetDateOrder(doYYMMDD); }, 5},
      {"months", kJan1st2000, kJan1st2000 + 366, NoChange},
      {"years", kJan1st2000 - 3652, kJan1st2000 + 10958, NoChange},
      {"below 1 s", midday, midday + 0.02 * kSecond, NoChange},
      {"invalid", 10, 5, NoChange},
  };
  const int w = 130, h = 420;
  const int count = int(std::size(axes));
  TBitmap page(w * count, 2 * h);
  Whiten(page);
  for (int i = 0; i < count; ++i) {
    DrawAxis(page, axes[i], sctYL, i * w, 0, w, h);
    DrawAxis(page, axes[i], sctYR, i * w, h, w, h);
  }
  return page.Image().save(QDir(folder).filePath(QStringLiteral("datetime_vertical.png")));
}

// A week of hourly readings on a chart whose X axis counts calendar time.
bool RenderChart(const QString& folder) {
  TRChart chart;
  chart.resize(520, 300);
  chart.show();
  chart.SetCaption(QStringLiteral("A week of readings"));
  chart.Scale1X()->SetLabelType(ftDateTime);
  chart.Scale1X()->SetRangeLow(kJan1st2000 + 59);
  chart.Scale1X()->SetRangeHigh(kJan1st2000 + 66);
  chart.Scale1Y()->SetRangeLow(-1.5);
  chart.Scale1Y()->SetRangeHigh(1.5);
  chart.SetGridStyle(gsDotLines);
  chart.SetGridDx(0);
  chart.SetDataColor(clNavy);
  chart.MoveTo(kJan1st2000 + 59, 0);
  for (int i = 0; i <= 7 * 24; ++i) {
    const double t = kJan1st2000 + 59 + i * kHour;
    chart.DrawTo(t, std::sin(2 * M_PI * i / 24.0) + 0.3 * std::sin(i / 17.0));
  }
  chart.ShowItems();
  return chart.FrameImage().Image().save(QDir(folder).filePath(QStringLiteral("datetime_chart.png")));
}

}  // namespace

int RenderDateTimeAxes(const QString& folder) {
  return int(RenderHorizontalPage(folder)) + int(RenderVerticalPage(folder)) + int(RenderChart(folder));
}

}  // namespace gallery
