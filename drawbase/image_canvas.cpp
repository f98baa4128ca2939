#include "image_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vqm {

unsigned int ToQRgb(TColor c) {
  const TColor r = ResolveColor(c);
  return 0xFF000000u | (unsigned(RedOf(r)) << 16) | (unsigned(GreenOf(r)) << 8) | unsigned(BlueOf(r));
}

TColor FromQRgb(unsigned int rgb) { return RGBColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)); }

namespace {

// Dash patterns of one-pixel pens, as on-off runs starting with "on".
struct DashPattern {
  std::array<int, 6> runs;
  int count;
  int period;
};
constexpr DashPattern kDash{{18, 6}, 2, 24};
constexpr DashPattern kDot{{3, 3}, 2, 6};
constexpr DashPattern kDashDot{{9, 6, 3, 6}, 4, 24};
constexpr DashPattern kDashDotDot{{9, 3, 3, 3, 3, 3}, 6, 24};
constexpr int kLongestDashPeriod = 24;
static_assert(kDash.period <= kLongestDashPeriod && kDot.period <= kLongestDashPeriod &&
              kDashDot.period <= kLongestDashPeriod && kDashDotDot.period <= kLongestDashPeriod);

const DashPattern* PatternOf(TPenStyle s) {
  switch (s) {
    case psDash: return &kDash;
    case psDot: return &kDot;
    case psDashDot: return &kDashDot;
    case psDashDotDot: return &kDashDotDot;
    default: return nullptr;
  }
}

// `scale`: device pixels per pattern pixel, so dashes keep their look on a
// high-density surface.
bool PatternOn(const DashPattern& p, int phase, int scale) {
  int pos = phase % (p.period * scale);
  for (int i = 0; i < p.count; ++i) {
    if (pos < p.runs[size_t(i)] * scale) return (i % 2) == 0;
    pos -= p.runs[size_t(i)] * scale;
  }
  return true;
}

// The steps k in [first, last] of a line from majorStart, one pixel a step in
// majorDir, that keep its major coordinate inside 0..limit-1 (first > last: none).
std::pair<long long, long long> StepsInside(long long majorStart, long long majorDir, long long steps, long long limit) {
  if (majorDir > 0) return {std::max(0LL, -majorStart), std::min(steps - 1, limit - 1 - majorStart)};
  return {std::max(0LL, majorStart - (limit - 1)), std::min(steps - 1, majorStart)};
}

// floor(a / b) for b > 0.
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Products of two 64-bit values, compared exactly.
__extension__ typedef __int128 Wide;

}  // namespace

std::span<const int> ThinPenDashRuns(TPenStyle style) {
  const DashPattern* p = PatternOf(style);
  return p ? std::span<const int>(p->runs.data(), size_t(p->count)) : std::span<const int>();
}

