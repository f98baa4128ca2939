#include "palette_scheme.h"

namespace vqm {

namespace {

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

struct TRoleOfIndex {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The window designs' form background is the button face: the palette's window.
constexpr TRoleOfIndex kRoles[] = {
    {0, QPalette::Active, QPalette::Button},            // scroll bar
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
    {15, QPalette::Active, QPalette::Window},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {20, QPalette::Active, QPalette::Light},            // button highlight
    {21, QPalette::Active, QPalette::Shadow},           // 3-D dark shadow
    {22, QPalette::Active, QPalette::Midlight},         // 3-D light
    {23, QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},      // tooltip background
    {26, QPalette::Active, QPalette::Link},             // hot light
    {29, QPalette::Active, QPalette::Highlight},        // menu highlight
    {30, QPalette::Active, QPalette::Window},           // menu bar
};

}  // namespace

TThemeColors ThemeColorsFrom(const QPalette& palette) {
  TThemeColors colors = ClassicThemeColors();
  for (const TRoleOfIndex& r : kRoles) colors[std::size_t(r.index)] = FromQColor(palette.color(r.group, r.role));
  return colors;
}

}  // namespace vqm
