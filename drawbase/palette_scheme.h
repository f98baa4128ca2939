#pragma once
// The desktop theme's colours taken from a toolkit palette, so that a
// desktop's own palette (a high-contrast one, say) reaches the library's
// widgets wherever their design names a theme colour.

#include <QPalette>

#include "colors.h"

namespace vqm {

// Every index the palette has a role for takes that role's colour; the rest
// (captions, borders, the desktop) keep the classic scheme's.
TThemeColors ThemeColorsFrom(const QPalette& palette);

}  // namespace vqm
