#include "scale/scale_widget.h"

#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>

#include "drawbase/device_pixels.h"

namespace vqm {

TScaleWidget::TScaleWidget(QWidget* parent) : QWidget(parent), fScale(new TScale(this)) {
  fScale->fWidget = this;
  // Opaque scales cover every pixel; transparent ones let the parent show through.
  setAttribute(Qt::WA_NoSystemBackground);
  resize(fScale->Width(), fScale->Height());
}

TScaleWidget::~TScaleWidget() { fScale->fWidget = nullptr; }

void TScaleWidget::paintEvent(QPaintEvent*) {
  if (size() != QSize(fScale->Width(), fScale->Height())) {  // a resize not delivered yet
    fScale->fExtent.Width = width();
    fScale->fExtent.Height = height();
    fScale->CalcMapping();  // no repaint request: this is the paint
  }
  if (!fScale->PaintAllowed() || width() <= 0 || height() <= 0) return;
  QPainter painter(this);
  const TDevicePixels device(PainterPixelRatio(painter));  // drawn at the screen's resolution
  const QSize deviceSize(device.Extent(width()), device.Extent(height()));
  if (fImage.size() != deviceSize || fImage.devicePixelRatio() != device.Ratio()) {
    fImage = QImage(deviceSize, QImage::Format_ARGB32);
    fImage.setDevicePixelRatio(device.Ratio());
  }
  fImage.fill(Qt::transparent);
  {
    TImageCanvas canvas(&fImage);
    fScale->PaintOnto(canvas, 0, 0);
  }
  painter.drawImage(0, 0, fImage);
}

void TScaleWidget::resizeEvent(QResizeEvent* event) {
  if (event->size() != QSize(fScale->Width(), fScale->Height()))
    fScale->SetBounds(x(), y(), event->size().width(), event->size().height());
}

void TScaleWidget::moveEvent(QMoveEvent* event) {
  fScale->fLeft = event->pos().x();
  fScale->fTop = event->pos().y();
}

}  // namespace vqm
