#pragma once
// Helpers that turn the window designs' settings into toolkit settings: fonts by
// design family and pixel height, colours by the library's colour values.

#include <QColor>
#include <QFont>
#include <QWidget>

#include "drawbase/colors.h"
#include "drawbase/font.h"

namespace quantora {

QFont DesignFont(const char* family, int pixelHeight, vqm::TFontStyles style = 0);
QColor DesignColor(vqm::TColor color);
// Background (window role) and text colour of a widget.
void SetColors(QWidget* w, vqm::TColor background, vqm::TColor text = vqm::clBlack);
void SetTextColor(QWidget* w, vqm::TColor text);

}  // namespace quantora
