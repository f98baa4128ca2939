#include "painter_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <vector>

#include "device_pixels.h"
#include "image_canvas.h"

namespace vqm {

// What the canvases of one painter share: the painter and which canvas set it
// up last; an offset or clipped canvas saves the caller's state first.
struct TPainterCanvas::TShared {
  QPainter* painter = nullptr;
  const TPainterCanvas* active = nullptr;
  bool stateSaved = false;
};

namespace {

// The centre of pixel (x, y): one-pixel lines run through pixel centres.
QPointF Centre(int x, int y) { return {x + 0.5, y + 0.5}; }

QColor ToQColor(TColor c) { return QColor::fromRgb(ToQRgb(c)); }

}  // namespace

bool IsVectorPainter(QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine) return false;
  switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::Picture:
    case QPaintEngine::SVG:
    case QPaintEngine::Windows:
    case QPaintEngine::MacPrinter:
      return true;
    default:
      return false;
  }
}

TPainterCanvas::TPainterCanvas(QPainter& painter, TSize size, bool printer, int pixelsPerInchY)
    : fShared(std::make_shared<TShared>()),
      fArea{0, 0, size.cx, size.cy},
      fPrinter(printer),
      fPixelsPerInchY(pixelsPerInchY) {
  fShared->painter = &painter;
}

TPainterCanvas::TPainterCanvas(TPainterCanvas& parent, const TRect& area)
    : fShared(parent.fShared),
      fArea{parent.fArea.Left + area.Left, parent.fArea.Top + area.Top, parent.fArea.Left + area.Right,
            parent.fArea.Top + area.Bottom},
      fClipped(true),
      fPrinter(parent.fPrinter),
      fPixelsPerInchY(parent.fPixelsPerInchY) {
  Font = parent.Font;
}

TPainterCanvas::~TPainterCanvas() {
  if (fShared->active != this) return;
  if (fShared->stateSaved) fShared->painter->restore();
  fShared->stateSaved = false;
  fShared->active = nullptr;
}

QPainter& TPainterCanvas::Begin(bool withPen, bool withBrush) {
  QPainter& p = *fShared->painter;
  if (fShared->active != this) {
    if (fShared->stateSaved) p.restore();
    fShared->stateSaved = fClipped || fArea.Left != 0 || fArea.Top != 0;
    if (fShared->stateSaved) {
      p.save();
      p.translate(fArea.Left, fArea.Top);
      if (fClipped) p.setClipRect(QRect(0, 0, fArea.Width(), fArea.Height()), Qt::IntersectClip);
    }
    fShared->active = this;
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::Antialiasing, false);  // crisp on a raster device too
  if (withPen && Pen.Style != psClear) {
    QPen pen(ToQColor(Pen.Color), std::max(1, Pen.Width), ToQtPenStyle(Pen.Style));
    pen.setCapStyle(Pen.Width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Pen.Width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    // A thin pen's gaps as on the screen, not the toolkit's own (finer) ones;
    // lines start at a pixel's centre, half a pixel into the pattern.
    if (const std::span<const int> runs = ThinPenDashRuns(Pen.Style); Pen.Width <= 1 && !runs.empty()) {
      pen.setDashPattern(QList<qreal>(runs.begin(), runs.end()));
      pen.setDashOffset(0.5);
    }
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  p.setBrush(withBrush && Brush.Style == bsSolid ? QBrush(ToQColor(Brush.Color)) : QBrush(Qt::NoBrush));
  return p;
}

void TPainterCanvas::LineTo(int x, int y) {
  QPainter& p = Begin(true, false);
  if (x == fPenPos.x && y == fPenPos.y) {
    // A line of no length is a dot of the pen's width, as a printer draws it.
    QPen dot = p.pen();
    dot.setCapStyle(Qt::SquareCap);
    p.setPen(dot);
  }
  p.drawLine(Centre(fPenPos.x, fPenPos.y), Centre(x, y));
  fPenPos = {x, y};
}

void TPainterCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QPolygonF line;
  line.reserve(qsizetype(points.size()));
  for (const TPoint& pt : points) line << Centre(pt.x, pt.y);
  Begin(true, false).drawPolyline(line);
}

double TPainterCanvas::PointRatio() const { return PainterPixelRatio(*fShared->painter); }

void TPainterCanvas::DevicePolyline(std::span<const TPoint> points) {
  const TDevicePixels grid(PointRatio());
  if (grid.IsIdentity()) {
    Polyline(points);
    return;
  }
  if (points.size() < 2) return;
  QPolygonF line;
  line.reserve(qsizetype(points.size()));
  for (const TPoint& pt : points) line << QPointF(grid.LogicalOfPen(pt.x), grid.LogicalOfPen(pt.y)) + QPointF(0.5, 0.5);
  Begin(true, false).drawPolyline(line);
}

void TPainterCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  QPolygonF shape;
  shape.reserve(qsizetype(points.size()));
  for (const TPoint& pt : points) shape << Centre(pt.x, pt.y);
  Begin(true, true).drawPolygon(shape);
}

void TPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (Pen.Style == psClear) {  // one pixel smaller, as on the off-screen canvas
    FillRect({x1, y1, x2 - 1, y2 - 1});
    return;
  }
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  Begin(true, true).drawRect(QRectF(Centre(x1, y1), Centre(x2 - 1, y2 - 1)));
}

void TPainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  Begin(true, true).drawEllipse(QRectF(Centre(x1, y1), Centre(x2 - 1, y2 - 1)));
}

void TPainterCanvas::FillRect(const TRect& r) {
  if (Brush.Style == bsClear) return;
  const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
  const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
  if (left == right || top == bottom) return;
  Begin(false, true).fillRect(QRectF(left, top, right - left, bottom - top), ToQColor(Brush.Color));
}

void TPainterCanvas::SetPixel(int x, int y, TColor color) {
  Begin(false, false).fillRect(QRectF(x, y, 1, 1), ToQColor(color));
}

TColor TPainterCanvas::GetPixel(int, int) const { return clBlack; }

TSize TPainterCanvas::TextExtent(const QString& text) {
  const QFontMetrics metrics(ToQFont(Font));
  return {metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()};
}

void TPainterCanvas::TextOut(int x, int y, const QString& text) {
  if (text.isEmpty()) return;
  const QFont font = ToQFont(Font);
  const QFontMetrics metrics(font);
  const TSize extent{metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()};
  if (Brush.Style == bsSolid) FillRect({x, y, x + extent.cx, y + extent.cy});
  QPainter& p = Begin(false, false);
  p.setFont(font);
  p.setPen(ToQColor(Font.Color));
  p.drawText(QPointF(x, y + metrics.ascent()), text);
  fPenPos = {x + extent.cx, y};
}

void TPainterCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
  if (clip.Width() <= 0 || clip.Height() <= 0 || text.isEmpty()) return;
  const TBrush brush = Brush;
  Brush.Style = bsSolid;
  FillRect(clip);
  QPainter& p = Begin(false, false);
  p.save();
  p.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()), Qt::IntersectClip);
  Brush.Style = bsClear;  // the clip is filled already
  TextOut(x, y, text);
  p.restore();
  Brush = brush;
}

void TPainterCanvas::Draw(int x, int y, const QImage& image) {
  if (!image.isNull()) Begin(false, false).drawImage(QPointF(x, y), image);
}

void TPainterCanvas::StretchDraw(const TRect& r, const QImage& image) {
  if (!image.isNull()) Begin(false, false).drawImage(QRectF(r.Left, r.Top, r.Width(), r.Height()), image);
}

}  // namespace vqm