Qt::PenStyle ToQtPenStyle(TPenStyle s) {
  switch (s) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

TImageCanvas::TImageCanvas(QImage* image) { Attach(image); }

TImageCanvas::~TImageCanvas() { Flush(); }

void TImageCanvas::Attach(QImage* image) {
  Flush();
  fImage = image;
  fBits = nullptr;
  fW = fH = fStride = 0;
  if (fImage && !fImage->isNull()) {
    if (fImage->format() != QImage::Format_RGB32 && fImage->format() != QImage::Format_ARGB32)
      *fImage = fImage->convertToFormat(QImage::Format_RGB32);
    fBits = reinterpret_cast<unsigned int*>(fImage->bits());
    fStride = int(fImage->bytesPerLine() / 4);
    fW = fImage->width();
    fH = fImage->height();
  }
  // The image's own ratio: its painter then draws text and shapes at the
  // physical size by itself.
  fDevice = TDevicePixels(fImage ? fImage->devicePixelRatio() : 1.0);
  fLogicalW = fDevice.LogicalExtent(fW);
  fLogicalH = fDevice.LogicalExtent(fH);
}

void TImageCanvas::Flush() {
  if (fPainter) {
    fPainter->end();
    fPainter.reset();
  }
  fPainterPenValid = fPainterBrushValid = fPainterFontValid = false;
}

int TImageCanvas::Width() const { return fLogicalW; }
int TImageCanvas::Height() const { return fLogicalH; }

QPainter* TImageCanvas::Painter() {
  if (!fBits) return nullptr;
  if (!fPainter) {
    fPainter = std::make_unique<QPainter>(fImage);
    fPainter->setRenderHint(QPainter::Antialiasing, false);
    fPainter->setRenderHint(QPainter::TextAntialiasing, true);
    fPainterPenValid = fPainterBrushValid = fPainterFontValid = false;
  }
  return fPainter.get();
}

void TImageCanvas::SyncPainter(bool withPen, bool withBrush) {
  QPainter* p = fPainter.get();
  if (withPen) {
    if (!fPainterPenValid || !(fPainterPen == Pen)) {
      QPen qp(QColor::fromRgb(ToQRgb(Pen.Color)));
      qp.setWidth(std::max(1, Pen.Width));
      qp.setStyle(ToQtPenStyle(Pen.Style));
      qp.setCapStyle(Pen.Width > 1 ? Qt::RoundCap : Qt::FlatCap);
      qp.setJoinStyle(Pen.Width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
      p->setPen(qp);
      p->setCompositionMode(Pen.Mode == pmXor ? QPainter::RasterOp_SourceXorDestination
                                              : QPainter::CompositionMode_SourceOver);
      fPainterPen = Pen;
      fPainterPenValid = true;
    }
  } else {
    p->setPen(Qt::NoPen);
    fPainterPenValid = false;
  }
  if (withBrush && Brush.Style == bsSolid) {
    if (!fPainterBrushValid || !(fPainterBrush == Brush)) {
      p->setBrush(QColor::fromRgb(ToQRgb(Brush.Color)));
      fPainterBrush = Brush;
      fPainterBrushValid = true;
    }
  } else {
    p->setBrush(Qt::NoBrush);
    fPainterBrushValid = false;
  }
}

namespace {
// Colour does not change how a text is shaped.
bool SameShape(const TFont& a, const TFont& b) { return a.Name == b.Name && a.Height == b.Height && a.Style == b.Style; }
constexpr int kMaxShapedTexts = 512;
}  // namespace

void TImageCanvas::SyncFont() {
  if (!fMetrics || !SameShape(fMetricsFont, Font)) {
    fMetricsFont = Font;
    fMetrics = std::make_unique<QFontMetrics>(ToQFont(Font));
    fShapedTexts.clear();
    fPainterFontValid = false;
  }
  if (fPainter && !fPainterFontValid) {
    fPainter->setFont(ToQFont(Font));
    fPainterFontValid = true;
  }
}

// Axes and read-outs measure and draw the same few labels on every paint.
const TShapedText& TImageCanvas::Shaped(const QString& text) {
  const auto it = fShapedTexts.constFind(text);
  if (it != fShapedTexts.constEnd()) return it.value();
  if (fShapedTexts.size() >= kMaxShapedTexts) fShapedTexts.clear();
  return *fShapedTexts.insert(text, TShapedText(ToQFont(fMetricsFont), *fMetrics, text));
}

bool TImageCanvas::ThinPen() const { return Pen.Width <= 1; }

void TImageCanvas::PutPenPixel(int x, int y, unsigned int rgb) {
  unsigned int& px = fBits[size_t(y) * size_t(fStride) + size_t(x)];
  if (Pen.Mode == pmXor)
    px ^= (rgb & 0x00FFFFFFu);
  else
    px = rgb;
}

void TImageCanvas::MoveTo(int x, int y) {
  TCanvas::MoveTo(x, y);
  fDashPhase = 0;
}

namespace {

// A position in a dash pattern, stepped one pixel at a time (no division per
// pixel). It keeps its own copy of the pattern: the image's pixels may alias a
// pattern held elsewhere, which would have it reloaded after every store.
class DashWalk {
 public:
  DashWalk(const DashPattern& p, int phase) : fP(p) {
    int pos = phase % p.period;
    while (pos >= p.runs[size_t(fRun)]) pos -= p.runs[size_t(fRun++)];
    fLeft = p.runs[size_t(fRun)] - pos;
  }
  bool On() const { return fRun % 2 == 0; }
  int Left() const { return fLeft; }  // pixels to the end of the current dash or gap
  // Moves on by n <= Left() pixels.
  void Advance(int n) {
    fLeft -= n;
    if (fLeft > 0) return;
    fRun = fRun + 1 == fP.count ? 0 : fRun + 1;
    fLeft = fP.runs[size_t(fRun)];
  }

 private:
  const DashPattern fP;
  int fRun = 0;
  int fLeft = 0;
};

}  // namespace

// What a one-pixel pen writes, worked out once per line or polyline.
struct TImageCanvas::ThinInk {
  unsigned int rgb;     // the pen's pixel value
  unsigned int gapRgb;  // the brush's, for the gaps of a pattern
  const DashPattern* pattern;
  bool gapFill;  // gaps painted (solid brush) rather than left alone
  bool xorMode;
  bool clear;
};

TImageCanvas::ThinInk TImageCanvas::CurrentThinInk() const {
  const DashPattern* pattern = PatternOf(Pen.Style);
  return {ToQRgb(Pen.Color), ToQRgb(Brush.Color), pattern, pattern && Brush.Style == bsSolid, Pen.Mode == pmXor,
          Pen.Style == psClear};
}

void TImageCanvas::ThinLine(int x0, int y0, int x1, int y1) { ThinLine(x0, y0, x1, y1, CurrentThinInk()); }

// One-pixel line from (x0, y0) towards (x1, y1), the end pixel excluded. The
// minor coordinate of step k is the exact rounding of the ideal line (ties go
// toward +x / +y), so a line and its pixels do not depend on clipping.
void TImageCanvas::ThinLine(int x0, int y0, int x1, int y1, const ThinInk& ink) {
  if (!fDevice.IsIdentity()) {
    DeviceThinLine(x0, y0, x1, y1);
    return;
  }
  const long long dx = (long long)x1 - x0, dy = (long long)y1 - y0;
  const long long adx = std::llabs(dx), ady = std::llabs(dy);
  const long long steps = std::max(adx, ady);
  const int phase = fDashPhase;
  fDashPhase += int(steps);
  if (steps == 0 || ink.clear || !fBits) return;
  const bool xMajor = adx >= ady;
  if (!ink.pattern && !ink.xorMode && x0 >= 0 && x0 < fW && y0 >= 0 && y0 < fH && x1 >= 0 && x1 < fW && y1 >= 0 &&
      y1 < fH) {
    SolidLineInside(x0, y0, dx, dy, steps, xMajor, ink.rgb);
    return;
  }
  const long long majorStart = xMajor ? x0 : y0;
  const long long majorDir = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const long long minorStart = xMajor ? y0 : x0;
  const long long minorDelta = xMajor ? dy : dx;
  const long long majorLimit = xMajor ? fW : fH;
  const long long minorLimit = xMajor ? fH : fW;

  const auto [kFirst, kLast] = StepsInside(majorStart, majorDir, steps, majorLimit);
  if (kFirst > kLast) return;
  // The minor offset of step k is (2 k minorDelta + steps) / (2 steps) rounded
  // down; it is carried from step to step as quotient and remainder instead of
  // dividing at every pixel. |2 minorDelta| <= 2 steps, so one correction a step suffices.
  const long long denominator = 2 * steps;
  const long long remainderStep = 2 * minorDelta;
  const long long offset = FloorDiv(2 * kFirst * minorDelta + steps, denominator);
  long long remainder = 2 * kFirst * minorDelta + steps - offset * denominator;  // 0 <= remainder < denominator
  long long minor = minorStart + offset;

  // The pixel index moves by one row or column per step; locals keep the
  // compiler from reloading members after every store into the image.
  unsigned int* const bits = fBits;
  const std::ptrdiff_t stride = fStride;
  const std::ptrdiff_t majorMove = xMajor ? std::ptrdiff_t(majorDir) : majorDir * stride;
  const std::ptrdiff_t minorMove = xMajor ? stride : 1;
  const long long major = majorStart + majorDir * kFirst;
  std::ptrdiff_t index = xMajor ? std::ptrdiff_t(minor) * stride + std::ptrdiff_t(major)
                                : std::ptrdiff_t(major) * stride + std::ptrdiff_t(minor);
  auto walk = [&](auto plot) {
    for (long long k = kFirst; k <= kLast; ++k) {
      plot(index, minor >= 0 && minor < minorLimit);
      index += majorMove;
      remainder += remainderStep;
      if (remainder >= denominator) {
        remainder -= denominator;
        ++minor;
        index += minorMove;
      } else if (remainder < 0) {
        remainder += denominator;
        --minor;
        index -= minorMove;
      }
    }
  };
  const unsigned int rgb = ink.rgb, xorBits = ink.rgb & 0x00FFFFFFu;
  if (minorDelta == 0) {
    if (minor < 0 || minor >= minorLimit) return;
    AxisAlignedLine(index, majorMove, kLast - kFirst + 1, phase + int(kFirst), ink);
    return;
  }
  if (!ink.pattern) {
    if (ink.xorMode)
      walk([&](std::ptrdiff_t i, bool inside) {
        if (inside) bits[i] ^= xorBits;
      });
    else
      walk([&](std::ptrdiff_t i, bool inside) {
        if (inside) bits[i] = rgb;
      });
    return;
  }
  DashWalk dash(*ink.pattern, phase + int(kFirst));
  const bool xorMode = ink.xorMode, gapFill = ink.gapFill;
  const unsigned int gapRgb = ink.gapRgb;
  walk([&](std::ptrdiff_t i, bool inside) {
    if (inside) {
      if (dash.On())
        bits[i] = xorMode ? bits[i] ^ xorBits : rgb;
      else if (gapFill)
        bits[i] = gapRgb;
    }
    dash.Advance(1);
  });
}

// A horizontal or vertical line of `count` pixels from `index` on, its dashes
// and gaps written as whole stretches.
void TImageCanvas::AxisAlignedLine(std::ptrdiff_t index, std::ptrdiff_t move, long long count, int phase,
                                   const ThinInk& ink) {
  unsigned int* const bits = fBits;
  auto paint = [&](long long n, auto write) {
    for (; n > 0; --n, index += move) write(bits[index]);
  };
  const unsigned int rgb = ink.rgb, xorBits = ink.rgb & 0x00FFFFFFu, gapRgb = ink.gapRgb;
  auto pen = [&](long long n) {
    if (ink.xorMode)
      paint(n, [xorBits](unsigned int& px) { px ^= xorBits; });
    else
      paint(n, [rgb](unsigned int& px) { px = rgb; });
  };
  if (!ink.pattern) {
    pen(count);
    return;
  }
  if (!ink.xorMode && ink.gapFill) {
    // Every pixel is overwritten: one period of the pattern as pixel values.
    const DashPattern& p = *ink.pattern;
    std::array<unsigned int, kLongestDashPeriod> period{};
    DashWalk walk(p, 0);
    for (int k = 0; k < p.period; ++k, walk.Advance(1)) period[size_t(k)] = walk.On() ? rgb : gapRgb;
    for (int k = phase % p.period; count > 0; --count, index += move) {
      bits[index] = period[size_t(k)];
      k = k + 1 == p.period ? 0 : k + 1;
    }
    return;
  }
  DashWalk dash(*ink.pattern, phase);
  while (count > 0) {
    const long long n = std::min<long long>(count, dash.Left());
    if (dash.On())
      pen(n);
    else if (ink.gapFill)
      paint(n, [gapRgb](unsigned int& px) { px = gapRgb; });
    else
      index += std::ptrdiff_t(n) * move;
    dash.Advance(int(n));
    count -= n;
  }
}

// The common case of a solid line with both ends inside the image: no clipping,
// and the minor offset starts at 0 with the remainder at `steps`.
void TImageCanvas::SolidLineInside(int x0, int y0, long long dx, long long dy, long long steps, bool xMajor,
                                   unsigned int rgb) {
  unsigned int* const bits = fBits;
  const std::ptrdiff_t stride = fStride;
  const long long majorDelta = xMajor ? dx : dy, minorDelta = xMajor ? dy : dx;
  const std::ptrdiff_t majorUnit = xMajor ? 1 : stride, minorUnit = xMajor ? stride : 1;
  const std::ptrdiff_t majorMove = majorDelta > 0 ? majorUnit : -majorUnit;
  const long long denominator = 2 * steps, remainderStep = 2 * minorDelta;
  std::ptrdiff_t index = std::ptrdiff_t(y0) * stride + x0;
  long long remainder = steps;
  for (long long k = 0; k < steps; ++k) {
    bits[index] = rgb;
    index += majorMove;
    remainder += remainderStep;
    if (remainder >= denominator) {
      remainder -= denominator;
      index += minorUnit;
    } else if (remainder < 0) {
      remainder += denominator;
      index -= minorUnit;
    }
  }
}

// On a high-density surface: the logical line's device pixels, a pen of the
// ratio's width across it.
void TImageCanvas::DeviceThinLine(int x0, int y0, int x1, int y1) {
  const long long dx = (long long)x1 - x0, dy = (long long)y1 - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  PaintThinRun(DeviceRun(xMajor, xMajor ? x0 : y0, xMajor ? x1 : y1, xMajor ? y0 : x0, xMajor ? y1 : x1));
}

// The device pixels of the logical line from major a to b (b excluded), minor
// c to d: along the major axis exactly the device pixels of the logical pixels
// it passes, across it a pen of the ratio's width.
TImageCanvas::TThinRun TImageCanvas::DeviceRun(bool xMajor, int a, int b, int c, int d) const {
  const int dir = b >= a ? 1 : -1;
  // Going backwards a logical pixel's last device pixel comes first.
  const long long start = dir > 0 ? fDevice.Position(a) : fDevice.Position(a + 1) - 1;
  const long long end = dir > 0 ? fDevice.Position(b) : fDevice.Position(b + 1) - 1;
  const long long steps = std::llabs(end - start);
  // Rounding may make the minor run one pixel longer than the major one.
  const long long minorDelta = std::clamp<long long>((long long)fDevice.Position(d) - fDevice.Position(c), -steps, steps);
  return {xMajor, start, dir, steps, fDevice.Position(c), minorDelta, fDevice.PenWidth()};
}

// The minor coordinate of step k is the exact rounding of the ideal line (ties
// go toward +x / +y), so a line and its pixels do not depend on clipping.
void TImageCanvas::PaintThinRun(const TThinRun& run) {
  const long long steps = run.steps;
  if (steps == 0 || Pen.Style == psClear || !fBits) {
    fDashPhase += int(steps);
    return;
  }
  const DashPattern* pattern = PatternOf(Pen.Style);
  const unsigned int rgb = ToQRgb(Pen.Color);
  const bool gapFill = pattern && Brush.Style == bsSolid;
  const unsigned int gapRgb = ToQRgb(Brush.Color);
  const bool xMajor = run.xMajor;
  const long long majorStart = run.majorStart;
  const long long majorDir = run.majorDir;
  const long long minorStart = run.minorStart;
  const long long minorDelta = run.minorDelta;
  const long long majorLimit = xMajor ? fW : fH;
  const long long minorLimit = xMajor ? fH : fW;

  const auto [kFirst, kLast] = StepsInside(majorStart, majorDir, steps, majorLimit);
  // The minor offset of step k is (2 k minorDelta + steps) / (2 steps) rounded
  // down; it is carried from step to step as quotient and remainder instead of
  // dividing at every pixel. |2 minorDelta| <= 2 steps, so one correction a step suffices.
  const long long denominator = 2 * steps;
  const long long remainderStep = 2 * minorDelta;
  long long offset = FloorDiv(2 * kFirst * minorDelta + steps, denominator);
  long long remainder = 2 * kFirst * minorDelta + steps - offset * denominator;  // 0 <= remainder < denominator
  for (long long k = kFirst; k <= kLast; ++k) {
    const long long major = majorStart + majorDir * k;
    const bool on = !pattern || PatternOn(*pattern, fDashPhase + int(k), run.span);
    for (int across = 0; across < run.span; ++across) {
      const long long minor = minorStart + offset + across;
      if (minor < 0 || minor >= minorLimit) continue;
      const int px = int(xMajor ? major : minor), py = int(xMajor ? minor : major);
      if (on)
        PutPenPixel(px, py, rgb);
      else if (gapFill)
        fBits[size_t(py) * size_t(fStride) + size_t(px)] = gapRgb;
    }
    remainder += remainderStep;
    if (remainder >= denominator) {
      remainder -= denominator;
      ++offset;
    } else if (remainder < 0) {
      remainder += denominator;
      --offset;
    }
  }
  fDashPhase += int(steps);
}

void TImageCanvas::WideLine(int x0, int y0, int x1, int y1) {
  if (Pen.Style == psClear || !Painter()) return;
  SyncPainter(true, false);
  fPainter->drawLine(x0, y0, x1, y1);
}

void TImageCanvas::LineTo(int x, int y) {
  if (ThinPen())
    ThinLine(fPenPos.x, fPenPos.y, x, y);
  else
    WideLine(fPenPos.x, fPenPos.y, x, y);
  fPenPos = {x, y};
}

void TImageCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  if (ThinPen()) {
    const ThinInk ink = CurrentThinInk();
    const int savedPhase = fDashPhase;
    fDashPhase = 0;
    if (!ink.pattern && !ink.xorMode && !ink.clear && fDevice.IsIdentity())
      SolidThinPolyline(points, ink);
    else
      for (size_t i = 1; i < points.size(); ++i)
        ThinLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, ink);
    fDashPhase = savedPhase;
    return;
  }
  if (Pen.Style == psClear || !Painter()) return;
  SyncPainter(true, false);
  std::vector<QPoint> q;
  q.reserve(points.size());
  for (const TPoint& p : points) q.emplace_back(p.x, p.y);
  fPainter->drawPolyline(q.data(), int(q.size()));
}

