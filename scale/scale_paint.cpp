#include "scale/scale_paint.h"

#include <algorithm>

namespace vqm {

namespace {

// Label gaps from the base line.
constexpr int kHorizontalLabelGap = 7;
constexpr int kVerticalLabelGap = 8;
// Keep-inside margin of horizontal labels.
constexpr int kLabelInset = 2;
// Gap of the message lines of a vertical date/time axis from its base line.
constexpr int kMessageGap = 2;

// Left edge of a text beside a vertical base line at x: `gap` pixels right of
// it (sctYL) or ending `gap` pixels left of it (sctYR).
int VerticalLabelLeft(TScaleType type, int x, int gap, int textWidth) {
  return type == sctYL ? x + gap : x - gap - textWidth;
}

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

// Number labels of vertical scales are centred by the height of "0", date/time
// labels by their own height.
enum class TVerticalCentre : std::uint8_t { DigitHeight, OwnHeight };

void DrawLabel(TCanvas& c, const TAxisExtent& e, int x, int y, const std::string& label, TDigitHeight& digit,
               TVerticalCentre centre) {
  if (label.empty()) return;
  const QString text = QString::fromStdString(label);
  const TSize size = c.TextExtent(text);
  if (IsVertical(e.Type)) {
    const int top = y - (centre == TVerticalCentre::OwnHeight ? size.cy : digit.Of(c)) / 2;
    c.TextOut(VerticalLabelLeft(e.Type, x, kVerticalLabelGap, size.cx), top, text);
  } else {
    const int top = e.Type == sctXT ? y + kHorizontalLabelGap : y - kHorizontalLabelGap - size.cy;
    c.TextOut(HorizontalLabelLeft(x, size.cx, e.Width), top, text);
  }
}

// The date line of a clock label, one line further from the axis: on
// horizontal scales placed like a label from the base line moved by its
// height, on vertical ones with its top one and a half lines above the tick.
void DrawDateLine(TCanvas& c, const TAxisExtent& e, int x, int y, const std::string& dateLine, TDigitHeight& digit) {
  const QString text = QString::fromStdString(dateLine);
  const TSize size = c.TextExtent(text);
  if (IsVertical(e.Type)) {
    c.TextOut(VerticalLabelLeft(e.Type, x, kVerticalLabelGap, size.cx), y - 3 * (size.cy / 2), text);
  } else {
    const int shiftedBase = e.Type == sctXT ? y + size.cy : y - size.cy;
    DrawLabel(c, e, x, shiftedBase, dateLine, digit, TVerticalCentre::OwnHeight);
  }
}

// A date/time axis that cannot show dates: the message at the middle of the
// range, in one line below the base line of horizontal scales, one word group
// per line beside the base line of vertical ones.
void DrawMessage(TCanvas& c, const TAxisExtent& e, const TTickPass& pass, int baseLine) {
  const int m = pass.MessagePixel;
  if (!IsVertical(e.Type)) {
    const QString text = QString::fromUtf8(MessageText(pass.Message));
    c.TextOut(m - c.TextWidth(text) / 2, baseLine + kHorizontalLabelGap, text);
    return;
  }
  const int h = c.TextHeight(QStringLiteral("T"));
  int top = m - h;
  for (const std::string_view line : MessageLines(pass.Message)) {
    const QString text = QString::fromUtf8(line);
    c.TextOut(VerticalLabelLeft(e.Type, baseLine, kMessageGap, c.TextWidth(text)), top, text);
    top += h;
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
  const TVerticalCentre centre =
      pass.Generator == TTickGenerator::DateTime ? TVerticalCentre::OwnHeight : TVerticalCentre::DigitHeight;
  for (const TTick& tick : pass.Ticks) {
    const int x = vertical ? baseLine : tick.Pixel;
    const int y = vertical ? tick.Pixel : baseLine;
    if (tick.Drawn) DrawTickLine(*canvas, e.Type, x, y, tick.Length);
    if (eventFirst && onTick) onTick(canvas, tick, x, y);
    if (tick.Drawn && tick.HasLabel) DrawLabel(*canvas, e, x, y, tick.Label, digit, centre);
    if (tick.Drawn && !tick.DateLine.empty()) DrawDateLine(*canvas, e, x, y, tick.DateLine, digit);
    if (!eventFirst && onTick) onTick(canvas, tick, x, y);
  }
  if (pass.Message != TDateTimeMessage::None) DrawMessage(*canvas, e, pass, baseLine);
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
