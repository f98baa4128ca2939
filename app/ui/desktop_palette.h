#pragma once
// The desktop's palette reaches the windows wherever their designs name a
// theme colour (button face, window text, highlight ...); the colours the
// designs fix stay. Without a palette of the desktop's own (the style's
// standard one is in force) the classic scheme keeps every machine's pixels the same.

namespace quantora {

// Takes the scheme from the application's palette now, and again whenever that
// palette changes, then sets every window's design colours again and repaints
// the charts and read-outs. Once per program; later calls do nothing more.
void FollowDesktopPalette();
// The desktop's own palette is in force (not the classic scheme).
bool DesktopPaletteInForce();

}  // namespace quantora