// Each segment between device points is one run of device pixels with a pen
// of the ratio's width across it, the run's end pixel left out.
void TImageCanvas::DevicePolyline(std::span<const TPoint> points) {
  if (fDevice.IsIdentity() || points.size() < 2) {
    Polyline(points);
    return;
  }
  if (!ThinPen()) {
    if (Pen.Style == psClear || !Painter()) return;
    SyncPainter(true, false);
    std::vector<QPointF> q;
    q.reserve(points.size());
    for (const TPoint& p : points) q.emplace_back(fDevice.LogicalOfPen(p.x), fDevice.LogicalOfPen(p.y));
    fPainter->drawPolyline(q.data(), int(q.size()));
    return;
  }
  const int savedPhase = fDashPhase;
  fDashPhase = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    const TPoint a = points[i - 1], b = points[i];
    const long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major = xMajor ? dx : dy;
    PaintThinRun({xMajor, xMajor ? a.x : a.y, major >= 0 ? 1 : -1, std::llabs(major), xMajor ? a.y : a.x,
                  xMajor ? dy : dx, fDevice.PenWidth()});
  }
  fDashPhase = savedPhase;
}

// A solid pen that overwrites paints the same pixels in any order: segments
// that keep to one column (or one row) are gathered, and what they paint
// together, their start pixels and no end pixel that none of them starts on, is
// written as one run. Chained segments on one line cover one stretch: each
// starts where the last ended, and only a segment reaching past the stretch
// leaves its end pixel out.
void TImageCanvas::SolidThinPolyline(std::span<const TPoint> points, const ThinInk& ink) {
  const unsigned int rgb = ink.rgb;
  enum class Axis { None, Column, Row };
  Axis axis = Axis::None;
  long long line = 0, low = 0, high = -1;  // the run: pixels low..high of a column or row
  auto flush = [&] {
    if (axis == Axis::Column && line >= 0 && line < fW)
      for (long long y = std::max(low, 0LL); y <= std::min(high, (long long)fH - 1); ++y)
        fBits[size_t(y) * size_t(fStride) + size_t(line)] = rgb;
    if (axis == Axis::Row && line >= 0 && line < fH)
      FillSpan(int(std::clamp(low, -1LL, (long long)fW)), int(std::clamp(high + 1, -1LL, (long long)fW)), int(line), rgb);
    axis = Axis::None;
  };
  auto extend = [&](Axis along, long long at, long long from, long long to) {
    if (from == to) return;  // zero length: nothing painted, the run goes on
    if (axis != along || line != at) {
      flush();
      axis = along;
      line = at;
      low = from;
      high = from;
    }
    low = std::min(low, to < from ? to + 1 : from);
    high = std::max(high, to < from ? from : to - 1);
  };
  for (size_t i = 1; i < points.size(); ++i) {
    const TPoint a = points[i - 1], b = points[i];
    if (a.x == b.x) {
      extend(Axis::Column, a.x, a.y, b.y);
    } else if (a.y == b.y) {
      extend(Axis::Row, a.y, a.x, b.x);
    } else {
      flush();
      const long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
      if (a.x >= 0 && a.x < fW && a.y >= 0 && a.y < fH && b.x >= 0 && b.x < fW && b.y >= 0 && b.y < fH)
        SolidLineInside(a.x, a.y, dx, dy, std::max(std::llabs(dx), std::llabs(dy)), std::llabs(dx) >= std::llabs(dy), rgb);
      else
        ThinLine(a.x, a.y, b.x, b.y, ink);
    }
  }
  flush();
}

void TImageCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty() || !fBits) return;
  if (ThinPen() && Pen.Style != psClear) {
    // The canvas's own rules: the inside in the brush, then the closed outline
    // as one-pixel lines, so every corner is painted.
    if (Brush.Style == bsSolid) FillPolygonInside(fDevice.IsIdentity() ? points : DevicePoints(points));
    const int savedPhase = fDashPhase;
    fDashPhase = 0;
    const ThinInk ink = CurrentThinInk();
    for (size_t i = 0; i < points.size(); ++i) {
      const TPoint& a = points[i];
      const TPoint& b = points[(i + 1) % points.size()];
      ThinLine(a.x, a.y, b.x, b.y, ink);
    }
    fDashPhase = savedPhase;
    return;
  }
  if (!Painter()) return;
  SyncPainter(Pen.Style != psClear, true);
  std::vector<QPoint> q;
  q.reserve(points.size());
  for (const TPoint& p : points) q.emplace_back(p.x, p.y);
  fPainter->drawPolygon(q.data(), int(q.size()));
}

// Pixels whose centres lie strictly inside the polygon (even-odd rule); the
// outline drawn afterwards covers the edges.
void TImageCanvas::FillPolygonInside(std::span<const TPoint> points) {
  int top = points[0].y, bottom = points[0].y;
  for (const TPoint& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  top = std::max(top + 1, 0);
  bottom = std::min(bottom - 1, fH - 1);
  const unsigned int rgb = ToQRgb(Brush.Color);
  struct Crossing {
    long long num, den;  // x = num / den, den > 0
    bool operator<(const Crossing& o) const { return Wide(num) * o.den < Wide(o.num) * den; }
  };
  std::vector<Crossing> crossings;
  for (int y = top; y <= bottom; ++y) {
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      TPoint a = points[i], b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      if (a.y > b.y) std::swap(a, b);
      if (y < a.y || y >= b.y) continue;  // half-open, so a shared corner counts once
      const long long den = (long long)b.y - a.y;
      crossings.push_back({(long long)a.x * den + ((long long)y - a.y) * ((long long)b.x - a.x), den});
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const Crossing& l = crossings[i];
      const Crossing& r = crossings[i + 1];
      const long long first = FloorDiv(l.num, l.den) + 1;   // first x > left crossing
      const long long last = -FloorDiv(-r.num, r.den) - 1;  // last x < right crossing
      if (first <= last)
        FillSpan(int(std::max<long long>(first, -1)), int(std::min<long long>(last + 1, fW + 1)), y, rgb);
    }
  }
}

