#include "numlab/numlab_paint.h"

#include "drawbase/image_canvas.h"

namespace vqm {

namespace {

// The field keeps 3 pixels free on either side of its text.
constexpr int kFieldTextMargin = 6;

// Text in the current font, clipped to a rectangle filled with the field's
// background first.
void TextOutClipped(TCanvas& canvas, const TRect& clip, int x, int y, const QString& text, TColor background) {
  const TBrush brush = canvas.Brush;
  canvas.Brush = {background, bsSolid};
  canvas.TextRect(clip, x, y, text);
  canvas.Brush = brush;
}

}  // namespace

TFrameColors FrameColorsFor(TColorScheme scheme) {
  if (scheme == csSystem) return {clBlack, clBtnShadow, clBtnHighlight};
  return {clBlack, clGray, clWhite};
}

int LeftCaptionX(TAlignment alignment, int leftSpace, int captionWidth) {
  switch (alignment) {
    case taLeftJustify: return 7;
    case taRightJustify: return leftSpace - captionWidth - 5;
    case taCenter: break;
  }
  return (leftSpace - captionWidth) / 2;
}

int RightCaptionX(TAlignment alignment, int width, int leftSpace, int labelWidth, int captionWidth) {
  switch (alignment) {
    case taLeftJustify: return leftSpace + labelWidth + 7;
    case taRightJustify: return width - captionWidth - 6;
    case taCenter: break;
  }
  return leftSpace + labelWidth + 1 + (width - leftSpace - labelWidth - captionWidth) / 2;
}

int ValueTextX(TAlignment alignment, int leftSpace, int labelWidth, int textWidth) {
  switch (alignment) {
    case taLeftJustify: return leftSpace + 4;
    case taRightJustify: return leftSpace + labelWidth - textWidth - 2;
    case taCenter: break;
  }
  return leftSpace + 2 + (labelWidth - textWidth) / 2;
}

TRect ValueClipRect(int leftSpace, int labelWidth, int height) {
  return {leftSpace + 3, 2, leftSpace + labelWidth - 1, height - 3};
}

int TextLineY(int height, int lineHeight) { return (height - lineHeight) / 2; }

QString FittedValueText(TCanvas& canvas, const TFieldText& value, int labelWidth) {
  if (value.ClipWhenTooWide || canvas.TextWidth(value.Text) <= labelWidth - kFieldTextMargin) return value.Text;
  return value.OverflowIndicator;
}

void DrawFieldFrame(TCanvas& canvas, TFrameStyle style, int leftSpace, int labelWidth, int height,
                    TColor fieldColor, const TFrameColors& colors) {
  const int x0 = leftSpace;
  const int x1 = leftSpace + labelWidth + 2;
  canvas.Pen = TPen{};
  canvas.Pen.Color = style == fsNone ? fieldColor : style == fsEmbossed ? colors.Light : colors.Medium;
  canvas.Brush = {fieldColor, bsSolid};
  if (style == fsNone || style == fsSimple) {
    canvas.Rectangle(x0, 0, x1, height);
    return;
  }
  canvas.Rectangle(x0, 0, x1, height - 1);

  TColor upperLeft = colors.Dark, lowerRight = colors.Light;  // fsLowered
  if (style == fsRaised) upperLeft = colors.Light, lowerRight = colors.Dark;
  if (style == fsEmbossed) upperLeft = colors.Medium, lowerRight = colors.Medium;
  if (style == fsEngraved) upperLeft = colors.Light, lowerRight = colors.Light;

  canvas.Pen.Color = upperLeft;
  canvas.MoveTo(x0 + 1, height - 3);
  canvas.LineTo(x0 + 1, 1);
  canvas.LineTo(x0 + labelWidth + 1, 1);
  canvas.Pen.Color = lowerRight;
  canvas.MoveTo(x0 + 1, height - 1);
  canvas.LineTo(x0 + labelWidth + 2, height - 1);
  canvas.LineTo(x0 + labelWidth + 2, 0);
}

void PaintNumLab(TCanvas& canvas, const TNumLabLook& look, const TFrameColors& frameColors, const TFont& font,
                 const TFieldText* value) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  const int ls = look.LeftSpace;
  const int lw = look.LabelWidth;

  canvas.Font = font;
  const int y = TextLineY(h, canvas.TextHeight(kLineHeightSample));

  canvas.Pen = TPen{};
  canvas.Pen.Color = look.ColorOutBakG;
  canvas.Brush = {look.ColorOutBakG, bsSolid};
  canvas.Rectangle(0, 0, w, h);
  canvas.Font.Color = LegibleTextColor(look.ColorOutText, look.ColorOutBakG);  // on a desktop's dark face too
  canvas.TextOut(LeftCaptionX(look.LeftTextAlignment, ls, canvas.TextWidth(look.LeftText)), y, look.LeftText);
  canvas.TextOut(RightCaptionX(look.RightTextAlignment, w, ls, lw, canvas.TextWidth(look.RightText)), y,
                 look.RightText);

  DrawFieldFrame(canvas, look.FrameStyle, ls, lw, h, look.ColorLabBakG, frameColors);

  if (look.Empty || !value) return;
  const QString text = FittedValueText(canvas, *value, lw);
  canvas.Font.Color = LegibleTextColor(look.ColorLabText, look.ColorLabBakG);
  const int x = ValueTextX(look.Alignment, ls, lw, canvas.TextWidth(text));
  TextOutClipped(canvas, ValueClipRect(ls, lw, h), x, y, text, look.ColorLabBakG);
}

}  // namespace vqm
