// The canvas on a painter: an area of its own with origin and clip, the canvas
// conventions kept on a raster painter, clipped text, and which painters count
// as pages.
#include "drawbase/painter_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "drawbase/image_canvas.h"

namespace vqm {
namespace {

struct TPage {
  TPage() : image(60, 40, QImage::Format_RGB32) { image.fill(0xFFFFFFFFu); }
  TColor At(int x, int y) const { return FromQRgb(image.pixel(x, y)); }
  QImage image;
};

TEST(PainterCanvasTest, AnAreaHasItsOwnOriginAndShowsNothingOutside) {
  TPage page;
  {
    QPainter painter(&page.image);
    TPainterCanvas whole(painter, {60, 40}, true);
    TPainterCanvas area(whole, {10, 5, 30, 25});
    EXPECT_EQ(area.Width(), 20);
    EXPECT_EQ(area.Height(), 20);
    EXPECT_TRUE(area.IsPrinter());
    area.Brush = {clRed, bsSolid};
    area.FillRect({-100, -100, 100, 100});
    whole.Pen = {clBlue, psSolid, 1, pmCopy};
    whole.MoveTo(0, 30);
    whole.LineTo(59, 30);  // the whole canvas again, after the area
    const TPoint two[] = {{40, 2}, {40, 20}};
    whole.Polyline(two);  // two points make a line
  }
  EXPECT_EQ(page.At(40, 10), clBlue);
  EXPECT_EQ(page.At(10, 5), clRed);
  EXPECT_EQ(page.At(29, 24), clRed);
  for (auto [x, y] : {std::pair{9, 5}, {30, 24}, {10, 4}, {29, 25}}) EXPECT_EQ(page.At(x, y), clWhite) << x << "," << y;
  EXPECT_EQ(page.At(45, 30), clBlue);  // not clipped, not offset
  EXPECT_EQ(page.At(45, 31), clWhite);
}

TEST(PainterCanvasTest, RectangleAndTextFollowTheCanvasConventions) {
  TPage page;
  TPage reference;
  TImageCanvas off(&reference.image);
  {
    QPainter painter(&page.image);
    TPainterCanvas on(painter, {60, 40}, false);
    for (TCanvas* c : std::initializer_list<TCanvas*>{&on, &off}) {
      c->Pen = {clBlack, psSolid, 1, pmCopy};
      c->Brush = {clLime, bsSolid};
      c->Rectangle(2, 3, 12, 9);  // columns 2..11, rows 3..8
      c->Brush = {clYellow, bsSolid};
      c->Font.Color = clBlack;
      c->TextRect({20, 10, 30, 30}, 15, 12, QStringLiteral("WWWW"));
    }
  }
  off.Flush();
  for (auto [x, y] : {std::pair{2, 3}, {11, 3}, {2, 8}, {11, 8}, {5, 5}, {12, 3}, {2, 9}}) {
    EXPECT_EQ(page.At(x, y), reference.At(x, y)) << x << "," << y;
  }
  EXPECT_EQ(page.At(11, 8), clBlack);
  EXPECT_EQ(page.At(12, 8), clWhite);
  // The clip is filled and holds part of the text; nothing left of it is drawn.
  EXPECT_EQ(page.At(29, 29), clYellow);
  for (int y = 10; y < 30; ++y) EXPECT_EQ(page.At(19, y), clWhite) << y;
  int dark = 0;
  for (int x = 20; x < 30; ++x)
    for (int y = 10; y < 30; ++y) dark += page.At(x, y) != clYellow;
  EXPECT_GT(dark, 5);
}

// A page breaks a thin line where the screen does (the grid's dots are three pixels).
TEST(PainterCanvasTest, ThinPensBreakAsOnTheScreen) {
  TPage page, reference;
  TImageCanvas off(&reference.image);
  QPainter painter(&page.image);
  TPainterCanvas on(painter, {60, 40}, false);
  for (TCanvas* c : std::initializer_list<TCanvas*>{&on, &off})
    for (TPenStyle style : {psDash, psDot, psDashDot, psDashDotDot}) {
      c->Pen = {clBlack, style, 1, pmCopy};
      c->MoveTo(0, 3 * style);
      c->LineTo(59, 3 * style);
    }
  painter.end();
  for (int y = 3; y <= 12; y += 3)  // from x = 1: the page's line half covers its first pixel
    for (int x = 1; x < 58; ++x) EXPECT_EQ(page.At(x, y), reference.At(x, y)) << x << "," << y;
}

TEST(PainterCanvasTest, OnlyPagesAreVectorPainters) {
  QImage image(4, 4, QImage::Format_RGB32);
  QPainter onImage(&image);
  EXPECT_FALSE(IsVectorPainter(onImage));
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  QPainter onPdf(&pdf);
  EXPECT_TRUE(IsVectorPainter(onPdf));
}

}  // namespace
}  // namespace vqm
