#include "chart/scale_props.h"

#include <algorithm>
#include <cmath>

#include "chart/design_limits.h"
#include "chart/font_text.h"

namespace vqm {

TScaleProps::TScaleProps(QObject* parent) : QObject(parent) {
  fDateFormat.SetTimeFormat(tfHHMMSS);
  fDateFormat.SetDateSeparator('-');
  fDateFormat.SetTimeSeparator(':');
  fDateFormat.SetYearLength(ylYYYY);
  fDateFormat.SetMonthName(true);
  fDateFormat.SetDateForTime(dtOnePerDay);
  fDateFormat.SetDateOrder(doDDMMYY);
}

void TScaleProps::Changed() {
  if (OnChange) OnChange(this);
  emit changed();
}

QString TScaleProps::FontText() const { return FontToText(fFont); }
void TScaleProps::SetFontText(const QString& v) {
  if (const auto font = FontFromText(v)) SetFont(*font);
}
QString TScaleProps::DateFormatText() const { return DateFormatToText(fDateFormat); }
// Assigning the seven fields raises the format's change notification, which
// counts as a change of the axis.
void TScaleProps::SetDateFormatText(const QString& v) { DateFormatFromText(v, fDateFormat); }

void TScaleProps::SetCaption(const QString& v) {
  fCaption = v;
  Changed();
}
void TScaleProps::SetCaptionPosX(int v) {
  fCaptionPosX = ClampPixelOffset(v);
  Changed();
}
void TScaleProps::SetCaptionPosY(int v) {
  fCaptionPosY = ClampPixelOffset(v);
  Changed();
}
void TScaleProps::SetCaptionAlignment(TAlignment v) {
  fCaptionAlignment = v;
  Changed();
}
void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor v) {
  fCaptionAnchor = v;
  Changed();
}
void TScaleProps::SetColorScale(TColor v) {
  fColorScale = v;
  Changed();
}
void TScaleProps::SetDecPlaces(int v) {
  fDecPlaces = std::clamp(v, -3, 12);
  Changed();
}
void TScaleProps::SetFont(const TFont& v) {
  fFont = v;
  Changed();
}

void TScaleProps::SetLogarithmic(bool v) {
  // While loading the stored value comes first and the range may follow it.
  if (!v || fLoading || (fRangeLow >= kLogFloor && fRangeHigh >= kLogFloor && fLabelType != ftDateTime))
    fLogarithmic = v;
  Changed();
}

void TScaleProps::SetLabelType(TFigType v) {
  fLabelType = v;
  if (v == ftDateTime) fLogarithmic = false;
  if (v == ftTime) fDecPlaces = 4;
  Changed();
}

void TScaleProps::SetMinTicks(int v) {
  fMinTicks = v;
  Changed();
}

// Sets the range to span MinRange from `end` of it at `value`, both ends within
// the world limits.
void TScaleProps::SpanMinRange(TRangeEnd end, double value) {
  const double m = fMinRange;
  double low, high;
  if (end == TRangeEnd::Low) {
    low = std::min(value, kMaxWorldValue - m);
    high = std::min(low + m, kMaxWorldValue);
  } else {
    high = std::max(value, m - kMaxWorldValue);
    low = std::max(high - m, -kMaxWorldValue);
  }
  // Rounding may eat some of the span: the far end moves out by ulps, or the
  // anchor where the far end is at its limit.
  while (high - low < m) {
    const bool moveHigh = end == TRangeEnd::Low ? high < kMaxWorldValue : low <= -kMaxWorldValue;
    if (moveHigh)
      high = std::nextafter(high, kMaxWorldValue);
    else
      low = std::nextafter(low, -kMaxWorldValue);
  }
  fRangeLow = low;
  fRangeHigh = high;
}

void TScaleProps::SetMinRange(double v) {
  if (v > kLogFloor) {  // NaN too is refused
    fMinRange = std::min(v, kMaxWorldValue);
    if (!(std::fabs(fRangeHigh - fRangeLow) >= fMinRange))
      SpanMinRange(TRangeEnd::Low, fRangeLow / 2 + fRangeHigh / 2 - fMinRange / 2);  // about the centre
  }
  Changed();
}

void TScaleProps::SetRangeLow(double v) {
  if (std::isnan(v)) return Changed();
  v = ClampWorldValue(v);
  if (!(std::fabs(fRangeHigh - v) >= fMinRange)) {
    SpanMinRange(TRangeEnd::Low, v);
  } else if (!fLogarithmic || fLoading || v >= kLogFloor) {  // loading: as stored, like Logarithmic
    fRangeLow = v;
  }
  Changed();
}

void TScaleProps::SetRangeHigh(double v) {
  if (std::isnan(v)) return Changed();
  v = ClampWorldValue(v);
  if (!(std::fabs(fRangeLow - v) >= fMinRange)) {
    SpanMinRange(TRangeEnd::High, v);
  } else if (!fLogarithmic || fLoading || v >= kLogFloor) {  // loading: as stored, like Logarithmic
    fRangeHigh = v;
  }
  Changed();
}

void TScaleProps::SetShortTicks(bool v) {
  fShortTicks = v;
  Changed();
}
void TScaleProps::SetScaleInscript(const QString& v) {
  fScaleInscript = v;
  Changed();
}
void TScaleProps::SetScalePos(int v) {
  fScalePos = ClampPixelOffset(v);
  Changed();
}
void TScaleProps::SetUserTickText(const QString& v) {
  fUserTickText = v;
  Changed();
}
void TScaleProps::SetVisible(bool v) {
  fVisible = v;
  Changed();
}

TScalePropsHoriz::TScalePropsHoriz(QObject* parent) : TScaleProps(parent) { SetLocationCode(alcBelow); }

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz v) {
  SetLocationCode(v == slTop ? alcAbove : alcBelow);
  Changed();
}

TScalePropsVert::TScalePropsVert(QObject* parent) : TScaleProps(parent) { SetLocationCode(alcLeft); }

void TScalePropsVert::SetScaleLocation(TScaleLocationVert v) {
  SetLocationCode(v == slLeft ? alcLeft : alcRight);
  Changed();
}

}  // namespace vqm