// An area reaching the image's far edge runs up to it, across a last device
// pixel that a fractional ratio leaves only partly covered.
TRect TImageCanvas::DeviceArea(const TRect& logical) const {
  TRect r = fDevice.Area(logical);
  if (logical.Right >= fLogicalW) r.Right += fW - fDevice.Position(fLogicalW);
  if (logical.Bottom >= fLogicalH) r.Bottom += fH - fDevice.Position(fLogicalH);
  return r;
}

std::vector<TPoint> TImageCanvas::DevicePoints(std::span<const TPoint> points) const {
  std::vector<TPoint> device;
  device.reserve(points.size());
  for (const TPoint& p : points) device.push_back({fDevice.Position(p.x), fDevice.Position(p.y)});
  return device;
}

// The one-pixel outline from the pen dot `first` (top left) to `last` (bottom
// right) as four bands that do not overlap, so an exclusive-or pen inverts each
// pixel once.
void TImageCanvas::DeviceOutline(const TRect& first, const TRect& last, unsigned int rgb) {
  auto band = [&](int left, int top, int right, int bottom) {
    for (int y = std::max(top, 0); y < std::min(bottom, fH); ++y)
      for (int x = std::max(left, 0); x < std::min(right, fW); ++x) PutPenPixel(x, y, rgb);
  };
  const int bottomTop = std::max(last.Top, first.Bottom), rightLeft = std::max(last.Left, first.Right);
  band(first.Left, first.Top, last.Right, first.Bottom);
  if (last.Top != first.Top) band(first.Left, bottomTop, last.Right, last.Bottom);
  band(first.Left, first.Bottom, first.Right, bottomTop);
  if (last.Left != first.Left) band(rightLeft, first.Bottom, last.Right, bottomTop);
}

