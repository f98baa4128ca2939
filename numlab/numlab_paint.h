#pragma once
// Geometry and painting of the numeric read-out: a left caption, a framed value
// field and a right caption, drawn on any canvas. No widget involved.

#include <QString>

#include "drawbase/canvas.h"

namespace vqm {

// What the read-out looks like, with its defaults. These are exactly the
// appearance settings that one read-out copies from another.
struct TNumLabLook {
  int LeftSpace = 35;                        // x of the field's left edge: room for the left caption
  int LabelWidth = 80;                       // width of the value field; the frame adds 2
  bool Empty = false;                        // field drawn without a value text
  QString LeftText;                          // left caption
  QString RightText;                         // right caption, typically a unit
  TFrameStyle FrameStyle = fsLowered;        // look of the field's frame
  TAlignment Alignment = taCenter;           // value inside the field
  TAlignment RightTextAlignment = taLeftJustify;   // right caption right of the field
  TAlignment LeftTextAlignment = taRightJustify;   // left caption in its room
  TColor ColorLabBakG = clBtnFace;           // background of the value field
  TColor ColorLabText = clBlack;             // colour of the value text
  TColor ColorOutBakG = clBtnFace;           // background outside the field
  TColor ColorOutText = clBlack;             // colour of the captions
};

// The frame's line colours besides the field colour.
struct TFrameColors {
  TColor Dark = clBlack;    // always black
  TColor Medium = clGray;   // border of the field; set by the colour scheme
  TColor Light = clWhite;   // lit bevel; set by the colour scheme
  bool operator==(const TFrameColors&) const = default;
};

// csBWG: grey and white; csSystem: the theme's button shadow and highlight.
TFrameColors FrameColorsFor(TColorScheme scheme);

// The value as it goes into the field (null when the field stays empty).
struct TFieldText {
  QString Text;
  QString OverflowIndicator;
  bool ClipWhenTooWide = false;  // shown clipped instead of being replaced by the indicator
};

// Sample text whose height sets the line height of all three texts.
inline const QString kLineHeightSample = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");

// ---- Geometry (W, H: the control's size; integer halves toward zero) ----
int LeftCaptionX(TAlignment alignment, int leftSpace, int captionWidth);
int RightCaptionX(TAlignment alignment, int width, int leftSpace, int labelWidth, int captionWidth);
int ValueTextX(TAlignment alignment, int leftSpace, int labelWidth, int textWidth);
TRect ValueClipRect(int leftSpace, int labelWidth, int height);
int TextLineY(int height, int lineHeight);

// The text that is drawn: the overflow indicator when the text is wider than the
// field allows (LabelWidth - 6), unless the text is to be clipped instead.
QString FittedValueText(TCanvas& canvas, const TFieldText& value, int labelWidth);

// The field frame in one of the six styles, from x = leftSpace to leftSpace + labelWidth + 2.
void DrawFieldFrame(TCanvas& canvas, TFrameStyle style, int leftSpace, int labelWidth, int height,
                    TColor fieldColor, const TFrameColors& colors);

// The whole read-out on a canvas of the control's size, in the control's font.
void PaintNumLab(TCanvas& canvas, const TNumLabLook& look, const TFrameColors& frameColors, const TFont& font,
                 const TFieldText* value);

}  // namespace vqm
