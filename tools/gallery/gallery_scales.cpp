// Stand-alone scales in their orientations and modes, one picture each.
#include <QDir>
#include <functional>

#include "drawbase/image_canvas.h"
#include "gallery.h"
#include "scale/scale.h"

namespace gallery {

namespace {

struct ScaleShot {
  const char* file;
  vqm::TScaleType type;
  std::function<void(vqm::TScale&)> setUp;
};

// Horizontal scales are wide and low, vertical ones narrow and tall.
bool Render(const QString& folder, const ScaleShot& shot) {
  const bool vertical = vqm::IsVertical(shot.type);
  const int w = vertical ? 130 : 420, h = vertical ? 360 : 90;
  vqm::TBitmap picture(w, h);
  picture.Canvas().Brush.Color = vqm::clWhite;
  picture.Canvas().FillRect({0, 0, w, h});
  vqm::TScale scale;
  scale.SetPaintSuspended(true);
  scale.SetBounds(0, 0, w, h);
  scale.SetScaleType(shot.type);
  shot.setUp(scale);
  scale.SetTarget(&picture.Canvas(), 0, 0);
  scale.SetChartEmbedded(true);  // paints at once, transparent or not
  scale.ForcePaint();
  return picture.Image().save(QDir(folder).filePath(QString::fromLatin1(shot.file)));
}

}  // namespace

int RenderScales(const QString& folder) {
  using namespace vqm;
  const ScaleShot shots[] = {
      {"scale_xb_default.png", sctXB, [](TScale&) {}},
      {"scale_xt_symmetric.png", sctXT,
       [](TScale& s) {
         s.SetRangeLow(-5.5);
         s.SetRangeHigh(5.5);
         s.SetCaption("Voltage [V]");
         s.SetCaptionAnchor(uaSclCenter);
         s.SetCaptionPosY(30);
       }},
      {"scale_xb_reversed.png", sctXB,
       [](TScale& s) {
         s.SetRangeLow(100);
         s.SetRangeHigh(0);
         s.SetFrameStyle(fsRaised);
       }},
      {"scale_xb_log.png", sctXB,
       [](TScale& s) {
         s.SetRangeLow(1);
         s.SetRangeHigh(1000);
         s.SetLogarithmic(true);
         s.SetMinTicks(5);
       }},
      {"scale_xb_log_exponents.png", sctXB,
       [](TScale& s) {
         s.SetRangeLow(0.01);
         s.SetRangeHigh(100);
         s.SetLogarithmic(true);
         s.SetDecPlaces(-3);
         s.SetCaption("log10 f");
         s.SetCaptionAnchor(uaSclBotRgt);
         s.SetCaptionAlignment(taRightJustify);
         s.SetCaptionPosY(-45);
       }},
      {"scale_xb_time.png", sctXB,
       [](TScale& s) {
         s.SetRangeHigh(3600);
         s.SetLabelType(ftTime);
       }},
      {"scale_xt_time_ms.png", sctXT,
       [](TScale& s) {
         s.SetRangeHigh(1);
         s.SetLabelType(ftTime);
         s.SetFrameStyle(fsEngraved);
       }},
      {"scale_xb_wide_span.png", sctXB,
       [](TScale& s) {
         s.SetRangeLow(-2e6);
         s.SetRangeHigh(2e6);
         s.SetColorScale(clNavy);
       }},
      {"scale_xb_user_text.png", sctXB,
       [](TScale& s) {
         s.SetRangeLow(-5.5);
         s.SetRangeHigh(5.5);
         s.SetLabelType(ftUserText);
         s.SetUserTickText("Mon|Tue|Wed|Thu|Fri");
         s.SetTransparent(true);
       }},
      {"scale_xb_keep_inside.png", sctXB,
       [](TScale& s) {
         s.SetMarginLeft(0);
         s.SetMarginRight(0);
         s.SetLabelType(ftUserText);
         s.SetUserTickText("left end label|b|c|d|e|right end label");
       }},
      {"scale_yl_default.png", sctYL,
       [](TScale& s) {
         s.SetCaption("Amplitude");
         s.SetCaptionAnchor(uaSclCenter);
         s.SetCaptionPosX(40);
         s.SetCaptionPosY(-8);
         s.SetCaptionAlignment(taLeftJustify);
       }},
      {"scale_yr_symmetric.png", sctYR,
       [](TScale& s) {
         s.SetRangeLow(-5.5);
         s.SetRangeHigh(5.5);
         s.SetScaleInscript("& V");
       }},
      {"scale_yl_log.png", sctYL,
       [](TScale& s) {
         s.SetRangeLow(1);
         s.SetRangeHigh(1000);
         s.SetLogarithmic(true);
         s.SetMinTicks(5);
       }},
      {"scale_yr_reversed_time.png", sctYR,
       [](TScale& s) {
         s.SetRangeLow(3600);
         s.SetRangeHigh(0);
         s.SetLabelType(ftTime);
         s.SetColorBackGnd(clCream);
         s.SetFrameStyle(fsSimple);
       }},
      {"scale_yl_transparent.png", sctYL,
       [](TScale& s) {
         s.SetRangeLow(0);
         s.SetRangeHigh(10);
         s.SetMinTicks(5);
         s.SetTransparent(true);
       }},
  };
  int written = 0;
  for (const ScaleShot& shot : shots) written += Render(folder, shot) ? 1 : 0;
  return written;
}

}  // namespace gallery