void TImageCanvas::FillSpan(int x1, int x2, int y, unsigned int rgb) {
  // x1..x2-1 of row y, clipped.
  if (y < 0 || y >= fH) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, fW);
  if (x1 >= x2) return;
  std::fill(fBits + size_t(y) * size_t(fStride) + size_t(x1), fBits + size_t(y) * size_t(fStride) + size_t(x2), rgb);
}

void TImageCanvas::FillRect(const TRect& logical) {
  if (!fBits || Brush.Style == bsClear) return;
  const TRect r = DeviceArea(logical);
  const unsigned int rgb = ToQRgb(Brush.Color);
  const int top = std::max(std::min(r.Top, r.Bottom), 0), bottom = std::min(std::max(r.Top, r.Bottom), fH);
  const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
  for (int y = top; y < bottom; ++y) FillSpan(left, right, y, rgb);
}

void TImageCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!fBits) return;
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (Pen.Style == psClear) {
    // Without a pen the box is one pixel smaller, as on the desktop's canvas.
    FillRect({x1, y1, x2 - 1, y2 - 1});
    return;
  }
  if (!ThinPen() || (Pen.Style != psSolid && Pen.Style != psInsideFrame)) {
    if (!Painter()) return;
    SyncPainter(true, true);
    fPainter->drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    return;
  }
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  const unsigned int rgb = ToQRgb(Pen.Color);
  if (fDevice.IsIdentity() && Pen.Mode != pmXor) {
    FramedBox(x1, y1, x2, y2, rgb);
    return;
  }
  FillRect({x1 + 1, y1 + 1, x2 - 1, y2 - 1});
  if (!fDevice.IsIdentity()) {
    DeviceOutline(fDevice.PenDot(x1, y1), fDevice.PenDot(x2 - 1, y2 - 1), rgb);
    return;
  }
  auto put = [&](int x, int y) {
    if (x >= 0 && x < fW && y >= 0 && y < fH) PutPenPixel(x, y, rgb);
  };
  for (int x = std::max(x1, 0); x < std::min(x2, fW); ++x) {
    put(x, y1);
    if (y2 - 1 != y1) put(x, y2 - 1);
  }
  for (int y = std::max(y1 + 1, 0); y < std::min(y2 - 1, fH); ++y) {
    put(x1, y);
    if (x2 - 1 != x1) put(x2 - 1, y);
  }
}

