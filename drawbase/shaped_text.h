#pragma once
// A text shaped once in one font: its advance and its glyphs, ready to be drawn
// again at any position. Labels and read-outs show the same few texts paint
// after paint; shaping is the dearest part of drawing them.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

class QFontMetrics;
class QPainter;

namespace vqm {

class TShapedText {
 public:
  TShapedText() = default;
  TShapedText(const QFont& font, const QFontMetrics& metrics, const QString& text);

  int Width() const { return fWidth; }
  // Draws the text with its baseline `baseline` pixels below (x, y), in the
  // painter's pen colour, as QPainter::drawText(x, y + baseline, text) does.
  void Draw(QPainter& painter, int x, int y, int baseline, const QString& text) const;

 private:
  int fWidth = 0;
  bool fShaped = false;  // false: drawn by the painter's own text path
  QList<QGlyphRun> fRuns;
  qreal fLineAscent = 0;  // the glyphs' baseline in the runs' own coordinates
};

}  // namespace vqm
