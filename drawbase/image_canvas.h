#pragma once
// The canvas on an off-screen image (QImage, 32 bits per pixel). Thin lines,
// pixels, rectangles and fills are written straight into the image memory so that
// every pixel follows the canvas conventions exactly and fast; so are polygons
// and ellipses drawn with a one-pixel pen. Wide pens, text and images go through
// a QPainter that stays open while the canvas is attached.
//
// An image with a device pixel ratio above 1 is drawn at its physical
// resolution: every coordinate the canvas is given is a logical one, mapped
// by TDevicePixels; Width and Height are logical too.

#include <QHash>
#include <QImage>
#include <memory>
#include <span>
#include <vector>

#include "canvas.h"
#include "device_pixels.h"
#include "shaped_text.h"

class QPainter;
class QFontMetrics;

namespace vqm {

// QImage pixel value of a colour.
unsigned int ToQRgb(TColor c);
// Colour of a QImage pixel value.
TColor FromQRgb(unsigned int rgb);
// The toolkit's pen style for a canvas pen style.
Qt::PenStyle ToQtPenStyle(TPenStyle style);
// The dash pattern of a one-pixel pen in pixels, as on-off runs starting with
// "on"; empty for a style without gaps. Every canvas draws thin pens with it.
std::span<const int> ThinPenDashRuns(TPenStyle style);

class TImageCanvas : public TCanvas {
 public:
  explicit TImageCanvas(QImage* image = nullptr);
  ~TImageCanvas() override;
  TImageCanvas(const TImageCanvas&) = delete;
  TImageCanvas& operator=(const TImageCanvas&) = delete;

  // Paints on another image from now on (nullptr: on nothing).
  void Attach(QImage* image);
  QImage* Image() const { return fImage; }
  // Ends the painter so that the image can be read, copied or resized.
  void Flush();

  void SetPrinter(bool printer) { fPrinter = printer; }
  void SetPixelsPerInchY(int ppi) { fPixelsPerInchY = ppi; }

  int Width() const override;
  int Height() const override;
  bool IsPrinter() const override { return fPrinter; }
  int PixelsPerInchY() const override { return fPixelsPerInchY; }
  double PixelRatio() const override { return fDevice.Ratio(); }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(std::span<const TPoint> points) override;
  void DevicePolyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void FillRect(const TRect& r) override;
  void SetPixel(int x, int y, TColor color) override;
  TColor GetPixel(int x, int y) const override;
  void TextOut(int x, int y, const QString& text) override;
  TSize TextExtent(const QString& text) override;
  void TextRect(const TRect& clip, int x, int y, const QString& text) override;
  using TCanvas::TextExtent;
  using TCanvas::TextOut;
  void Draw(int x, int y, const QImage& image) override;
  void StretchDraw(const TRect& r, const QImage& image) override;

 private:
  // A one-pixel pen's line in device pixels: `steps` pixels along the major
  // axis from majorStart in majorDir, the minor coordinate following the
  // ideal line from minorStart by minorDelta, each step `span` pixels across.
  struct TThinRun {
    bool xMajor;
    long long majorStart, majorDir, steps, minorStart, minorDelta;
    int span;
  };
  bool ThinPen() const;
  struct ThinInk;
  ThinInk CurrentThinInk() const;
  void ThinLine(int x0, int y0, int x1, int y1);
  void ThinLine(int x0, int y0, int x1, int y1, const ThinInk& ink);
  void AxisAlignedLine(std::ptrdiff_t index, std::ptrdiff_t move, long long count, int phase, const ThinInk& ink);
  void SolidThinPolyline(std::span<const TPoint> points, const ThinInk& ink);
  void SolidLineInside(int x0, int y0, long long dx, long long dy, long long steps, bool xMajor, unsigned int rgb);
  void DeviceThinLine(int x0, int y0, int x1, int y1);
  TThinRun DeviceRun(bool xMajor, int a, int b, int c, int d) const;
  void PaintThinRun(const TThinRun& run);
  TRect DeviceArea(const TRect& logical) const;
  std::vector<TPoint> DevicePoints(std::span<const TPoint> points) const;
  void DeviceOutline(const TRect& first, const TRect& last, unsigned int rgb);
  void WideLine(int x0, int y0, int x1, int y1);
  void PutPenPixel(int x, int y, unsigned int rgb);
  void FillSpan(int x1, int x2, int y, unsigned int rgb);
  void FramedBox(int x1, int y1, int x2, int y2, unsigned int pen);
  void FillPolygonInside(std::span<const TPoint> points);
  void PixelEllipse(int x1, int y1, int x2, int y2, int penWidth);
  QPainter* Painter();
  void SyncPainter(bool withPen, bool withBrush);
  void SyncFont();
  const TShapedText& Shaped(const QString& text);