// The box x1..x2-1 by y1..y2-1 of an overwriting one-pixel pen, in one pass
// over its rows: the outline in the pen, the inside in the brush.
void TImageCanvas::FramedBox(int x1, int y1, int x2, int y2, unsigned int pen) {
  const bool fill = Brush.Style != bsClear;
  const unsigned int brush = ToQRgb(Brush.Color);
  for (int y = std::max(y1, 0); y < std::min(y2, fH); ++y) {
    if (y == y1 || y == y2 - 1) {
      FillSpan(x1, x2, y, pen);
      continue;
    }
    if (fill) FillSpan(x1 + 1, x2 - 1, y, brush);
    unsigned int* const row = fBits + size_t(y) * size_t(fStride);
    if (x1 >= 0 && x1 < fW) row[x1] = pen;
    if (x2 - 1 >= 0 && x2 - 1 < fW) row[x2 - 1] = pen;
  }
}

void TImageCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!fBits) return;
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  if (ThinPen() && (Pen.Style == psSolid || Pen.Style == psInsideFrame)) {
    const TRect box = fDevice.Area({x1, y1, x2, y2});
    PixelEllipse(box.Left, box.Top, box.Right, box.Bottom, fDevice.PenWidth());
    return;
  }
  if (!Painter()) return;
  SyncPainter(Pen.Style != psClear, true);
  fPainter->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// The ellipse inscribed in the box x1..x2-1 by y1..y2-1: a pixel belongs to it
// when its centre lies inside the ellipse through the box's outer edges. Its
// outline, `penWidth` pixels wide, is every such pixel with a pixel outside `penWidth`
// pixels to a side; the rest is the inside, in the brush.
void TImageCanvas::PixelEllipse(int x1, int y1, int x2, int y2, int penWidth) {
  const long long w = (long long)x2 - x1, h = (long long)y2 - y1;
  auto inside = [&](long long x, long long y) {
    if (x < x1 || x >= x2 || y < y1 || y >= y2) return false;
    const long long ex = 2 * x - (x1 + (long long)x2 - 1), ey = 2 * y - (y1 + (long long)y2 - 1);
    // Each term reaches (2^16)^4 for the boxes a zoomed chart draws: wider than 64 bits.
    return Wide(ex * ex) * (h * h) + Wide(ey * ey) * (w * w) <= Wide(w * w) * (h * h);
  };
  const unsigned int pen = ToQRgb(Pen.Color), brush = ToQRgb(Brush.Color);
  const bool fill = Brush.Style == bsSolid;
  for (int y = std::max(y1, 0); y < std::min(y2, fH); ++y)
    for (int x = std::max(x1, 0); x < std::min(x2, fW); ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - penWidth, y) || !inside(x + penWidth, y) || !inside(x, y - penWidth) || !inside(x, y + penWidth);
      if (edge)
        PutPenPixel(x, y, pen);
      else if (fill)
        fBits[size_t(y) * size_t(fStride) + size_t(x)] = brush;
    }
}

void TImageCanvas::SetPixel(int x, int y, TColor color) {
  if (!fBits) return;
  if (!fDevice.IsIdentity()) {
    const TRect dot = fDevice.PenDot(x, y);
    for (int row = dot.Top; row < dot.Bottom; ++row) FillSpan(dot.Left, dot.Right, row, ToQRgb(color));
    return;
  }
  if (x < 0 || y < 0 || x >= fW || y >= fH) return;
  fBits[size_t(y) * size_t(fStride) + size_t(x)] = ToQRgb(color);
}

TColor TImageCanvas::GetPixel(int x, int y) const {
  x = fDevice.Position(x);
  y = fDevice.Position(y);
  if (!fBits || x < 0 || y < 0 || x >= fW || y >= fH) return clBlack;
  return FromQRgb(fBits[size_t(y) * size_t(fStride) + size_t(x)]);
}

TSize TImageCanvas::TextExtent(const QString& text) {
  SyncFont();
  return {Shaped(text).Width(), fMetrics->ascent() + fMetrics->descent()};
}

void TImageCanvas::TextOut(int x, int y, const QString& text) {
  if (text.isEmpty() || !Painter()) return;
  SyncFont();
  const TShapedText& shaped = Shaped(text);
  const TSize extent{shaped.Width(), fMetrics->ascent() + fMetrics->descent()};
  if (Brush.Style == bsSolid) FillRect({x, y, x + extent.cx, y + extent.cy});
  fPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  fPainter->setPen(QColor::fromRgb(ToQRgb(Font.Color)));
  fPainterPenValid = false;
  shaped.Draw(*fPainter, x, y, fMetrics->ascent(), text);
  fPenPos = {x + extent.cx, y};
}

