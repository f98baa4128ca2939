#include "drawbase/shaped_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace vqm {

namespace {

// A painter's own direction unless told otherwise: each text's from its letters.
constexpr Qt::LayoutDirection kShapedDirection = Qt::LayoutDirectionAuto;

// Glyph runs carry no line decorations and a layout spaces tabs and breaks
// lines its own way: such texts keep the painter's text path.
bool DrawsAsGlyphs(const QFont& font, const QString& text) {
  if (font.underline() || font.strikeOut() || font.overline()) return false;
  return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x20 || (c.isSpace() && c != u' '); });
}

}  // namespace

TShapedText::TShapedText(const QFont& font, const QFontMetrics& metrics, const QString& text)
    : fWidth(metrics.horizontalAdvance(text)) {
  if (text.isEmpty() || !DrawsAsGlyphs(font, text)) return;
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(kShapedDirection);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) {
    layout.endLayout();
    return;
  }
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  fRuns = layout.glyphRuns();
  fLineAscent = line.ascent();
  fShaped = true;
}

void TShapedText::Draw(QPainter& painter, int x, int y, int baseline, const QString& text) const {
  if (!fShaped || painter.layoutDirection() != kShapedDirection) {
    painter.drawText(x, y + baseline, text);
    return;
  }
  const QPointF origin(x, y + baseline - fLineAscent);
  for (const QGlyphRun& run : fRuns) painter.drawGlyphRun(origin, run);
}

}  // namespace vqm
