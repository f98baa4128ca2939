#pragma once
// Enumerations that only the chart uses.

#include <cstdint>

namespace vqm {

// Grid of the data area.
enum GridStyleType : std::uint8_t {
  gsNone,           // no grid
  gsPoints,         // one pixel at each crossing
  gsVertLines,      // solid vertical lines
  gsHorizLines,     // solid horizontal lines
  gsLines,          // solid lines both ways
  gsHorizDotLines,  // dotted horizontal lines
  gsVertDotLines,   // dotted vertical lines
  gsDotLines,       // dotted lines both ways
};

// Horizontal anchor of the chart caption.
enum TCaptionAnchorHoriz : std::uint8_t {
  cahControlLeft,   // left edge of the control
  cahChartLeft,     // left edge of the data area
  cahChartCenter,   // middle of the data area
  cahChartRight,    // right edge of the data area
  cahControlRight,  // right edge of the control
};

// Vertical anchor of the chart caption.
enum TCaptionAnchorVert : std::uint8_t {
  cavControlTop,     // top edge of the control
  cavChartTop,       // top edge of the data area
  cavChartCenter,    // middle of the data area
  cavChartBottom,    // bottom edge of the data area (shadow not subtracted)
  cavControlBottom,  // bottom edge of the control
};

// Background behind text items.
enum TTextBkg : std::uint8_t {
  tbClear,  // transparent
  tbSolid,  // filled with the text background colour
};

// The standard layouts of margins, caption and axes.
enum TrcLayout : std::uint8_t {
  rcl_X1Bottom_Y1Left,  // one X axis below, one Y axis left
  rcl_X1Bottom_Y2Left,  // one X below, two Y left
  rcl_X1Bottom_Y3Left,  // one X below, three Y left
  rcl_X1Bottom_Y4Left,  // one X below, four Y left
  rcl_X1Bottom_Y2Both,  // one X below, Y left and right
  rcl_X2Bottom_Y2Left,  // two X below, two Y left
  rcl_X2Both_Y2Both,    // X below and above, Y left and right
};

}  // namespace vqm