// Drawn in place under a clip rather than through an image of the clip's size,
// so that the text keeps the glyphs this canvas has shaped.
void TImageCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
  if (clip.Width() <= 0 || clip.Height() <= 0 || text.isEmpty() || !Painter()) return;
  const TBrush brush = Brush;
  const TPoint penPos = fPenPos;
  Brush.Style = bsSolid;
  FillRect(clip);
  Brush.Style = bsClear;
  const TRect area = DeviceArea(clip);
  const double ratio = fDevice.Ratio();
  fPainter->setClipRect(QRectF(area.Left / ratio, area.Top / ratio, area.Width() / ratio, area.Height() / ratio));
  TextOut(x, y, text);
  fPainter->setClipping(false);
  Brush = brush;
  fPenPos = penPos;
}

void TImageCanvas::Draw(int x, int y, const QImage& image) {
  if (image.isNull() || !Painter()) return;
  fPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  fPainterPenValid = false;
  fPainter->drawImage(x, y, image);
}

void TImageCanvas::StretchDraw(const TRect& r, const QImage& image) {
  if (image.isNull() || !Painter()) return;
  fPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  fPainterPenValid = false;
  fPainter->drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), image);
}

TBitmap::TBitmap(int width, int height, double pixelRatio) : fDevice(pixelRatio) { SetSize(width, height); }

TBitmap::~TBitmap() {
  StopSharing();
  ReleaseArea();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == fWidth && height == fHeight && !(width && height && fImage.isNull())) return;
  StopSharing();
  ReleaseArea();
  fWidth = width;
  fHeight = height;
  fCanvas.Attach(nullptr);
  const int deviceWidth = fDevice.Extent(width), deviceHeight = fDevice.Extent(height);
  fImage = (deviceWidth > 0 && deviceHeight > 0) ? QImage(deviceWidth, deviceHeight, QImage::Format_RGB32) : QImage();
  if (!fImage.isNull()) {
    fImage.fill(0xFFFFFFFFu);
    fImage.setDevicePixelRatio(fDevice.Ratio());
  } else {
    fWidth = fHeight = 0;  // an empty image has no size at all
  }
  fCanvas.Attach(&fImage);
}

void TBitmap::SetPixelRatio(double ratio) {
  const TDevicePixels device(ratio);
  if (device.Ratio() == fDevice.Ratio()) return;
  fDevice = device;
  const int width = fWidth, height = fHeight;
  fWidth = fHeight = -1;  // a new image at the new ratio
  SetSize(width, height);
}

const QImage& TBitmap::Image() {
  fCanvas.Flush();
  return fImage;
}

bool TBitmap::LoadFromFile(const QString& path) {
  QImage loaded;
  if (!loaded.load(path)) return false;
  StopSharing();
  ReleaseArea();
  fCanvas.Attach(nullptr);
  fImage = loaded.convertToFormat(QImage::Format_RGB32);
  fImage.setDevicePixelRatio(1.0);  // a picture file's pixels are logical ones
  fDevice = TDevicePixels();
  fWidth = fImage.width();
  fHeight = fImage.height();
  fCanvas.Attach(&fImage);
  return true;
}

bool TBitmap::ShareArea(TBitmap& whole, int x, int y, int width, int height) {
  const int deviceX = whole.fDevice.Position(x), deviceY = whole.fDevice.Position(y);
  const int deviceWidth = fDevice.Extent(width), deviceHeight = fDevice.Extent(height);
  const bool inside = &whole != this && !whole.fAreaOf && fDevice.Ratio() == whole.fDevice.Ratio() &&
                      !whole.fImage.isNull() && deviceWidth > 0 && deviceHeight > 0 && deviceX >= 0 &&
                      deviceY >= 0 && deviceX + deviceWidth <= whole.fImage.width() &&
                      deviceY + deviceHeight <= whole.fImage.height();
  if (!inside) {
    StopSharing();
    SetSize(width, height);
    return false;
  }
  const QPoint origin(deviceX, deviceY);
  if (fAreaOf == &whole && fAreaOrigin == origin && fWidth == width && fHeight == height) return true;
  StopSharing();
  ReleaseArea();
  if (whole.fArea) whole.fArea->StopSharing();
  fCanvas.Attach(nullptr);
  // The whole's canvas writes to these very pixels: a detaching bits() could
  // give the whole a copy of its own while its canvas went on with the old.
  const qsizetype stride = whole.fImage.bytesPerLine();
  uchar* pixels = const_cast<uchar*>(whole.fImage.constBits()) + deviceY * stride + deviceX * qsizetype(sizeof(quint32));
  fImage = QImage(pixels, deviceWidth, deviceHeight, stride, QImage::Format_RGB32);
  fImage.setDevicePixelRatio(fDevice.Ratio());
  fWidth = width;
  fHeight = height;
  fAreaOf = &whole;
  fAreaOrigin = origin;
  whole.fArea = this;
  fCanvas.Attach(&fImage);
  return true;
}

// The area goes on with a copy of its pixels before the whole's change.
void TBitmap::ReleaseArea() {
  if (fArea) fArea->StopSharing();
}

void TBitmap::StopSharing() {
  if (!fAreaOf) return;
  fCanvas.Attach(nullptr);
  fImage = fImage.copy();
  fImage.setDevicePixelRatio(fDevice.Ratio());
  fAreaOf->fArea = nullptr;
  fAreaOf = nullptr;
  fCanvas.Attach(&fImage);
}

}  // namespace vqm
