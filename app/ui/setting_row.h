#pragma once
// One numeric setting of a window as a row of three controls: its label, a
// spin box that shows the value with its unit and takes typed values, and a
// slider beside it that moves with the spin box and sets it when dragged.

#include <QObject>
#include <functional>

#include "app/slider_scale.h"
#include "model/chain_settings.h"

class QDoubleSpinBox;
class QLabel;
class QSlider;
class QWidget;

namespace quantora {

class TSettingRow : public QObject {
  Q_OBJECT
 public:
  struct TLook {
    const char* name;        // object names: Spin<name>, Slider<name>, Lbl<name>
    const char* label;       // design text of the label, with its mnemonic
    const char* accessible;  // design text naming the spin box and the slider for screen readers
    const char* unit;        // after the number, not translated ("V", "MHz")
    int decimals;
    double step;             // of the arrow keys; 0: a step in the value's own decade
  };
  TSettingRow(QWidget* parent, const TLook& look, TSettingRange range, TSliderScale scale);

  double Value() const;
  // Shows `value` in both controls without calling OnChange.
  void Show(double value);
  // Called after every change the user makes, typed, stepped or dragged.
  std::function<void()> OnChange;

  QLabel* Label;
  QDoubleSpinBox* Spin;
  QSlider* Slider;

 private:
  void TakeSpin();
  void TakeSlider(int position);

  TSliderScale fScale;
  bool fFromSlider = false;  // the spin box follows the slider: the slider keeps its position
};

}  // namespace quantora
