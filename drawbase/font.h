#pragma once
// A font as the components describe it: a family name as the design names it,
// a height in pixels, a style and a colour. The design's Windows family names are
// mapped to fonts that our set-up installs on every machine (see fonts.cpp).

#include <cstdint>
#include <string>

#include "colors.h"

class QFont;

namespace vqm {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;  // an or-ed set of TFontStyle

// Pixels per inch of the screen the design assumes when converting point sizes.
constexpr int kScreenPixelsPerInch = 96;

struct TFont {
  std::string Name = "MS Sans Serif";  // family as the design names it
  int Height = 13;                     // character height (em) in pixels
  TFontStyles Style = 0;               // bold, italic, underline, strike-out
  TColor Color = clWindowText;         // text colour

  // Size in points at the given pixel density, and the inverse.
  int SizeAt(int pixelsPerInch) const;
  void SetSizeAt(int points, int pixelsPerInch);

  bool operator==(const TFont&) const = default;
};

// The installed family that stands in for a design family name.
std::string SubstituteFamily(const std::string& designName);

// The toolkit font for a TFont.
QFont ToQFont(const TFont& font);

}  // namespace vqm
