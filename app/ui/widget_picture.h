#pragma once
// A widget and its children as a picture at `scale` times its size, through
// the same painting as on the screen: at a scale above 1 the charts, axes and
// read-outs draw themselves again at that resolution, and the toolkit's own
// widgets and text do the same, so nothing in it is an enlarged pixel.

#include <QImage>

class QWidget;

namespace quantora {

QImage WidgetPicture(QWidget& widget, double scale);

}  // namespace quantora
