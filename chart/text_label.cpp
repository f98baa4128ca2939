#include "chart/text_label.h"

#include <QStringList>
#include <algorithm>

#include "chart/font_text.h"

namespace vqm {

void TCustomTextLabel::Changed() {
  if (OnChange) OnChange(this);
  emit changed();
}

#define QUANTORA_NOTIFYING_SETTER(Name, Type, field) \
  void TCustomTextLabel::Set##Name(Type v) {        \
    field = v;                                      \
    Changed();                                      \
  }

QUANTORA_NOTIFYING_SETTER(PosX, double, fPosX)
QUANTORA_NOTIFYING_SETTER(PosY, double, fPosY)
QUANTORA_NOTIFYING_SETTER(AttachToData, TTxtLblAttachMode, fAttachToData)
QUANTORA_NOTIFYING_SETTER(ColorBkg, TColor, fColorBkg)
QUANTORA_NOTIFYING_SETTER(ColorBorder, TColor, fColorBorder)
QUANTORA_NOTIFYING_SETTER(ColorShadow, TColor, fColorShadow)
QUANTORA_NOTIFYING_SETTER(ShadowDx, int, fShadowDx)
QUANTORA_NOTIFYING_SETTER(ShadowDy, int, fShadowDy)
QUANTORA_NOTIFYING_SETTER(Transparent, bool, fTransparent)
QUANTORA_NOTIFYING_SETTER(Alignment, TAlignment, fAlignment)
QUANTORA_NOTIFYING_SETTER(VerticalAlignment, TVerticalAlignment, fVerticalAlignment)
QUANTORA_NOTIFYING_SETTER(Font, const TFont&, fFont)
QUANTORA_NOTIFYING_SETTER(Mode, TTxtLblMode, fMode)
QUANTORA_NOTIFYING_SETTER(Caption, const QString&, fCaption)
QUANTORA_NOTIFYING_SETTER(Visible, bool, fVisible)
#undef QUANTORA_NOTIFYING_SETTER

void TCustomTextLabel::SetLayer(int v) {
  if (v < 1 || v > 16) return;  // refused silently, no notice
  fLayer = v;
  Changed();
}

QString TTextLabel::FontText() const { return FontToText(Font()); }

void TTextLabel::SetFontText(const QString& v) {
  if (const auto font = FontFromText(v)) SetFont(*font);
}

void PaintTextLabel(TCanvas& c, const TCustomTextLabel& label, TPoint anchor, TPoint origin) {
  c.Font = label.Font();
  c.Pen = TPen{label.ColorBorder(), psSolid, 1, pmCopy};
  c.Brush = TBrush{label.ColorBkg(), label.Transparent() ? bsClear : bsSolid};

  const QString caption = label.Caption();
  const QStringList lines = caption.split(QLatin1Char('\n'));
  const int n = int(lines.size());
  int W = 0;
  for (const QString& line : lines) W = std::max(W, c.TextWidth(line));
  if (W == 0) W = c.TextWidth(caption);
  const int h = c.TextHeight(caption);

  int x = anchor.x, y = anchor.y;
  if (label.VerticalAlignment() == vaTop) y += h;
  if (label.VerticalAlignment() == vaCenter) y += h / 2;
  if (label.Alignment() == taRightJustify) x -= W;
  if (label.Alignment() == taCenter) x -= W / 2;

  // The box around the text block, in canvas pixels.
  x -= origin.x;
  y -= origin.y;
  const TRect box{x - 4, y - n * h - 2, x + W + 4, y + 2};
  auto drawBox = [&c](const TRect& r) { c.Rectangle(r.Left, r.Top, r.Right, r.Bottom); };
  auto fillBox = [&] {
    if (label.Transparent()) return;
    c.Pen.Color = label.ColorBkg();
    drawBox(box);
  };
  switch (label.Mode()) {
    case tlOff: return;
    case tlsimple: fillBox(); break;
    case tlBox: drawBox(box); break;
    case tlUnderline:
      fillBox();
      c.Pen.Color = label.ColorBorder();
      c.MoveTo(x, y);
      c.LineTo(x + W, y);
      break;
    case tlShadow:
      c.Pen.Color = label.ColorShadow();
      c.Brush = TBrush{label.ColorShadow(), bsSolid};
      drawBox({box.Left + label.ShadowDx(), box.Top + label.ShadowDy(), box.Right + label.ShadowDx(),
               box.Bottom + label.ShadowDy()});
      c.Pen.Color = label.ColorBorder();
      c.Brush.Color = label.ColorBkg();
      drawBox(box);
      break;
  }
  // The text background follows the brush: opaque while it is solid.
  c.Brush.Color = label.ColorBkg();
  if (n == 1) {
    c.TextOut(x, y - h, caption);
    return;
  }
  for (int k = 0; k < n; ++k) {
    const int w = c.TextWidth(lines[k]);
    const int d = label.Alignment() == taLeftJustify ? 0 : label.Alignment() == taRightJustify ? W - w : (W - w) / 2;
    c.TextOut(x + d, y - n * h + k * h, lines[k]);
  }
}

}  // namespace vqm
