#pragma once
// Helpers that turn the window designs' settings into toolkit settings: fonts by
// design family and pixel height, colours by the library's colour values.
// Theme colours take the scheme in force (the desktop's palette, when it has
// one of its own); the colours a widget was given are kept with it so that
// they can be set again when that scheme changes.

#include <QColor>
#include <QFont>
#include <QWidget>

#include "drawbase/colors.h"
#include "drawbase/font.h"

namespace quantora {

QFont DesignFont(const char* family, int pixelHeight, vqm::TFontStyles style = 0);
QColor DesignColor(vqm::TColor color);
// Background (window and base roles) and text colour of a widget. The text
// takes the window text colour unless the design names one; it stays legible
// on the background when the desktop's scheme changes either.
void SetColors(QWidget* w, vqm::TColor background, vqm::TColor text = vqm::clWindowText);
// Background (window role) alone.
void SetBackground(QWidget* w, vqm::TColor background);
// Text colour alone, legible on the background of the nearest widget that has one.
void SetTextColor(QWidget* w, vqm::TColor text);
// Sets the colours given with the three calls above again, on `root` and on
// every widget below it, after the scheme changed.
void ApplyDesignColorsAgain(QWidget* root);

}  // namespace quantora
