#include "app/ui/widget_picture.h"

#include <QWidget>

#include "drawbase/device_pixels.h"

namespace quantora {

QImage WidgetPicture(QWidget& widget, double scale) {
  const vqm::TDevicePixels device(scale);
  QImage picture(device.Extent(widget.width()), device.Extent(widget.height()),
                 QImage::Format_ARGB32_Premultiplied);
  if (picture.isNull()) return picture;
  picture.setDevicePixelRatio(device.Ratio());
  picture.fill(Qt::transparent);  // what the window leaves unpainted, as the toolkit's own grab does
  widget.render(&picture, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
  // The picture's pixels are its size: a viewer shows it at the scale asked for.
  picture.setDevicePixelRatio(1.0);
  return picture;
}

}  // namespace quantora
