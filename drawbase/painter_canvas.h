#pragma once
// The canvas on a QPainter that is already open on a device of any kind: a PDF
// page, a printer, a picture. Everything is drawn as vector shapes and real
// text in the painter's coordinates, pixel (x, y) being the unit square at
// (x, y), so a component lays out exactly as on the screen and the painter's
// transformation scales it to the page. Text is measured with the screen's
// metrics, for the same reason.
//
// A canvas can be limited to an area of its parent's with its own origin (a
// chart's data area): it shows nothing outside that area. The canvases of one
// painter take turns; each sets the painter up when it draws.
//
// The printer flag makes marks take their printer form and scales their
// printer font rule; PixelsPerInchY is the density of the canvas's own pixels
// (the screen's when the picture is laid out as on the screen).
//
// Differences from the off-screen canvas: exclusive-or pens draw as copy pens
// (a page cannot be read back), and GetPixel answers black everywhere.

#include <memory>

#include "canvas.h"

class QPainter;

namespace vqm {

// True for a painter on a page rather than on pixels: a PDF file, a printer, a
// recorded picture or SVG. Components draw there through a TPainterCanvas.
bool IsVectorPainter(QPainter& painter);

class TPainterCanvas : public TCanvas {
 public:
  // The whole `size` of the painter's coordinates from (0, 0).
  TPainterCanvas(QPainter& painter, TSize size, bool printer, int pixelsPerInchY = kScreenPixelsPerInch);
  // `area` of `parent`, in the parent's pixels, with its origin at the area's
  // top-left corner.
  TPainterCanvas(TPainterCanvas& parent, const TRect& area);
  ~TPainterCanvas() override;
  TPainterCanvas(const TPainterCanvas&) = delete;
  TPainterCanvas& operator=(const TPainterCanvas&) = delete;

  int Width() const override { return fArea.Width(); }
  int Height() const override { return fArea.Height(); }
  bool IsPrinter() const override { return fPrinter; }
  int PixelsPerInchY() const override { return fPixelsPerInchY; }

  void LineTo(int x, int y) override;
  void Polyline(std::span<const TPoint> points) override;
  // A grid as fine as the painter's own scale (a 600-dpi page: 6.25).
  double PointRatio() const override;
  void DevicePolyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void FillRect(const TRect& r) override;
  void SetPixel(int x, int y, TColor color) override;
  TColor GetPixel(int x, int y) const override;
  void TextOut(int x, int y, const QString& text) override;
  void TextRect(const TRect& clip, int x, int y, const QString& text) override;
  TSize TextExtent(const QString& text) override;
  using TCanvas::TextExtent;
  using TCanvas::TextOut;
  void Draw(int x, int y, const QImage& image) override;
  void StretchDraw(const TRect& r, const QImage& image) override;

 private:
  // The painter, set up for this canvas: its origin, its clip, and the pen and
  // brush of the canvas (or none).
  QPainter& Begin(bool withPen, bool withBrush);

  struct TShared;  // the painter, and which canvas set it up last
  std::shared_ptr<TShared> fShared;
  TRect fArea;        // in the painter's coordinates
  bool fClipped = false;
  bool fPrinter = false;
  int fPixelsPerInchY = kScreenPixelsPerInch;
};

}  // namespace vqm
