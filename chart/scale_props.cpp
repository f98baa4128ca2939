#include "chart/scale_props.h"

#include <algorithm>
#include <cmath>

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
  fCaptionPosX = v;
  Changed();
}
void TScaleProps::SetCaptionPosY(int v) {
  fCaptionPosY = v;
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

void TScaleProps::SetMinRange(double v) {
  if (v > kLogFloor) {
    fMinRange = v;
    if (std::fabs(fRangeHigh - fRangeLow) < v) {
      const double centre = (fRangeLow + fRangeHigh) / 2;
      fRangeLow = centre - v / 2;
      fRangeHigh = centre + v / 2;
    }
  }
  Changed();
}

void TScaleProps::SetRangeLow(double v) {
  if (std::fabs(fRangeHigh - v) < fMinRange) {
    fRangeLow = v;
    fRangeHigh = v + fMinRange;
  } else if (!fLogarithmic || v >= kLogFloor) {
    fRangeLow = v;
  }
  Changed();
}

void TScaleProps::SetRangeHigh(double v) {
  if (std::fabs(fRangeLow - v) < fMinRange) {
    fRangeHigh = v;
    fRangeLow = v - fMinRange;
  } else if (!fLogarithmic || v >= kLogFloor) {
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
  fScalePos = v;
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
