#pragma once
// The one drawing surface every component paints through.
//
// Conventions, which all implementations follow to the pixel:
// - integer device pixels, x to the right, y downward;
// - MoveTo/LineTo paints the start pixel of a line but not its end pixel;
// - Rectangle and Ellipse cover x1..x2-1 by y1..y2-1: outline in the pen, inside
//   in the brush (nothing inside when the brush style is clear); Polygon closes
//   its points and fills like Rectangle;
// - FillRect covers x1..x2-1 by y1..y2-1 with the brush only;
// - TextOut puts the top-left corner of the text cell at (x, y); with a solid
//   brush the cell's background is filled with the brush colour first;
// - Polyline does not use or move the pen position.

#include <QString>
#include <span>
#include <string_view>

#include "colors.h"
#include "enums.h"
#include "font.h"

class QImage;

namespace vqm {

struct TPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // Right and Bottom are exclusive
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

struct TPen {
  TColor Color = clBlack;
  TPenStyle Style = psSolid;
  int Width = 1;         // pixels; 0 counts as 1
  TPenMode Mode = pmCopy;
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  bool operator==(const TBrush&) const = default;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  // Drawing state, read by every primitive at the moment it draws.
  TPen Pen;
  TBrush Brush;
  TFont Font;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // True only for the printer's surface: marks are then drawn with pen lines.
  virtual bool IsPrinter() const { return false; }
  // Vertical pixel density of the surface.
  virtual int PixelsPerInchY() const { return kScreenPixelsPerInch; }
  // Device pixels per logical pixel: above 1 on a high-density surface, where
  // the canvas maps every coordinate it is given (see device_pixels.h).
  virtual double PixelRatio() const { return 1.0; }
  // Device pixels per logical pixel of the finer grid that DevicePolyline
  // takes its points on: the raster's own pixels, or as fine on a page.
  virtual double PointRatio() const { return PixelRatio(); }

  TPoint PenPos() const { return fPenPos; }
  virtual void MoveTo(int x, int y);
  // Line from the pen position to (x, y), the end pixel excluded; the pen moves there.
  virtual void LineTo(int x, int y) = 0;
  // Joined lines through the points; the last point itself is not painted.
  virtual void Polyline(std::span<const TPoint> points) = 0;
  // The same with points on the PointRatio grid, each the first device pixel
  // of a one-pixel pen there (TDevicePixels::PenOffset), so that a curve is not
  // bent onto whole logical pixels. At ratio 1 it is Polyline.
  virtual void DevicePolyline(std::span<const TPoint> points) { Polyline(points); }
  virtual void Polygon(std::span<const TPoint> points) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void FillRect(const TRect& r) = 0;

  virtual void SetPixel(int x, int y, TColor color) = 0;
  // The fixed colour of a pixel; black outside the surface.
  virtual TColor GetPixel(int x, int y) const = 0;

  virtual void TextOut(int x, int y, const QString& text) = 0;
  // Text at (x, y) shown only inside `clip`, which is first filled with the
  // brush colour; the canvas keeps its own brush and pen position.
  virtual void TextRect(const TRect& clip, int x, int y, const QString& text) = 0;
  virtual TSize TextExtent(const QString& text) = 0;
  void TextOut(int x, int y, std::string_view utf8) { TextOut(x, y, QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))); }
  TSize TextExtent(std::string_view utf8) { return TextExtent(QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))); }
  int TextWidth(const QString& text) { return TextExtent(text).cx; }
  int TextHeight(const QString& text) { return TextExtent(text).cy; }

  // An image at its own size with its top-left corner at (x, y).
  virtual void Draw(int x, int y, const QImage& image) = 0;
  // An image scaled to fill the rectangle.
  virtual void StretchDraw(const TRect& r, const QImage& image) = 0;

 protected:
  TPoint fPenPos;
};

}  // namespace vqm