  QImage* fImage = nullptr;
  unsigned int* fBits = nullptr;
  int fStride = 0;  // pixels per row
  int fW = 0, fH = 0;  // device pixels
  TDevicePixels fDevice;
  int fLogicalW = 0, fLogicalH = 0;
  bool fPrinter = false;
  int fPixelsPerInchY = kScreenPixelsPerInch;
  int fDashPhase = 0;  // position in the dash pattern since the last MoveTo

  std::unique_ptr<QPainter> fPainter;
  TPen fPainterPen;
  TBrush fPainterBrush;
  bool fPainterPenValid = false, fPainterBrushValid = false;
  TFont fMetricsFont;
  std::unique_ptr<QFontMetrics> fMetrics;
  bool fPainterFontValid = false;
  QHash<QString, TShapedText> fShapedTexts;  // in the current font
};

// An off-screen image with its canvas, as the components keep them.
class TBitmap {
 public:
  // `pixelRatio`: device pixels per logical pixel (device_pixels.h).
  TBitmap(int width = 0, int height = 0, double pixelRatio = 1.0);
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  // New size in logical pixels; the content is undefined afterwards. Negative
  // sizes count as 0.
  void SetSize(int width, int height);
  // A new ratio keeps the logical size; the content is undefined afterwards.
  void SetPixelRatio(double ratio);
  double PixelRatio() const { return fDevice.Ratio(); }
  int Width() const { return fWidth; }
  int Height() const { return fHeight; }
  TImageCanvas& Canvas() { return fCanvas; }
  // The image with all painting finished. An area's image uses its whole's
  // pixels: keep a copy (QImage::copy), not the image, past the whole's next change.
  const QImage& Image();
  bool LoadFromFile(const QString& path);

  // Makes this bitmap `width` x `height` logical pixels whose pixels are those
  // of `whole` from its logical pixel (x, y) on, so that drawing here draws
  // there and nothing needs copying. Where that area does not lie inside
  // `whole`, or `whole` has another pixel ratio, this bitmap keeps an image of
  // its own of that size instead and the result is false. A bitmap shares
  // with one whole at a time, and a whole with one area; when the whole gets a
  // new image (size, ratio, file) or goes away, the area keeps a copy of its
  // pixels as its own image.
  bool ShareArea(TBitmap& whole, int x, int y, int width, int height);
  bool IsAreaOf(const TBitmap& whole) const { return fAreaOf == &whole; }
  // Goes on with an image of its own, a copy of the pixels it shared.
  void StopSharing();

 private:
  void ReleaseArea();

  QImage fImage;
  TImageCanvas fCanvas;
  TDevicePixels fDevice;
  int fWidth = 0, fHeight = 0;  // logical
  TBitmap* fAreaOf = nullptr;  // the whole whose pixels this one draws on
  TBitmap* fArea = nullptr;    // the area that draws on this one's pixels
  QPoint fAreaOrigin;          // device pixel of `fAreaOf` where this one starts
};

}  // namespace vqm
