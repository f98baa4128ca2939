#include "chart/text_label.h"

#include <QStringList>
#include <algorithm>

#include "chart/design_limits.h"
#include "chart/font_text.h"
#include "chart/joint_layers.h"
#include "drawbase/image_canvas.h"

namespace vqm {

void TCustomTextLabel::Changed(bool looks) {
  if (looks) fPicture.Valid = false;
  if (OnChange) OnChange(this);
  emit changed();
}

// Every setter notifies. The drawn box and text are made again only when the
// label's look changes: a chart that lays out its labels anew on every
// update sets the same caption and font again and moves them, and shaping
// the text again each time would cost more than the rest of its update.
#define QUANTORA_NOTIFYING_SETTER(Name, Type, field, looks) \
  void TCustomTextLabel::Set##Name(Type v) {               \
    const bool same = field == v;                          \
    field = v;                                             \
    Changed(looks && !same);                               \
  }

QUANTORA_NOTIFYING_SETTER(PosX, double, fPosX, false)
QUANTORA_NOTIFYING_SETTER(PosY, double, fPosY, false)
QUANTORA_NOTIFYING_SETTER(AttachToData, TTxtLblAttachMode, fAttachToData, false)
QUANTORA_NOTIFYING_SETTER(ColorBkg, TColor, fColorBkg, true)
QUANTORA_NOTIFYING_SETTER(ColorBorder, TColor, fColorBorder, true)
QUANTORA_NOTIFYING_SETTER(ColorShadow, TColor, fColorShadow, true)
QUANTORA_NOTIFYING_SETTER(Transparent, bool, fTransparent, true)
QUANTORA_NOTIFYING_SETTER(Alignment, TAlignment, fAlignment, true)
QUANTORA_NOTIFYING_SETTER(VerticalAlignment, TVerticalAlignment, fVerticalAlignment, true)
QUANTORA_NOTIFYING_SETTER(Font, const TFont&, fFont, true)
QUANTORA_NOTIFYING_SETTER(Mode, TTxtLblMode, fMode, true)
QUANTORA_NOTIFYING_SETTER(Caption, const QString&, fCaption, true)
QUANTORA_NOTIFYING_SETTER(Visible, bool, fVisible, false)
#undef QUANTORA_NOTIFYING_SETTER

void TCustomTextLabel::SetShadowDx(int v) {
  fShadowDx = ClampPixelOffset(v);
  Changed();
}
void TCustomTextLabel::SetShadowDy(int v) {
  fShadowDy = ClampPixelOffset(v);
  Changed();
}

void TCustomTextLabel::SetLayer(int v) {
  if (v < 1 || v > kLayerCount) return;  // refused silently, no notice
  fLayer = v;
  Changed();
}

QString TTextLabel::FontText() const { return FontToText(Font()); }

void TTextLabel::SetFontText(const QString& v) {
  if (const auto font = FontFromText(v)) SetFont(*font);
}

