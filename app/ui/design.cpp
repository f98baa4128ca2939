#include "design.h"

#include "drawbase/image_canvas.h"

namespace quantora {

QFont DesignFont(const char* family, int pixelHeight, vqm::TFontStyles style) {
  vqm::TFont f;
  f.Name = family;
  f.Height = pixelHeight;
  f.Style = style;
  return vqm::ToQFont(f);
}

QColor DesignColor(vqm::TColor color) { return QColor::fromRgb(vqm::ToQRgb(color)); }

void SetColors(QWidget* w, vqm::TColor background, vqm::TColor text) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, DesignColor(background));
  pal.setColor(QPalette::Base, DesignColor(background));
  pal.setColor(QPalette::WindowText, DesignColor(text));
  pal.setColor(QPalette::Text, DesignColor(text));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, vqm::TColor text) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, DesignColor(text));
  w->setPalette(pal);
}

}  // namespace quantora
