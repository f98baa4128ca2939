#pragma once
// The thin widget that shows a stand-alone TScale on a form: it owns its scale,
// keeps the scale's bounds in step with its geometry and, on every paint event,
// has the scale paint into an image that it then puts on the screen.

#include <QImage>
#include <QWidget>

#include "scale/scale.h"

namespace vqm {

class TScaleWidget : public QWidget {
  Q_OBJECT
 public:
  explicit TScaleWidget(QWidget* parent = nullptr);
  ~TScaleWidget() override;

  TScale& Scale() { return *fScale; }
  const TScale& Scale() const { return *fScale; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  TScale* fScale;  // a child object: the form translator finds its texts
  QImage fImage;   // the surface the scale paints on, kept between paints
};

}  // namespace vqm
