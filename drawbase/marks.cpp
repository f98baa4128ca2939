#include <algorithm>
#include <array>
#include <initializer_list>

#include "frames.h"

namespace vqm {

namespace {

// Rows of the 7x7 screen marks, top row first; bit 0 is the rightmost column,
// bit 6 the leftmost. Only marks 1..6, 18 and 25 are drawn from this table.
constexpr std::array<std::array<std::uint8_t, 7>, 25> kMarkBitmaps = {{
    {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00},  //  1 plus, arms of 1
    {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00},  //  2 plus, arms of 2
    {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08},  //  3 plus, arms of 3
    {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00},  //  4 diagonal cross, arms of 1
    {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00},  //  5 diagonal cross, arms of 2
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41},  //  6 diagonal cross, arms of 3
    {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},  //  7..17 drawn with shapes
    {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55},  // 18 checkerboard
    {}, {}, {}, {}, {}, {},                      // 19..24 drawn with shapes
    {0x63, 0x77, 0x3E, 0x1C, 0x3E, 0x77, 0x63},  // 25 bold diagonal cross
}};

void DrawBitmapMark(TCanvas& c, int mark, int x, int y) {
  const auto& rows = kMarkBitmaps[size_t(mark - 1)];
  for (int i = 1; i <= 7; ++i)
    for (int j = 1; j <= 7; ++j)
      if (rows[size_t(i - 1)] & (1u << (j - 1))) c.SetPixel(x + 4 - j, y - 4 + i, c.Pen.Color);
}

void Seg(TCanvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// MoveTo the first point, LineTo the others.
void Path(TCanvas& c, std::initializer_list<TPoint> pts) {
  auto it = pts.begin();
  c.MoveTo(it->x, it->y);
  for (++it; it != pts.end(); ++it) c.LineTo(it->x, it->y);
}

// A zero-length line on the printer: a round dot as wide as the pen.
void Dot(TCanvas& c, int x, int y) {
  const int w = std::max(c.Pen.Width, 1);
  if (w == 1) {
    c.SetPixel(x, y, c.Pen.Color);
    return;
  }
  const TPen pen = c.Pen;
  const TBrush brush = c.Brush;
  c.Pen.Width = 1;
  c.Pen.Style = psSolid;
  c.Brush = {pen.Color, bsSolid};
  c.Ellipse(x - w / 2, y - w / 2, x - w / 2 + w, y - w / 2 + w);
  c.Pen = pen;
  c.Brush = brush;
}

enum class Fill { Filled, Hollow };

// Filled shapes take the pen colour as brush colour; hollow ones a clear brush,
// which is set back to solid afterwards.
template <typename DrawShape>
void WithFill(TCanvas& c, Fill fill, DrawShape draw) {
  if (fill == Fill::Filled) {
    c.Brush.Color = c.Pen.Color;
    draw();
  } else {
    c.Brush.Style = bsClear;
    draw();
    c.Brush.Style = bsSolid;
  }
}

void PolygonMark(TCanvas& c, Fill fill, std::initializer_list<TPoint> pts) {
  WithFill(c, fill, [&] { c.Polygon(std::span<const TPoint>(pts.begin(), pts.size())); });
}

void EllipseMark(TCanvas& c, Fill fill, int x1, int y1, int x2, int y2) {
  WithFill(c, fill, [&] { c.Ellipse(x1, y1, x2, y2); });
}

void DrawCharacterMark(TCanvas& c, std::uint8_t code, int x, int y) {
  const QString text{QChar(char16_t(code))};  // Latin-1, as the desktop code page
  const TSize size = c.TextExtent(text);
  c.TextOut(x - size.cx / 2, y - size.cy / 2, text);
}

void DrawShapeMark(TCanvas& c, int m, int X, int Y) {
  const bool printer = c.IsPrinter();
  switch (m) {
    case 0:
      c.SetPixel(X, Y, c.Pen.Color);
      break;
    case 1: case 2: case 3: {
      if (!printer) { DrawBitmapMark(c, m, X, Y); break; }
      const int a = m + 1;
      Seg(c, X - a, Y, X + a, Y);
      Seg(c, X, Y - a, X, Y + a);
      break;
    }
    case 4: case 5: case 6: {
      if (!printer) { DrawBitmapMark(c, m, X, Y); break; }
      const int a = m - 2;
      Seg(c, X - a, Y - a, X + a, Y + a);
      Seg(c, X - a, Y + a, X + a, Y - a);
      break;
    }
    case 7: case 8: case 9: {
      const int a = m - 6;
      WithFill(c, Fill::Filled, [&] { c.Rectangle(X - a, Y - a, X + a + 1, Y + a + 1); });
      break;
    }
    case 10: case 11: case 12: {
      const int a = m - 9;
      Path(c, {{X - a, Y - a}, {X - a, Y + a}, {X + a, Y + a}, {X + a, Y - a}, {X - a, Y - a}});
      break;
    }
    case 13: case 14: case 15: {
      const int a = m - 12;
      PolygonMark(c, Fill::Filled, {{X - a, Y}, {X, Y + a}, {X + a, Y}, {X, Y - a}});
      break;
    }
    case 16: EllipseMark(c, Fill::Hollow, X - 2, Y - 2, X + 3, Y + 3); break;
    case 17: EllipseMark(c, Fill::Hollow, X - 3, Y - 3, X + 4, Y + 4); break;
    case 18:
      if (!printer) { DrawBitmapMark(c, m, X, Y); break; }
      for (int i = 1; i <= 7; ++i)
        for (int j = 1; j <= 7; ++j)
          if ((i + j) % 2 == 0) Dot(c, X + i - 4, Y + j - 4);
      break;
    case 19: Path(c, {{X - 3, Y}, {X, Y + 3}, {X + 3, Y}, {X, Y - 3}, {X - 3, Y}}); break;
    case 20: case 21: {
      const int a = m - 17;
      Seg(c, X, Y, X - a, Y + a);
      Seg(c, X, Y, X + a, Y + a);
      break;
    }
    case 22: case 23: {
      const int a = m - 19;
      Seg(c, X, Y, X - a, Y - a);
      Seg(c, X, Y, X + a, Y - a);
      break;
    }
    case 24: EllipseMark(c, Fill::Filled, X - 3, Y - 3, X + 4, Y + 4); break;
    case 25:
      if (!printer) { DrawBitmapMark(c, m, X, Y); break; }
      Seg(c, X - 3, Y - 3, X + 3, Y + 3);
      Seg(c, X - 3, Y - 2, X + 2, Y + 3);
      Seg(c, X - 2, Y - 3, X + 3, Y + 2);
      Seg(c, X - 3, Y + 3, X + 3, Y - 3);
      Seg(c, X - 3, Y + 2, X + 2, Y - 3);
      Seg(c, X - 2, Y + 3, X + 3, Y - 2);
      break;
    case 26: EllipseMark(c, Fill::Filled, X - 2, Y - 2, X + 3, Y + 3); break;
    case 27: EllipseMark(c, Fill::Hollow, X - 2, Y - 2, X + 2, Y + 2); break;
    case 28: EllipseMark(c, Fill::Filled, X - 2, Y - 2, X + 2, Y + 2); break;
    case 29: case 30: case 31: case 32: {
      const int a = (m - 29) % 2 + 2;
      PolygonMark(c, m <= 30 ? Fill::Filled : Fill::Hollow, {{X - a, Y}, {X, Y + a}, {X + a, Y}});
      break;
    }
    case 33: case 34:
      PolygonMark(c, m == 34 ? Fill::Filled : Fill::Hollow, {{X - 4, Y - 3}, {X, Y + 4}, {X + 4, Y - 3}});
      break;
    case 35: case 36:
      PolygonMark(c, m == 36 ? Fill::Filled : Fill::Hollow, {{X - 4, Y + 3}, {X, Y - 4}, {X + 4, Y + 3}});
      break;
    case 37:
      Seg(c, X - 3, Y, X + 4, Y);
      Seg(c, X, Y, X, Y - 8);
      break;
    case 38:
      Seg(c, X - 3, Y - 2, X + 4, Y - 2);
      Seg(c, X - 3, Y + 2, X + 4, Y + 2);
      Seg(c, X, Y - 2, X, Y + 2);
      break;
    case 39:
      EllipseMark(c, Fill::Hollow, X - 3, Y - 3, X + 4, Y + 4);
      Seg(c, X - 3, Y, X + 4, Y);
      Seg(c, X, Y - 3, X, Y + 4);
      break;
    case 40: case 41:
      PolygonMark(c, m == 41 ? Fill::Filled : Fill::Hollow, {{X + 3, Y - 2}, {X - 2, Y}, {X + 3, Y + 2}});
      break;
    case 42: case 43:
      PolygonMark(c, m == 43 ? Fill::Filled : Fill::Hollow, {{X + 4, Y - 3}, {X - 3, Y}, {X + 4, Y + 3}});
      break;
    case 44: case 45:
      PolygonMark(c, m == 45 ? Fill::Filled : Fill::Hollow, {{X - 3, Y - 2}, {X + 2, Y}, {X - 3, Y + 2}});
      break;
    case 46: case 47:
      PolygonMark(c, m == 47 ? Fill::Filled : Fill::Hollow, {{X - 4, Y - 3}, {X + 3, Y}, {X - 4, Y + 3}});
      break;
    default:
      break;
  }
}

}  // namespace

void DrawMark(TCanvas& canvas, std::uint8_t markType, int x, int y) {
  if (markType >= 48) {
    DrawCharacterMark(canvas, markType, x, y);
    return;
  }
  const TColor savedBrush = canvas.Brush.Color;
  DrawShapeMark(canvas, markType, x, y);
  canvas.Brush.Color = savedBrush;
}

}  // namespace vqm
