// Layers, ranges, the world/pixel mapping, margins, resizing and loading.
#include <QAccessible>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "chart/axis_controls.h"
#include "chart/design_limits.h"
#include "chart/rchart.h"
#include "chart/standard_layouts.h"

namespace vqm {

void TCustomRChart::CalcTransforms() {
  if (fLoading) return;
  const int w = DataWidth(), h = DataHeight();
  const int right = DataRight();
  const int bottom = DataBottom();
  for (int i = 0; i < kLayerCount; ++i) {
    const TScaleProps& x = *fScaleX[std::size_t(i)];
    const TScaleProps& y = *fScaleY[std::size_t(i)];
    fMapX[std::size_t(i)] = MakeWorldAxisMap({x.RangeLow(), x.RangeHigh(), x.Logarithmic(), fMarginLeft, right, w,
                                              width() / 2, 0, width()});
    fMapY[std::size_t(i)] = MakeWorldAxisMap({y.RangeLow(), y.RangeHigh(), y.Logarithmic(), bottom, fMarginTop, h,
                                              height() / 2, height(), 0});
  }
}

void TCustomRChart::WorldToPixel(int layer, double x, double y, int& xpix, int& ypix) const {
  xpix = MapX(layer).ToPixel(x);
  ypix = MapY(layer).ToPixel(y);
}

void TCustomRChart::PixelToWorld(int layer, int xpix, int ypix, double& x, double& y) const {
  // Out-of-range layers are not clamped by the original rule; they are refused
  // here instead of reading past the tables.
  if (layer < 1 || layer > kLayerCount) return;
  x = fMapX[std::size_t(layer - 1)].ToWorld(xpix);
  y = fMapY[std::size_t(layer - 1)].ToWorld(ypix);
}

TRangeHistory::TSnapshot TCustomRChart::CurrentRanges() const {
  TRangeHistory::TSnapshot s;
  for (int i = 0; i < kLayerCount; ++i) {
    const TScaleProps& x = *fScaleX[std::size_t(i)];
    const TScaleProps& y = *fScaleY[std::size_t(i)];
    s[std::size_t(i)] = {x.RangeLow(), y.RangeHigh(), x.RangeHigh(), y.RangeLow()};
  }
  return s;
}

void TCustomRChart::SaveRangeSnapshot() {
  if (fLoading || fHoldSnapshots) return;
  fRangeHistory.Save(CurrentRanges());
}

void TCustomRChart::ResetRangeHistory() {
  fRangeHistory.Clear();
  SaveRangeSnapshot();
}

namespace {
// Whether a new range of one axis counts as a change worth a history entry.
bool RangeCounts(const TScaleProps& axis, double low, double high) {
  if (std::fabs(low - high) < axis.MinRange()) return false;
  return !axis.Logarithmic() || low >= kLogFloor || high >= kLogFloor;
}
}  // namespace

void TCustomRChart::ApplyLayerRange(int layer, double xlow, double ylow, double xhigh, double yhigh,
                                    bool saveSnapshot, bool) {
  if (layer < 1 || layer > kLayerCount) return;
  TScalePropsHoriz& x = *fScaleX[std::size_t(layer - 1)];
  TScalePropsVert& y = *fScaleY[std::size_t(layer - 1)];
  x.SetRangeDirect(xlow, xhigh);
  y.SetRangeDirect(ylow, yhigh);
  fAxes->Push(layer);
  const bool changed = RangeCounts(x, xlow, xhigh) || RangeCounts(y, ylow, yhigh);
  if (saveSnapshot && changed) SaveRangeSnapshot();
  CalcTransforms();
}

void TCustomRChart::SetLayerRange(int layer, double xlow, double ylow, double xhigh, double yhigh,
                                  bool saveSnapshot, bool) {
  if (layer < 1 || layer > kLayerCount) return;
  const bool lock = fPaintLock;
  fPaintLock = true;
  const TRangeHistory::TSnapshot before = CurrentRanges();
  // A following axis cannot be moved by itself.
  if (fJointLayers.ControlledBy(TAxisDirection::X, layer) != layer) {
    xlow = ScaleX(layer)->RangeLow();
    xhigh = ScaleX(layer)->RangeHigh();
  }
  if (fJointLayers.ControlledBy(TAxisDirection::Y, layer) != layer) {
    ylow = ScaleY(layer)->RangeLow();
    yhigh = ScaleY(layer)->RangeHigh();
  }
  ApplyLayerRange(layer, xlow, ylow, xhigh, yhigh, saveSnapshot);
  for (int i = 1; i <= kLayerCount; ++i) {
    if (i == layer) continue;
    const int xLeader = fJointLayers.ControlledBy(TAxisDirection::X, i);
    const int yLeader = fJointLayers.ControlledBy(TAxisDirection::Y, i);
    if (xLeader != layer && yLeader != layer) continue;
    const TScaleProps& lx = *ScaleX(xLeader);
    const TScaleProps& ly = *ScaleY(yLeader);
    ApplyLayerRange(i, lx.RangeLow(), ly.RangeLow(), lx.RangeHigh(), ly.RangeHigh(), true);
  }
  // Still under the lock: a client that builds its items for the visible range
  // rebuilds them now, and the chart paints once, with them.
  if (CurrentRanges() != before) {
    if (OnRangeChange) OnRangeChange(this);
    // A screen reader hears the new ranges in the chart's description.
    if (QAccessible::isActive()) {
      QAccessibleEvent described(this, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&described);
    }
  }
  SetPaintLock(lock);
}

void TCustomRChart::JoinLayer(TAxisDirection dir, int follower, int leader) {
  const TScaleProps& x = *ScaleX(dir == TAxisDirection::X ? leader : follower);
  const TScaleProps& y = *ScaleY(dir == TAxisDirection::Y ? leader : follower);
  ApplyLayerRange(follower, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh(), false);
}

// Every layer's range is set again (pulling joined layers onto their leaders)
// under one paint lock, so that the chart paints once, not once per layer.
// While loading, once at its end.
void TCustomRChart::ScalePropsChanged() {
  if (fLoading) return;
  const bool lock = fPaintLock;
  fPaintLock = true;
  fAxes->PushAll();
  for (int n = 1; n <= kLayerCount; ++n) {
    const TScaleProps& x = *ScaleX(n);
    const TScaleProps& y = *ScaleY(n);
    SetLayerRange(n, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh(), false);
  }
  fPaintLock = lock;
  Paint();
}

void TCustomRChart::SetPaintLock(bool v) {
  if (v == fPaintLock) return;
  fPaintLock = v;
  if (!v) Paint();
}

// ---- margins, shadow, isometric ----

// The data image is drawn straight into its place in the frame image, where it
// fits there and its background paints every pixel of it; otherwise it has an
// image of its own that is copied over.
void TCustomRChart::ResizeDataImage() {
  const TSize area = DataAreaPixels();
  if (BackgroundCoversDataImage() && fDataImage.ShareArea(fFrameImage, fMarginLeft, fMarginTop, area.cx, area.cy))
    return;
  fDataImage.StopSharing();
  fDataImage.SetSize(area.cx, area.cy);
}

void TCustomRChart::ApplyIsometricRule(int layer) {
  const TScaleProps& x = *ScaleX(layer);
  TScaleProps& y = *ScaleY(layer);
  const long double ratio = static_cast<long double>(DataHeight() + 1) / (DataWidth() + 1) * fAspectY / fAspectX;
  y.SetRangeHigh(double((static_cast<long double>(x.RangeHigh()) - x.RangeLow()) * ratio + y.RangeLow()));
}

void TCustomRChart::AfterMarginChange() {
  ResizeDataImage();
  if (fIsometric)
    for (int n = 1; n <= kLayerCount; ++n) ApplyIsometricRule(n);
  if (!fLoading) setMinimumSize(MinimumWidth(), MinimumHeight());
  fAxes->SetGeometry();
  fAxes->PushAll();
  CalcTransforms();
  RepaintIfAuto();
}

void TCustomRChart::SetMarginLeft(int v) {
  fMarginLeft = ClampMargin(v);
  AfterMarginChange();
}
void TCustomRChart::SetMarginRight(int v) {
  fMarginRight = ClampMargin(v);
  AfterMarginChange();
}
void TCustomRChart::SetMarginTop(int v) {
  fMarginTop = ClampMargin(v);
  AfterMarginChange();
}
void TCustomRChart::SetMarginBottom(int v) {
  fMarginBottom = ClampMargin(v);
  AfterMarginChange();
}
void TCustomRChart::SetShadowWidth(int v) {
  fShadowWidth = std::clamp(v, 0, 32);
  AfterMarginChange();
}

void TCustomRChart::SetIsometric(bool v) {
  fIsometric = v;
  if (!v) return;
  for (int n = 1; n <= kLayerCount; ++n) ApplyIsometricRule(n);
  SaveRangeSnapshot();
  RepaintIfAuto();
}

// ---- size ----

void TCustomRChart::SetBounds(int left, int top, int w, int h) {
  // While loading, the margins that decide the least size may still change.
  const int leastWidth = fLoading ? 0 : MinimumWidth(), leastHeight = fLoading ? 0 : MinimumHeight();
  setGeometry(ClampPixelOffset(left), ClampPixelOffset(top), std::max(ClampExtent(w), leastWidth),
              std::max(ClampExtent(h), leastHeight));
  AfterResize();
}

void TCustomRChart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (size() != fLaidOutSize) AfterResize();
}

