#include "scale/scale_paint.h"

#include <algorithm>

namespace vqm {

namespace {

// Label gaps from the base line.
constexpr int kHorizontalLabelGap = 7;
constexpr int kVerticalLabelGap = 8;
// Keep-inside margin of horizontal labels.
constexpr int kLabelInset = 2;

void DrawTickLine(TCanvas& c, TScaleType type, int x, int y, int length) {
  c.MoveTo(x, y);
  switch (type) {
    case sctXB: c.LineTo(x, y - length); break;
    case sctXT: c.LineTo(x, y + length); break;
    case sctYL: c.LineTo(x + length, y); break;
    case sctYR: c.LineTo(x - length, y); break;
  }
}

// Height of the text "0", by which vertical labels are centred; measured once
// per canvas of a pass (a tick handler may switch canvases).
class TDigitHeight {
 public:
  int Of(TCanvas& c) {
    if (&c != fCanvas) {
      fCanvas = &c;
      fHeight = c.TextHeight(QStringLiteral("0"));
    }
    return fHeight;
  }

 private:
  TCanvas* fCanvas = nullptr;
  int fHeight = 0;
};

void DrawLabel(TCanvas& c, const TAxisExtent& e, int x, int y, const std::string& label, TDigitHeight& digit) {
  if (label.empty()) return;
  const QString text = QString::fromStdString(label);
  const TSize size = c.TextExtent(text);
  if (IsVertical(e.Type)) {
    const int top = y - digit.Of(c) / 2;
    const int left = e.Type == sctYL ? x + kVerticalLabelGap : x - kVerticalLabelGap - size.cx;
    c.TextOut(left, top, text);
  } else {
    const int top = e.Type == sctXT ? y + kHorizontalLabelGap : y - kHorizontalLabelGap - size.cy;
    c.TextOut(HorizontalLabelLeft(x, size.cx, e.Width), top, text);
  }
}

}  // namespace

int BaseLinePosition(const TAxisExtent& e, int dx, int dy) {
  switch (e.Type) {
    case sctXB: return e.Height - e.MarginBottom - 1 + dy;
    case sctXT: return e.MarginTop + dy;
    case sctYL: return e.MarginLeft + dx;
    case sctYR: return e.Width - e.MarginRight - 1 + dx;
  }
  return 0;
}

int HorizontalLabelLeft(int x, int textWidth, int controlWidth) {
  const int half = textWidth / 2;
  if (x + half >= controlWidth - kLabelInset) return controlWidth - 2 * half - kLabelInset;
  return x - std::min(half, x - kLabelInset);
}

void DrawTicks(TCanvas*& canvas, const TTickPass& pass, const TAxisExtent& e, int baseLine,
               const TTickDrawnCallback& onTick) {
  const bool vertical = IsVertical(e.Type);
  const bool eventFirst = EventBeforeLabel(pass.Generator, e.Type);
  TDigitHeight digit;
  for (const TTick& tick : pass.Ticks) {
    const int x = vertical ? baseLine : tick.Pixel;
    const int y = vertical ? tick.Pixel : baseLine;
    if (tick.Drawn) DrawTickLine(*canvas, e.Type, x, y, tick.Length);
    if (eventFirst && onTick) onTick(canvas, tick, x, y);
    if (tick.Drawn && tick.HasLabel) DrawLabel(*canvas, e, x, y, tick.Label, digit);
    if (!eventFirst && onTick) onTick(canvas, tick, x, y);
  }
}

TPoint CaptionOrigin(const TAxisExtent& e, int baseLine, const TCaptionPlacement& p, int textWidth) {
  TPoint at;
  if (IsVertical(e.Type)) {
    at.x = p.PosX + baseLine;
    switch (p.Anchor) {
      case uaSclTopLft: at.y = p.PosY + e.MarginTop; break;
      case uaSclCenter: at.y = p.PosY + e.MarginTop + (e.Height - e.MarginTop - e.MarginBottom) / 2; break;
      case uaSclBotRgt: at.y = p.PosY + e.Height - e.MarginBottom; break;
    }
  } else {
    at.y = p.PosY + baseLine;
    switch (p.Anchor) {
      case uaSclTopLft: at.x = p.PosX + e.MarginLeft; break;
      case uaSclCenter: at.x = p.PosX + e.MarginLeft + (e.Width - e.MarginLeft - e.MarginRight) / 2; break;
      case uaSclBotRgt: at.x = p.PosX + e.Width - e.MarginRight; break;
    }
  }
  switch (p.Alignment) {
    case taLeftJustify: break;
    case taRightJustify: at.x -= textWidth; break;
    case taCenter: at.x -= textWidth / 2; break;
  }
  return at;
}

void DrawBaseLine(TCanvas& c, const TAxisExtent& e, int baseLine) {
  if (IsVertical(e.Type)) {
    c.MoveTo(baseLine, e.MarginTop);
    c.LineTo(baseLine, e.Height - e.MarginBottom - 1);
  } else {
    c.MoveTo(e.MarginLeft, baseLine);
    c.LineTo(e.Width - e.MarginRight - 1, baseLine);
  }
}

}  // namespace vqm
