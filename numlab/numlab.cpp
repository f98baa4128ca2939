#include "numlab/numlab.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

#include "drawbase/device_pixels.h"
#include "drawbase/painter_canvas.h"
#include "numlab/numlab_accessible.h"
#include "drawbase/vqm_error.h"

namespace vqm {

TNumLab::TNumLab(QWidget* parent) : QWidget(parent) {
  resize(kDefaultWidth, kDefaultHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the off-screen image
  setFocusPolicy(Qt::NoFocus);
}

template <class T>
void TNumLab::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed();
}

// Paints at once, as a property change must show before the next event. A change
// made while painting (by the display event) gets a queued paint instead of a
// recursive one.
void TNumLab::Changed() {
  if (QAccessible::isActive()) {  // a screen reader hears the new text: all of it, value and unit
    QAccessibleTextUpdateEvent shown(this, 0, QString(), TNumLabAccessible(this).ValueWithUnit());
    QAccessible::updateAccessibility(&shown);
  }
  if (fPainting) {
    update();
    return;
  }
  repaint();
}

void TNumLab::SetValue(double v) { Store(fValue, v); }
void TNumLab::SetDisplayType(TDisplay v) { Store(fFormat.DisplayType, v); }
void TNumLab::SetComma(bool v) { Store(fFormat.Comma, v); }
void TNumLab::SetForcePlusSign(bool v) { Store(fFormat.ForcePlusSign, v); }
void TNumLab::SetDTFormat(const QString& v) { Store(fFormat.DTFormat, v.toStdString()); }
void TNumLab::SetStateText(const QString& v) { Store(fFormat.StateText, v.toStdString()); }
void TNumLab::SetOverflowIndicator(const QString& v) { Store(fFormat.OverflowIndicator, v.toStdString()); }
void TNumLab::SetLabelWidth(int v) { Store(fLook.LabelWidth, v); }
void TNumLab::SetEmpty(bool v) { Store(fLook.Empty, v); }
void TNumLab::SetLeftText(const QString& v) { Store(fLook.LeftText, v); }
void TNumLab::SetRightText(const QString& v) { Store(fLook.RightText, v); }
void TNumLab::SetFrameStyle(TFrameStyle v) { Store(fLook.FrameStyle, v); }
void TNumLab::SetAlignment(TAlignment v) { Store(fLook.Alignment, v); }
void TNumLab::SetLeftTextAlignment(TAlignment v) { Store(fLook.LeftTextAlignment, v); }
void TNumLab::SetRightTextAlignment(TAlignment v) { Store(fLook.RightTextAlignment, v); }
void TNumLab::SetColorLabBakG(TColor v) { Store(fLook.ColorLabBakG, v); }
void TNumLab::SetColorLabText(TColor v) { Store(fLook.ColorLabText, v); }
void TNumLab::SetColorOutBakG(TColor v) { Store(fLook.ColorOutBakG, v); }
void TNumLab::SetColorOutText(TColor v) { Store(fLook.ColorOutText, v); }
void TNumLab::SetFont(const TFont& v) { Store(fFont, v); }

void TNumLab::SetPrecision(int v) {
  if (v < 0) return;
  Store(fFormat.Precision, std::min(v, kMaxPrecision));
}

void TNumLab::SetLeftSpace(int v) {
  if (v < 0) return;
  Store(fLook.LeftSpace, std::min(v, width()));
}

void TNumLab::SetColorScheme(TColorScheme v) {
  if (fColorScheme == v) return;
  fColorScheme = v;
  fFrameColors = FrameColorsFor(v);
  Changed();
}

void TNumLab::Assign(const QObject* source) {
  const auto* other = qobject_cast<const TNumLab*>(source);
  if (!other) {
    const char* from = source ? source->metaObject()->className() : "nil";
    throw EVQMError(std::string("Cannot assign a ") + from + " to a " + metaObject()->className());
  }
  fLook = other->fLook;
  fValue = other->fValue;
  fFormat.Precision = other->fFormat.Precision;
  fFormat.OverflowIndicator = other->fFormat.OverflowIndicator;
  fFormat.StateText = other->fFormat.StateText;
  fFormat.DisplayType = other->fFormat.DisplayType;
  fFrameColors = other->fFrameColors;
  fColorScheme = other->fColorScheme;
  Changed();
}

void TNumLab::AssignTo(QObject* target) const {
  // Only into a read-out of this one's own class (or a base of it).
  if (auto* readout = qobject_cast<TNumLab*>(target); readout && metaObject()->inherits(target->metaObject())) {
    readout->Assign(this);
    return;
  }
  const char* to = target ? target->metaObject()->className() : "nil";
  throw EVQMError(std::string("Cannot assign a ") + metaObject()->className() + " to a " + to);
}

QString TNumLab::ValueText() {
  QString text = QString::fromStdString(FormatValueText(fValue, fFormat));
  if (OnBeforeDisplay) OnBeforeDisplay(this, text);
  return text;
}

void TNumLab::PaintTo(TBitmap& bitmap) {
  bitmap.SetSize(width(), height());
  PaintOn(bitmap.Canvas());
}

void TNumLab::PaintOn(TCanvas& canvas) {
  fPainting = true;
  struct EndPainting {
    bool& flag;
    ~EndPainting() { flag = false; }
  } endPainting{fPainting};
  std::optional<TFieldText> value;
  if (!fLook.Empty)
    value = TFieldText{ValueText(), OverflowIndicator(), fFormat.DisplayType == dtState};
  PaintNumLab(canvas, fLook, fFrameColors, fFont, value ? &*value : nullptr);
}

void TNumLab::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (IsVectorPainter(painter)) {  // rendered onto a page: real text
    TPainterCanvas canvas(painter, {width(), height()}, true);
    PaintOn(canvas);
    return;
  }
  fScreenBitmap.SetPixelRatio(PainterPixelRatio(painter));  // at the screen's resolution
  PaintTo(fScreenBitmap);
  painter.drawImage(0, 0, fScreenBitmap.Image());
}

}  // namespace vqm
