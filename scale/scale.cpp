#include "scale/scale.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

#include "drawbase/frames.h"
#include "drawbase/locale_month_names.h"

namespace vqm {

namespace {

// Frame colours that do not depend on the colour scheme.
constexpr TColor kFrameLight = clSilver;
constexpr TColor kFrameDark = clBlack;
// Smallest bound a logarithmic axis accepts.
constexpr double kLogMinimum = 1e-100;

// The other bound, moved one unit away from a bound that met it (or by the
// smallest step where 1 is lost in the bound's precision).
double MoveApart(double v, double direction) {
  const double moved = v + direction;
  return moved != v ? moved : std::nextafter(v, direction * std::numeric_limits<double>::infinity());
}

}  // namespace

TScale::TScale(QObject* owner) : QObject(owner) {
  fPaintSuspended = true;
  fDateFormat = AxisDateFormat();
  fDateFormat.OnChange = [this](TDTLabel*) { RefreshScale(); };
  ApplyColorScheme();
  CalcMapping();
  fPaintSuspended = false;
}

TScale::~TScale() = default;

// ---------------------------------------------------------------------------
// Geometry

void TScale::SetBounds(int left, int top, int width, int height) {
  fLeft = left;
  fTop = top;
  fExtent.Width = std::max(width, 0);
  fExtent.Height = std::max(height, 0);
  if (fWidget && fWidget->geometry() != QRect(fLeft, fTop, fExtent.Width, fExtent.Height))
    fWidget->setGeometry(fLeft, fTop, fExtent.Width, fExtent.Height);
  CalcMapping();
  RefreshScale();
}

void TScale::SetVisible(bool v) {
  if (v == fVisible) return;
  fVisible = v;
  if (fWidget) fWidget->setVisible(v);
  RefreshScale();
}

void TScale::SetFont(const TFont& font) {
  fFont = font;
  RefreshScale();
}

// ---------------------------------------------------------------------------
// Range and mapping

void TScale::SetRangeLow(double v) {
  fRange.Low = v;
  if (v == fRange.High) fRange.High = MoveApart(v, +1.0);
  CalcMapping();
  RefreshScale();
}

void TScale::SetRangeHigh(double v) {
  fRange.High = v;
  if (v == fRange.Low) fRange.Low = MoveApart(v, -1.0);
  CalcMapping();
  RefreshScale();
}

void TScale::SetLogarithmic(bool v) {
  if (v && !fLoadingFlag)
    v = fRange.Low >= kLogMinimum && fRange.High >= kLogMinimum && fLabelType != ftDateTime;
  fRange.Logarithmic = v;
  CalcMapping();
  RefreshScale();
}

void TScale::SetScaleType(TScaleType t) {
  if (t != fExtent.Type) {
    fExtent.Type = t;
    CalcMapping();
  }
  RefreshScale();
}

void TScale::SetMargin(int& margin, int v) {
  margin = std::max(v, 0);
  CalcMapping();
  RefreshScale();
}

void TScale::SetMarginLeft(int v) { SetMargin(fExtent.MarginLeft, v); }
void TScale::SetMarginRight(int v) { SetMargin(fExtent.MarginRight, v); }
void TScale::SetMarginTop(int v) { SetMargin(fExtent.MarginTop, v); }
void TScale::SetMarginBottom(int v) { SetMargin(fExtent.MarginBottom, v); }

void TScale::CalcMapping() {
  if (fStreaming) return;
  vqm::CalcMapping(fRange, fExtent, fMapping);
}

int TScale::ValueToPixel(double v) const { return vqm::ValueToPixel(fMapping, fRange, fExtent.Width, v); }

// ---------------------------------------------------------------------------
// Ticks and labels

void TScale::SetLabelType(TFigType t) {
  fLabelType = t;
  if (t == ftDateTime) {
    fRange.Logarithmic = false;
    CalcMapping();
  } else if (t == ftTime) {
    fDecPlaces = 4;
  }
  RefreshScale();
}

void TScale::SetDecPlaces(int v) {
  fDecPlaces = std::clamp(v, -3, 12);
  CalcMapping();
  RefreshScale();
}

void TScale::SetMinTicks(int v) {
  fMinTicks = std::clamp(v, 2, 10);
  RefreshScale();
}

void TScale::SetShortTicks(bool v) {
  if (v == fShortTicks) return;
  fShortTicks = v;
  RefreshScale();
}

void TScale::SetUserTickText(std::string_view v) {
  fUserTickText = v;
  RefreshScale();
}

void TScale::SetScaleInscript(std::string_view v) {
  fScaleInscript = v;
  RefreshScale();
}

void TScale::SetDateFormat(const TDTLabel& f) { fDateFormat.Assign(f); }  // its notification repaints

// ---------------------------------------------------------------------------
// Caption and appearance

void TScale::SetCaption(std::string_view v) {
  fCaptionText = v;
  RefreshScale();
}

void TScale::SetCaptionPosX(int v) {
  fCaption.PosX = v;
  RefreshScale();
}

void TScale::SetCaptionPosY(int v) {
  fCaption.PosY = v;
  RefreshScale();
}

void TScale::SetCaptionAlignment(TAlignment v) {
  fCaption.Alignment = v;
  RefreshScale();
}

void TScale::SetCaptionAnchor(TScaleUnitAnchor v) {
  fCaption.Anchor = v;
  RefreshScale();
}

void TScale::SetColorScale(TColor c) {
  if (c == fColorScale) return;
  fColorScale = c;
  RefreshScale();
}

void TScale::SetColorBackGnd(TColor c) {
  if (c == fColorBackGnd) return;
  fColorBackGnd = c;
  RefreshScale();
}

void TScale::ApplyColorScheme() {
  if (fColorScheme == csSystem) {
    fColorShadow = clBtnShadow;
    fColorHighlight = clBtnHighlight;
  } else {
    fColorShadow = clGray;
    fColorHighlight = clWhite;
  }
}

void TScale::SetColorScheme(TColorScheme s) {
  if (s == fColorScheme) return;
  fColorScheme = s;
  ApplyColorScheme();
  RefreshScale();
}

void TScale::SetFrameStyle(TFrameStyle s) {
  if (s == fFrameStyle) return;
  fFrameStyle = s;
  RefreshScale();
}

void TScale::SetShowBaseLine(bool v) {
  fShowBaseLine = v;
  RefreshScale();
}

void TScale::SetTransparent(bool v) {
  fTransparent = v;
  RefreshScale();
}

// ---------------------------------------------------------------------------
// Painting control

void TScale::SetTarget(TCanvas* canvas, int dx, int dy) {
  fTarget = canvas;
  fTargetDx = dx;
  fTargetDy = dy;
}

void TScale::RefreshScale() {
  if (fTransparent && !fChartEmbedded && fWidget) {
    fWidget->update();  // the parent draws the background first
  } else {
    Paint();
  }
}

bool TScale::PaintAllowed() const { return fVisible && !fStreaming && !fPaintSuspended; }

void TScale::Paint() {
  if (!PaintAllowed()) return;
  if (fTarget)
    PaintOnto(*fTarget, fTargetDx, fTargetDy);
  else if (fWidget)
    fWidget->update();  // its paint event paints onto the widget's surface
}

void TScale::SetPaintSuspended(bool v) {
  if (v == fPaintSuspended) return;
  fPaintSuspended = v;
  if (!v) RefreshScale();
}

void TScale::ForcePaint() {
  const bool suspended = fPaintSuspended;
  fPaintSuspended = false;
  RefreshScale();
  fPaintSuspended = suspended;
}

void TScale::SetChartEmbedded(bool v) {
  if (v == fChartEmbedded) return;
  fChartEmbedded = v;
  RefreshScale();
}

void TScale::Assign(const TScale& o) {
  if (&o == this) return;
  fColorScale = o.fColorScale;
  fColorBackGnd = o.fColorBackGnd;
  fColorShadow = o.fColorShadow;
  fColorHighlight = o.fColorHighlight;
  fColorDark = o.fColorDark;
  fColorScheme = o.fColorScheme;
  fFrameStyle = o.fFrameStyle;
  OnScaleTickDrawn = o.OnScaleTickDrawn;
  fRange = o.fRange;
  fMapping = o.fMapping;
  fShortTicks = o.fShortTicks;
  fMinTicks = o.fMinTicks;
  fDecPlaces = o.fDecPlaces;
  fShowBaseLine = o.fShowBaseLine;
  fTransparent = o.fTransparent;
  fLabelType = o.fLabelType;
  fExtent.MarginLeft = o.fExtent.MarginLeft;
  fExtent.MarginRight = o.fExtent.MarginRight;
  fExtent.MarginTop = o.fExtent.MarginTop;
  fExtent.MarginBottom = o.fExtent.MarginBottom;
  fCaptionText = o.fCaptionText;
  fCaption = o.fCaption;
  fUserTickText = o.fUserTickText;
  fScaleInscript = o.fScaleInscript;
  fPass.Values = o.fPass.Values;
  fTarget = o.fTarget;
  fTargetDx = o.fTargetDx;
  fTargetDy = o.fTargetDy;
  fExtent.Type = o.fExtent.Type;
  fPaintSuspended = o.fPaintSuspended;
  RefreshScale();
}

void TScale::BeginLoading() { fStreaming = true; }

void TScale::EndLoading() {
  fStreaming = false;
  fLoadingFlag = false;
  CalcMapping();
  RefreshScale();
}

// ---------------------------------------------------------------------------
// The paint sequence

void TScale::PaintOnto(TCanvas& target, int dx, int dy) {
  target.Font = fFont;
  if (OnBeforeScaleRendered) OnBeforeScaleRendered(this, &target);
  if (fTransparent) {
    target.Pen.Color = fColorScale;
    TCanvas* canvas = &target;
    DrawAxis(canvas, BaseLinePosition(fExtent, dx, dy));
    // The target itself, even when a tick handler moved the pass elsewhere.
    if (OnAfterScaleRendered) OnAfterScaleRendered(this, &target);
    return;
  }
  // An empty control gets an empty image: nothing is drawn, the events still come.
  const int w = std::max(fExtent.Width, 0), h = std::max(fExtent.Height, 0);
  fOffscreen.SetPixelRatio(target.PixelRatio());
  fOffscreen.SetSize(w, h);
  TCanvas* canvas = &fOffscreen.Canvas();
  canvas->Font = fFont;
  // Rectangle(0, 0, w, h) with pen and brush in the background colour: the
  // same pixels as one fill of the brush.
  canvas->Pen.Color = fColorBackGnd;
  canvas->Brush.Color = fColorBackGnd;
  canvas->Brush.Style = bsSolid;
  canvas->FillRect({0, 0, w, h});
  canvas->Pen.Color = fColorScale;
  DrawAxis(canvas, BaseLinePosition(fExtent, 0, 0));
  if (OnAfterScaleRendered) OnAfterScaleRendered(this, &fOffscreen.Canvas());
  DrawFrame(fOffscreen.Canvas(), fFrameStyle, 0, 0, w - 1, h - 1, fColorHighlight, kFrameLight, fColorShadow,
            fColorDark, fColorDark);
  target.Draw(dx, dy, fOffscreen.Image());
}

void TScale::DrawAxis(TCanvas*& canvas, int baseLine) {
  if (canvas->IsPrinter()) {
    // The same physical size as on screen.
    canvas->Font.SetSizeAt(fFont.SizeAt(kScreenPixelsPerInch), canvas->PixelsPerInchY());
  }
  canvas->Brush.Style = fTransparent ? bsClear : bsSolid;

  TTickOptions options;
  options.Range = fRange;
  options.Type = fExtent.Type;
  options.LabelType = fLabelType;
  options.DecPlaces = fDecPlaces;
  options.MinTicks = fMinTicks;
  options.ShortTicks = fShortTicks;
  options.UserTickText = fUserTickText;
  options.ScaleInscript = fScaleInscript;
  if (fLabelType == ftDateTime) {
    options.DateFormat = fDateFormat;
    options.MonthNames = &LocaleMonthNames();
  }
  RunTickPass(options, fMapping, fExtent.Width, fPass);

  TTickDrawnCallback onTick;
  if (OnScaleTickDrawn)
    onTick = [this](TCanvas*& c, const TTick& tick, int x, int y) {
      OnScaleTickDrawn(this, c, fExtent.Type, tick.Value, x, y);
    };
  DrawTicks(canvas, fPass, fExtent, baseLine, onTick);

  if (!fCaptionText.empty()) {
    const QString caption = QString::fromStdString(fCaptionText);
    const TPoint at = CaptionOrigin(fExtent, baseLine, fCaption, canvas->TextWidth(caption));
    canvas->TextOut(at.x, at.y, caption);
  }
  if (fShowBaseLine) DrawBaseLine(*canvas, fExtent, baseLine);
}

}  // namespace vqm
