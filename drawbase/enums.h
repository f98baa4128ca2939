#pragma once
// Enumerations shared by the chart, the axis engine, the numeric read-out, the
// crosshairs and the text labels. Each is stored in one byte and counts from 0 in
// the order given; code and stored values rely on that order.

#include <cstdint>

namespace vqm {

// Frame around a scale or read-out field.
enum TFrameStyle : std::uint8_t {
  fsNone,      // no frame
  fsSimple,    // one-pixel outline in the "simple" colour
  fsLowered,   // two rings: shadow/highlight outside, dark/light inside (sunken)
  fsRaised,    // two rings: highlight/dark outside, light/shadow inside
  fsEmbossed,  // two rings: highlight/shadow outside, shadow/highlight inside
  fsEngraved,  // two rings: shadow/highlight outside, highlight/shadow inside
};

// Where the shadow and highlight colours of a frame come from.
enum TColorScheme : std::uint8_t {
  csBWG,     // fixed black, white and grey
  csSystem,  // the desktop theme's button shadow and highlight
};

// What the labels of an axis show.
enum TFigType : std::uint8_t {
  ftNoFigs,     // ticks without labels
  ftNum,        // numbers
  ftTime,       // durations in seconds shown as clock time
  ftDateTime,   // calendar date and time (days since 30 December 1899)
  ftUserText,   // texts from the axis's user tick text
};

// Orientation of a scale and the side of its drawing area its base line lies on.
enum TScaleType : std::uint8_t {
  sctXB,  // horizontal, base line at the bottom, ticks and labels above it
  sctXT,  // horizontal, base line at the top, ticks and labels below it
  sctYL,  // vertical, base line at the left, ticks and labels to its right
  sctYR,  // vertical, base line at the right, ticks and labels to its left
};

// Clock style of time labels.
enum TTimeFormat : std::uint8_t {
  tfHHMMSS,  // 24-hour with the time separator
  tfHHhMM,   // 24-hour with a letter h
  tfAMPM,    // 12-hour with am/pm
};

// Year in date labels.
enum TYearLength : std::uint8_t {
  ylNone,  // no year
  ylYY,    // two digits
  ylYYYY,  // four digits
};

// Order of the parts of a date label.
enum TDateOrder : std::uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };

// When clock labels also get a date line.
enum TDateForTime : std::uint8_t {
  dtNone,         // never
  dtOnePerChart,  // once per axis
  dtOnePerDay,    // at the first tick of each day
  dtAllTicks,     // under every tick
};

// How a background image fills the data area.
enum TBkgFill : std::uint8_t {
  bfSimple,   // at its own size at the top-left corner
  bfStretch,  // stretched to the whole area
  bfTile,     // repeated at its own size
};

// Shape of a chart's shadow.
enum TShadowStyle : std::uint8_t {
  ssFlying,  // slanted inner corners: the chart seems to float
  ssBox,     // square corners with a black edge
};

enum TVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };

// Which lines of a crosshair are drawn.
enum TCrossHMode : std::uint8_t { chOff, chHoriz, chVert, chBoth };

// How a text label is drawn. tlsimple is spelled with a lower-case s.
enum TTxtLblMode : std::uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };

// Which coordinates of a text label are world coordinates.
enum TTxtLblAttachMode : std::uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };

// What the mouse does on a chart.
enum TMouseActMode : std::uint8_t {
  maNone, maPan, maPanHoriz, maPanVert, maRubberBand, maZoom, maZoomWind, maZoomWindPos,
  maZoomDrag, maDragCrossH, maDragLabel, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly,
};

// Horizontal text alignment, as the toolkit's.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Pen styles of the canvas and the display-list items.
enum TPenStyle : std::uint8_t {
  psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame,
};

// How the pen combines with the pixels below.
enum TPenMode : std::uint8_t {
  pmCopy,  // the pen colour replaces the pixel
  pmXor,   // the pen colour is xor-ed into the pixel (drawing twice restores it)
};

enum TBrushStyle : std::uint8_t {
  bsSolid,  // fills with the brush colour
  bsClear,  // fills nothing
};


}  // namespace vqm
