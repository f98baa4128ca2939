// Construction, the display-list operations and the appearance setters.
#include "chart/rchart.h"

#include "chart/axis_controls.h"
#include "chart/chart_cursors.h"
#include "chart/font_text.h"

namespace vqm {

namespace {
// Layer n's axis colour: the standard 16-colour palette.
constexpr std::array<TColor, kLayerCount> kLayerPalette = {
    clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
    clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
}  // namespace

TCustomRChart::TCustomRChart(QWidget* parent) : QWidget(parent), fList(this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);  // like a control that is no tab stop
  setMouseTracking(true);          // moves without a button are reported too
  RegisterDefaultChartCursors();
  fList.RepaintRequest = [this] { RepaintRequested(); };
  fClassOn.set();
  fLayerOn.fill(true);
  fBackGroundImg.OnChange = [this] { RepaintRequested(); };
  fJointLayers.OnChange = [this] { RepaintRequested(); };
  fJointLayers.OnJoined = [this](TAxisDirection dir, int follower, int leader) { JoinLayer(dir, follower, leader); };
  CreateCrossHairsAndLabels();

  for (int n = 1; n <= kLayerCount; ++n) {
    auto* x = new TScalePropsHoriz(this);
    auto* y = new TScalePropsVert(this);
    const bool odd = n % 2 == 1;
    x->SetLocationCode(odd ? alcBelow : alcAbove);
    y->SetLocationCode(odd ? alcLeft : alcRight);
    x->SetColorScale(kLayerPalette[std::size_t(n - 1)]);
    y->SetColorScale(kLayerPalette[std::size_t(n - 1)]);
    x->SetScalePos((n - 1) / 2 * 30);
    y->SetScalePos((n - 1) / 2 * 50);
    for (TScaleProps* p : {static_cast<TScaleProps*>(x), static_cast<TScaleProps*>(y)}) {
      p->OnChange = [this](TScaleProps*) { ScalePropsChanged(); };
      p->DateFormat().OnChange = [this](TDTLabel*) { ScalePropsChanged(); };
    }
    fScaleX[std::size_t(n - 1)] = x;
    fScaleY[std::size_t(n - 1)] = y;
  }
  fAxes = std::make_unique<TAxisControls>(*this);

  resize(280, 200);
  ResizeDataImage();
  fFrameImage.SetSize(width(), height());
  SetStandardLayout(rcl_X1Bottom_Y1Left);
  fLaidOutSize = size();
  fAxes->ConfigureAll();
  fAxes->PushAll();
  CalcTransforms();
  ResetRangeHistory();
}

TCustomRChart::~TCustomRChart() {
  // The axis objects, crosshairs and labels are children of this widget; their
  // notifications must not reach a chart that is half destroyed.
  for (TCrossHair* c : fCrossHairs) c->OnChange = nullptr;
  for (TTextLabel* l : fTextLabels) l->OnChange = nullptr;
  for (int i = 0; i < kLayerCount; ++i) {
    fScaleX[std::size_t(i)]->OnChange = nullptr;
    fScaleY[std::size_t(i)]->OnChange = nullptr;
    fScaleX[std::size_t(i)]->DateFormat().OnChange = nullptr;
    fScaleY[std::size_t(i)]->DateFormat().OnChange = nullptr;
  }
}

void TCustomRChart::CreateCrossHairsAndLabels() {
  for (int n = 1; n <= kCrossHairCount; ++n) {
    auto* c = new TCrossHair(this);
    c->setObjectName(QStringLiteral("CrossHair%1").arg(n));
    c->SetLayer(n);
    c->SetLineWid(1);  // position (0, 0), black, off, solid: the object's zero values
    fCrossHairs[std::size_t(n - 1)] = c;
  }
  fTextLabelHolder = new QObject(this);
  fTextLabelHolder->setObjectName(QStringLiteral("TextLabels"));
  for (int n = 1; n <= kTextLabelCount; ++n) {
    auto* l = new TTextLabel(fTextLabelHolder);
    l->setObjectName(QStringLiteral("TextLabel%1").arg(n));
    l->SetPosX(0);
    l->SetPosY(0);
    l->SetAttachToData(tlamBoth);
    l->SetColorBkg(clWhite);
    l->SetShadowDx(3);
    l->SetShadowDy(3);
    l->SetFont(fFont);
    l->SetVisible(false);
    l->SetMode(tlBox);
    fTextLabels[std::size_t(n - 1)] = l;
  }
  // Only now: setting them up must not repaint.
  for (TCrossHair* c : fCrossHairs) c->OnChange = [this](TCrossHair*) { RepaintRequested(); };
  for (TTextLabel* l : fTextLabels) l->OnChange = [this](TCustomTextLabel*) { RepaintRequested(); };
}

TScale* TCustomRChart::AxisControlX(int layer) const { return fAxes->X(ClampLayer(layer)); }
TScale* TCustomRChart::AxisControlY(int layer) const { return fAxes->Y(ClampLayer(layer)); }

// ---- display list ----

void TCustomRChart::MoveTo(double x, double y) { fList.MoveTo(x, y); }
void TCustomRChart::DrawTo(double x, double y) { fList.DrawTo(x, y); }
void TCustomRChart::DrawTo(std::span<const double> x, std::span<const double> y) { fList.DrawTo(x, y); }
void TCustomRChart::Line(double x1, double y1, double x2, double y2) { fList.Line(x1, y1, x2, y2); }

// The data image is not repainted here: every way to the screen (ShowItems,
// Paint) paints the background first, so a repaint now would only be drawn over.
void TCustomRChart::ClearItems() { fList.Clear(); }

void TCustomRChart::ShowItems() {
  if (isVisible()) {
    fList.Propagate();
    if (fAutoRedraw) {
      if (!fLoading && !fPaintLock) {
        ResizeDataImage();
        PaintDataBackground(fDataImage.Canvas());
        RenderItems(fDataImage.Canvas());
        DrawCrosshairsAndShow(fMarginLeft, fMarginTop, fDataImage);
      }
    } else {
      Paint();
    }
  }
  fList.RequestPartnerRepaints();
}

TCustomRChart* TCustomRChart::UseDataOf() const { return fList.Owner() ? fList.Owner()->Host() : nullptr; }

void TCustomRChart::SetUseDataOf(TCustomRChart* owner) { fList.UseDataOf(owner ? &owner->fList : nullptr); }

void TCustomRChart::RepaintRequested() {
  if (fAutoRedraw) Paint();
}

void TCustomRChart::RepaintIfAuto() {
  if (fAutoRedraw) Paint();
}

// ---- appearance setters: store, then repaint ----

#define QUANTORA_REPAINTING_SETTER(Name, Type, field) \
  void TCustomRChart::Set##Name(Type v) {            \
    field = v;                                       \
    RepaintIfAuto();                                 \
  }

