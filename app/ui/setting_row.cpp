#include "setting_row.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "focus_mark.h"

namespace quantora {

TSettingRow::TSettingRow(QWidget* parent, const TLook& look, TSettingRange range, TSliderScale scale)
    : QObject(parent), fScale(scale) {
  const QString name = QString::fromLatin1(look.name);
  Spin = new QDoubleSpinBox(parent);
  Spin->setObjectName(QStringLiteral("Spin") + name);
  // The program writes numbers with a point everywhere, in every language.
  Spin->setLocale(QLocale::c());
  Spin->setDecimals(look.decimals);
  Spin->setRange(range.min, range.max);
  Spin->setSuffix(QLatin1Char(' ') + QString::fromUtf8(look.unit));
  Spin->setAlignment(Qt::AlignRight);
  if (look.step > 0) {
    Spin->setSingleStep(look.step);
  } else {
    Spin->setStepType(QAbstractSpinBox::AdaptiveDecimalStepType);
  }
  Spin->setAccessibleName(QString::fromUtf8(look.accessible));

  Slider = new QSlider(Qt::Horizontal, parent);
  Slider->setObjectName(QStringLiteral("Slider") + name);
  Slider->setRange(0, scale.Steps());
  Slider->setPageStep(scale.Steps() / 20);
  Slider->setAccessibleName(QString::fromUtf8(look.accessible));

  Label = new QLabel(QString::fromUtf8(look.label), parent);
  Label->setObjectName(QStringLiteral("Lbl") + name);
  Label->setBuddy(Spin);

  ShowFocusMark(Spin);
  ShowFocusMark(Slider);
  connect(Spin, &QDoubleSpinBox::valueChanged, this, [this] { TakeSpin(); });
  connect(Slider, &QSlider::valueChanged, this, [this](int position) { TakeSlider(position); });
}

double TSettingRow::Value() const { return Spin->value(); }

void TSettingRow::Show(double value) {
  const QSignalBlocker spin(Spin);
  const QSignalBlocker slider(Slider);
  Spin->setValue(value);
  Slider->setValue(fScale.Position(Spin->value()));
}

void TSettingRow::TakeSpin() {
  if (!fFromSlider) {
    const QSignalBlocker slider(Slider);
    Slider->setValue(fScale.Position(Spin->value()));
  }
  if (OnChange) OnChange();
}

void TSettingRow::TakeSlider(int position) {
  fFromSlider = true;
  Spin->setValue(fScale.Value(position));  // rounded to the spin box's decimals
  fFromSlider = false;
}

}  // namespace quantora