namespace {

// The text block of a label: its lines, the widest line's width W, the line
// height h, and the box around the block relative to the anchor.
struct TLabelBlock {
  QStringList lines;
  int W = 0, h = 0;
  TPoint text;  // bottom-left corner of the block, relative to the anchor
  TRect box;    // relative to the anchor
};

TLabelBlock Measure(TCanvas& c, const TCustomTextLabel& label) {
  TLabelBlock b;
  c.Font = label.Font();
  const QString caption = label.Caption();
  b.lines = caption.split(QLatin1Char('\n'));
  for (const QString& line : b.lines) b.W = std::max(b.W, c.TextWidth(line));
  if (b.W == 0) b.W = c.TextWidth(caption);
  b.h = c.TextHeight(caption);
  int x = 0, y = 0;
  if (label.VerticalAlignment() == vaTop) y += b.h;
  if (label.VerticalAlignment() == vaCenter) y += b.h / 2;
  if (label.Alignment() == taRightJustify) x -= b.W;
  if (label.Alignment() == taCenter) x -= b.W / 2;
  const int n = int(b.lines.size());
  b.text = {x, y};
  b.box = {x - 4, y - n * b.h - 2, x + b.W + 4, y + 2};
  return b;
}

TRect Shifted(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

void DrawBox(TCanvas& c, const TRect& r) { c.Rectangle(r.Left, r.Top, r.Right, r.Bottom); }

// Everything but the shadow, with the anchor at canvas pixel `at`.
void DrawBoxAndText(TCanvas& c, const TCustomTextLabel& label, const TLabelBlock& b, TPoint at) {
  c.Font = label.Font();
  c.Pen = TPen{label.ColorBorder(), psSolid, 1, pmCopy};
  const bool clear = label.Transparent() && label.Mode() != tlShadow;
  c.Brush = TBrush{label.ColorBkg(), clear ? bsClear : bsSolid};
  const TRect box = Shifted(b.box, at.x, at.y);
  const int x = at.x + b.text.x, y = at.y + b.text.y;
  switch (label.Mode()) {
    case tlOff: return;
    case tlsimple:
    case tlUnderline:
      if (!clear) {  // filled, without a visible outline
        c.Pen.Color = label.ColorBkg();
        DrawBox(c, box);
      }
      if (label.Mode() == tlUnderline) {
        c.Pen.Color = label.ColorBorder();
        c.MoveTo(x, y);
        c.LineTo(x + b.W, y);
      }
      break;
    case tlBox:
    case tlShadow: DrawBox(c, box); break;
  }
  // The text background follows the brush: opaque while it is solid.
  const int n = int(b.lines.size());
  if (n == 1) {
    c.TextOut(x, y - b.h, label.Caption());
    return;
  }
  for (int k = 0; k < n; ++k) {
    const int w = c.TextWidth(b.lines[k]);
    const int d = label.Alignment() == taLeftJustify ? 0 : label.Alignment() == taRightJustify ? b.W - w : (b.W - w) / 2;
    c.TextOut(x + d, y - n * b.h + k * b.h, b.lines[k]);
  }
}

}  // namespace

// A label whose box is filled covers the box completely and depends on nothing
// but its own settings: its picture is drawn once after a change and then
// copied, which keeps thirty labels cheap on every paint. A label with a clear
// background shows the picture through it and is drawn each time.
void PaintTextLabel(TCanvas& c, const TCustomTextLabel& label, TPoint anchor, TPoint origin) {
  if (label.Mode() == tlOff) return;
  const TPoint at{anchor.x - origin.x, anchor.y - origin.y};
  const bool opaque = label.Mode() == tlShadow || !label.Transparent();
  if (!opaque) {
    DrawBoxAndText(c, label, Measure(c, label), at);
    return;
  }
  TCustomTextLabel::TPicture& pic = label.fPicture;
  if (!pic.Valid || pic.Image.devicePixelRatio() != c.PixelRatio()) {
    TBitmap scratch(1, 1);
    const TLabelBlock b = Measure(scratch.Canvas(), label);
    TBitmap bitmap(b.box.Width(), b.box.Height(), c.PixelRatio());
    DrawBoxAndText(bitmap.Canvas(), label, b, {-b.box.Left, -b.box.Top});
    pic.Image = bitmap.Image();
    pic.Box = b.box;
    pic.Valid = true;
  }
  if (label.Mode() == tlShadow) {
    c.Pen = TPen{label.ColorShadow(), psSolid, 1, pmCopy};
    c.Brush = TBrush{label.ColorShadow(), bsSolid};
    DrawBox(c, Shifted(pic.Box, at.x + label.ShadowDx(), at.y + label.ShadowDy()));
  }
  c.Draw(at.x + pic.Box.Left, at.y + pic.Box.Top, pic.Image);
}

}  // namespace vqm