QUANTORA_REPAINTING_SETTER(WindColor, TColor, fWindColor)
QUANTORA_REPAINTING_SETTER(ChartColor, TColor, fChartColor)
QUANTORA_REPAINTING_SETTER(ChartFrameColor, TColor, fChartFrameColor)
QUANTORA_REPAINTING_SETTER(GridStyle, GridStyleType, fGridStyle)
QUANTORA_REPAINTING_SETTER(GridColor, TColor, fGridColor)
QUANTORA_REPAINTING_SETTER(ShadowStyle, TShadowStyle, fShadowStyle)
QUANTORA_REPAINTING_SETTER(ShadowColor, TColor, fShadowColor)
QUANTORA_REPAINTING_SETTER(ShadowBakColor, TColor, fShadowBakColor)
QUANTORA_REPAINTING_SETTER(Caption, const QString&, fCaption)
QUANTORA_REPAINTING_SETTER(CaptionAlignment, TAlignment, fCaptionAlignment)
QUANTORA_REPAINTING_SETTER(CaptionAnchorHoriz, TCaptionAnchorHoriz, fCaptionAnchorHoriz)
QUANTORA_REPAINTING_SETTER(CaptionAnchorVert, TCaptionAnchorVert, fCaptionAnchorVert)
QUANTORA_REPAINTING_SETTER(TextFontStyle, TFontStyles, fTextFontStyle)
QUANTORA_REPAINTING_SETTER(TextBkStyle, TTextBkg, fTextBkStyle)
QUANTORA_REPAINTING_SETTER(TextBkColor, TColor, fTextBkColor)
QUANTORA_REPAINTING_SETTER(TextAlignment, TAlignment, fTextAlignment)
#undef QUANTORA_REPAINTING_SETTER

void TCustomRChart::SetCaptionPosX(int v) {
  fCaptionPosX = ClampPixelOffset(v);
  RepaintIfAuto();
}

void TCustomRChart::SetCaptionPosY(int v) {
  fCaptionPosY = ClampPixelOffset(v);
  RepaintIfAuto();
}

void TCustomRChart::SetFont(const TFont& v) {
  fFont = v;
  RepaintIfAuto();
}

QString TCustomRChart::FontText() const { return FontToText(fFont); }

void TCustomRChart::SetFontText(const QString& v) {
  if (const auto font = FontFromText(v)) SetFont(*font);
}

void TCustomRChart::SetGridDx(double v) {
  if (v < -3) return;  // no such rule
  fGridDx = v;
  RepaintIfAuto();
}

void TCustomRChart::SetGridDy(double v) {
  if (v < -3) return;
  fGridDy = v;
  RepaintIfAuto();
}

}  // namespace vqm