void TCustomRChart::AfterResize() {
  fLaidOutSize = size();
  if (fIsometric)
    for (int n = 1; n <= kLayerCount; ++n) ApplyIsometricRule(n);
  ResizeDataImage();
  fAxes->SetGeometry();
  fAxes->PushAll();
  CalcTransforms();
  RepaintIfAuto();
}

void TCustomRChart::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  fPaintLock = false;  // the window exists now
  Paint();
}

// ---- loading ----

void TCustomRChart::BeginLoad() {
  fLoading = true;
  setMinimumSize(0, 0);  // until the margins are known
  for (int n = 1; n <= kLayerCount; ++n) {
    ScaleX(n)->SetLoading(true);
    ScaleY(n)->SetLoading(true);
  }
}

void TCustomRChart::EndLoad() {
  fLoading = false;
  setMinimumSize(MinimumWidth(), MinimumHeight());
  for (int n = 1; n <= kLayerCount; ++n) {
    ScaleX(n)->SetLoading(false);
    ScaleY(n)->SetLoading(false);
  }
  ScalePropsChanged();
  CalcTransforms();
  Paint();
}

// ---- standard layouts ----

void TCustomRChart::SetStandardLayout(TrcLayout layout) {
  const TChartLayout& r = StandardLayoutRecord(layout);
  const bool lock = fPaintLock;
  fPaintLock = true;
  SetMarginLeft(r.MarginLeft);
  SetMarginRight(r.MarginRight);
  SetMarginTop(r.MarginTop);
  SetMarginBottom(r.MarginBottom);
  SetCaptionPosX(r.CaptionPosX);
  SetCaptionPosY(r.CaptionPosY);
  SetCaptionAlignment(r.CaptionAlignment);
  SetCaptionAnchorHoriz(r.CaptionAnchorHoriz);
  SetCaptionAnchorVert(r.CaptionAnchorVert);
  auto apply = [](TScaleProps& p, const TAxisLayout& a) {
    p.SetCaptionPosX(a.CaptionPosX);
    p.SetCaptionPosY(a.CaptionPosY);
    p.SetCaptionAlignment(a.CaptionAlignment);
    p.SetCaptionAnchor(a.CaptionAnchor);
    p.SetScalePos(a.ScalePos);
    p.SetVisible(a.Visible);
  };
  for (int n = 1; n <= 4; ++n) {
    const TAxisLayout& x = r.X[std::size_t(n - 1)];
    ScaleX(n)->SetScaleLocation(x.Location == alcAbove ? slTop : slBottom);
    apply(*ScaleX(n), x);
  }
  for (int n = 1; n <= 4; ++n) {
    const TAxisLayout& y = r.Y[std::size_t(n - 1)];
    ScaleY(n)->SetScaleLocation(y.Location == alcRight ? slRight : slLeft);
    apply(*ScaleY(n), y);
  }
  for (int n = 5; n <= kLayerCount; ++n) {
    ScaleX(n)->SetVisible(false);
    ScaleY(n)->SetVisible(false);
  }
  fAxes->PushAll();
  SetPaintLock(lock);
}

}  // namespace vqm
