#include "chart/item_renderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawbase/frames.h"

namespace vqm {

namespace {
int ClampPixel(int p) { return std::clamp(p, -kPixelClamp, kPixelClamp); }
int RoundToInt(double v) { return int(std::lrint(v)); }
}  // namespace

TItemRenderer::TItemRenderer(TCanvas& canvas, const TItemRenderSettings& settings)
    : fCanvas(canvas), fS(settings) {
  for (std::size_t i = 0; i < std::size_t(kLayerCount); ++i) {
    fMapX[i] = TDoubleAxisMap((*settings.MapX)[i]);
    fMapY[i] = TDoubleAxisMap((*settings.MapY)[i]);
  }
  fGrid = TDevicePixels(canvas.PointRatio());
  fOnGrid = !fGrid.IsIdentity();
  if (fOnGrid) {
    fGridClamp = int(kPixelClamp * fGrid.Ratio());
    for (std::size_t i = 0; i < std::size_t(kLayerCount); ++i) {
      fGridWorldX[i] = OnDevicePixels((*settings.MapX)[i], settings.OriginX, fGrid);
      fGridWorldY[i] = OnDevicePixels((*settings.MapY)[i], settings.OriginY, fGrid);
      fGridX[i] = TDoubleAxisMap(fGridWorldX[i]);
      fGridY[i] = TDoubleAxisMap(fGridWorldY[i]);
    }
  }
  fPenWidth = settings.StartPenWidth;
  fPenColor = fBrushColor = fFontColor = settings.ChartColor;
  fCanvas.Pen.Width = fPenWidth;
  fCanvas.Pen.Color = fPenColor;
  fCanvas.Pen.Style = psSolid;
  fCanvas.Pen.Mode = pmCopy;
  fCanvas.Brush.Color = fBrushColor;
  fCanvas.Brush.Style = bsSolid;
  fCanvas.MoveTo(0, 0);
}

TPoint MapToDataImage(const TWorldAxisMap& mapX, const TWorldAxisMap& mapY, double x, double y, int originX,
                      int originY) {
  return {ClampPixel(mapX.ToPixel(x)) - originX, ClampPixel(mapY.ToPixel(y)) - originY};
}

inline TPoint TItemRenderer::Map(int layer, double x, double y) const {
  const std::size_t i = std::size_t(std::clamp(layer, 1, kLayerCount) - 1);
  return {ClampPixel(fMapX[i].ToPixel(x)) - fS.OriginX, ClampPixel(fMapY[i].ToPixel(y)) - fS.OriginY};
}

inline TPoint TItemRenderer::MapPoint(int layer, double x, double y) const {
  if (!fOnGrid) return Map(layer, x, y);
  const std::size_t i = std::size_t(std::clamp(layer, 1, kLayerCount) - 1);
  return {std::clamp(fGridX[i].ToPixel(x), -fGridClamp, fGridClamp),
          std::clamp(fGridY[i].ToPixel(y), -fGridClamp, fGridClamp)};
}

TPoint TItemRenderer::PointOfPixel(TPoint logical) const {
  return fOnGrid ? TPoint{fGrid.Position(logical.x), fGrid.Position(logical.y)} : logical;
}

void TItemRenderer::UsePen(TColor color, TPenStyle style) {
  if (color != fPenColor) fCanvas.Pen.Color = fPenColor = color;
  if (style != fPenStyle) fCanvas.Pen.Style = fPenStyle = style;
}

void TItemRenderer::UseBrush(TColor color, TBrushStyle style) {
  if (color != fBrushColor) fCanvas.Brush.Color = fBrushColor = color;
  if (style != fBrushStyle) fCanvas.Brush.Style = fBrushStyle = style;
}

void TItemRenderer::FlushPolyline() {
  if (fPendingCount == 0) return;
  const std::span<const TPoint> points(fPending.data(), std::size_t(fPendingCount));
  fPenPos = fPending[std::size_t(fPendingCount - 1)];
  if (fOnGrid) {
    fCanvas.DevicePolyline(points);
    const TPoint last = Map(fLastPoint.layer, fLastPoint.x, fLastPoint.y);
    fCanvas.MoveTo(last.x, last.y);
  } else {
    fCanvas.Polyline(points);
    fCanvas.MoveTo(fPenPos.x, fPenPos.y);
  }
  fPendingCount = 0;
}

inline void TItemRenderer::AddPolylinePoint(TPoint p) {
  if (fPendingCount == 0) fPending[std::size_t(fPendingCount++)] = fPenPos;
  fPending[std::size_t(fPendingCount++)] = p;
  if (fPendingCount == kMaxPolylinePoints) {
    FlushPolyline();
    fPending[std::size_t(fPendingCount++)] = p;  // the next batch starts where this one ended
  }
}

void TItemRenderer::Render(const TChartItem* items, int count) {
  for (int i = 0; i < count; ++i) {
    const TChartItem& item = items[i];
    if (!(*fS.ClassOn)[item.Class]) continue;
    if (!(*fS.LayerOn)[std::size_t(std::clamp(item.Layer, 1, kLayerCount) - 1)]) continue;
    if (item.LineWidth != fPenWidth) {
      FlushPolyline();
      fCanvas.Pen.Width = fPenWidth = item.LineWidth;
    }
    // The next point of a curve in the current pen: most items are this.
    if (item.Kind == ikDrawTo && item.Color == fPenColor && item.PenStyle == fPenStyle) {
      fLastPoint = {item.Layer, item.X1, item.Y1};
      AddPolylinePoint(MapPoint(item.Layer, item.X1, item.Y1));
      continue;
    }
    Draw(item);
  }
  FlushPolyline();
  fCanvas.Pen.Width = 1;
}

void TItemRenderer::Draw(const TChartItem& item) {
  switch (item.Kind) {
    case ikDrawTo: {
      fLastPoint = {item.Layer, item.X1, item.Y1};
      const TPoint p = MapPoint(item.Layer, item.X1, item.Y1);
      if (item.Color != fPenColor || item.PenStyle != fPenStyle) {
        FlushPolyline();
        UsePen(item.Color, item.PenStyle);
      }
      AddPolylinePoint(p);
      return;
    }
    case ikMoveTo: {
      const TPoint p = Map(item.Layer, item.X1, item.Y1);
      FlushPolyline();
      fPenPos = fOnGrid ? MapPoint(item.Layer, item.X1, item.Y1) : p;
      fCanvas.MoveTo(p.x, p.y);
      return;
    }
    case ikLine: {
      FlushPolyline();
      UsePen(item.Color, item.PenStyle);
      const TPoint a = Map(item.Layer, item.X1, item.Y1);
      const TPoint b = Map(item.Layer, item.X2, item.Y2);
      if (a == b) {
        fCanvas.SetPixel(a.x, a.y, item.Color);
      } else {
        fCanvas.MoveTo(a.x, a.y);
        fCanvas.LineTo(b.x, b.y);
      }
      return;
    }
    case ikMark: {
      FlushPolyline();
      UsePen(item.Color, item.PenStyle);
      const TPoint p = Map(item.Layer, item.X1, item.Y1);
      DrawMark(fCanvas, item.MarkType, p.x, p.y);
      fBrushColor = fCanvas.Brush.Color;  // a mark may leave the brush changed
      fBrushStyle = fCanvas.Brush.Style;
      return;
    }
    case ikRectangle:
    case ikEllipse: {
      FlushPolyline();
      UsePen(item.Color, item.PenStyle);
      UseBrush(item.FillColor, item.Hollow ? bsClear : bsSolid);
      TPoint a, b;
      if (item.Kind == ikRectangle) {
        a = Map(item.Layer, item.X1, item.Y1);
        b = Map(item.Layer, item.X2, item.Y2);
      } else {
        a = Map(item.Layer, item.X1 - item.X2, item.Y1 + item.Y2);
        b = Map(item.Layer, item.X1 + item.X2, item.Y1 - item.Y2);
      }
      if (a == b) {
        fCanvas.SetPixel(a.x, a.y, item.Color);
        return;
      }
      // Both corners inside: the larger x and y grow by one.
      (a.x > b.x ? a.x : b.x) += 1;
      (a.y > b.y ? a.y : b.y) += 1;
      if (item.Kind == ikRectangle)
        fCanvas.Rectangle(a.x, a.y, b.x, b.y);
      else
        fCanvas.Ellipse(a.x, a.y, b.x, b.y);
      return;
    }
    case ikRect3D:
      FlushPolyline();
      DrawRect3D(item);
      return;
    case ikBar3D:
      FlushPolyline();
      DrawBar3D(item);
      return;
    case ikText:
      FlushPolyline();
      DrawText(item);
      return;
    case ikMoveRel: {
      FlushPolyline();
      const TPoint c = fCanvas.PenPos();
      const TPoint t{c.x + RoundToInt(item.X1), c.y + RoundToInt(item.Y1)};
      fPenPos = PointOfPixel(t);
      fCanvas.MoveTo(t.x, t.y);
      return;
    }
    case ikDrawRel: {
      FlushPolyline();
      const TPoint c = fCanvas.PenPos();
      const TPoint t{c.x + RoundToInt(item.X1), c.y + RoundToInt(item.Y1)};
      UsePen(item.Color, item.PenStyle);
      fCanvas.LineTo(t.x, t.y);
      fCanvas.SetPixel(t.x, t.y, item.Color);
      fPenPos = PointOfPixel(t);
      return;
    }
    case ikArrow:
      FlushPolyline();
      DrawArrow(item);
      return;
    default:
      return;  // kinds 0, 10, 11 draw nothing
  }
}

void TItemRenderer::DrawRect3D(const TChartItem& item) {
  UsePen(item.FillColor, fPenStyle);
  UseBrush(item.FillColor, bsSolid);
  TPoint a = Map(item.Layer, item.X1, item.Y1), b = Map(item.Layer, item.X2, item.Y2);
  const int x1 = std::min(a.x, b.x), x2 = std::max(a.x, b.x);
  const int y1 = std::max(a.y, b.y), y2 = std::min(a.y, b.y);  // y1 bottom, y2 top
  if (a == b) {
    fCanvas.SetPixel(a.x, a.y, item.FillColor);
    return;
  }
  fCanvas.Rectangle(x1, y2, x2, y1);
  if (item.EdgeStyle < 2 || item.EdgeStyle > 5) return;
  const bool swapped = item.EdgeStyle == 3 || item.EdgeStyle == 5;
  const TColor first = swapped ? item.EdgeColorB : item.EdgeColorA;
  const TColor second = swapped ? item.EdgeColorA : item.EdgeColorB;
  const int rings = item.EdgeStyle >= 4 ? 2 : 1;
  for (int r = 0; r < rings; ++r) {
    const int l = x1 + r, t = y2 + r, rt = x2 - r, bt = y1 - r;
    UsePen(first, fPenStyle);
    fCanvas.MoveTo(l, bt);
    fCanvas.LineTo(l, t);
    fCanvas.LineTo(rt, t);
    UsePen(second, fPenStyle);
    fCanvas.LineTo(rt, bt);
    fCanvas.LineTo(l, bt);
  }
}

void TItemRenderer::DrawBar3D(const TChartItem& item) {
  UsePen(item.Color, item.PenStyle);
  UseBrush(item.FillColor, bsSolid);
  const TPoint a = Map(item.Layer, item.X1, item.Y1), b = Map(item.Layer, item.X2, item.Y2);
  int x1 = std::min(a.x, b.x), x2 = std::max(a.x, b.x);
  const int y1 = std::max(a.y, b.y), y2 = std::min(a.y, b.y);
  const double angle = item.Size * std::numbers::pi / 180;
  const int dx = RoundToInt(std::cos(angle) * item.Depth);
  const int dy = -RoundToInt(std::sin(angle) * item.Depth);
  const int frontLeft = x1, frontRight = x2;
  if (item.Size > 90) std::swap(x1, x2);
  const TPoint top[] = {{x1, y2}, {x1 + dx, y2 + dy}, {x2 + dx, y2 + dy}, {x2, y2}};
  fCanvas.Polygon(top);
  const TPoint side[] = {{x2 + dx, y2 + dy}, {x2, y2}, {x2, y1}, {x2 + dx, y1 + dy}};
  fCanvas.Polygon(side);
  fCanvas.Rectangle(frontLeft, y2, frontRight + 1, y1 + 1);
}

void TItemRenderer::DrawText(const TChartItem& item) {
  if (item.Color != fFontColor) fCanvas.Font.Color = fFontColor = item.Color;
  fCanvas.Font.Style = fS.TextFontStyle;
  fCanvas.Font.SetSizeAt(item.Size, fCanvas.PixelsPerInchY());
  UseBrush(fS.TextBkColor, fS.TextBkStyle == tbSolid ? bsSolid : bsClear);
  const QString text = QString::fromLatin1(item.Text, qsizetype(strnlen(item.Text, kItemTextMax)));
  const TSize extent = fCanvas.TextExtent(text);
  TPoint p = Map(item.Layer, item.X1, item.Y1);
  p.y -= extent.cy / 2;
  if (fS.TextAlignment == taRightJustify) p.x -= extent.cx;
  if (fS.TextAlignment == taCenter) p.x -= extent.cx / 2;
  fCanvas.TextOut(p.x, p.y, text);
}

void TItemRenderer::DrawArrow(const TChartItem& item) {
  UsePen(item.Color, item.PenStyle);
  UseBrush(item.FillColor, item.Hollow ? bsClear : bsSolid);
  const TPoint a = Map(item.Layer, item.X1, item.Y1), b = Map(item.Layer, item.X2, item.Y2);
  if (a == b) {
    fCanvas.SetPixel(a.x, a.y, item.Color);
    return;
  }
  fCanvas.MoveTo(a.x, a.y);
  fCanvas.LineTo(b.x, b.y);
  if (item.Size < 1) return;
  constexpr double pi = std::numbers::pi;
  double dir;
  if (a.x == b.x)  // the limits of the sloped rule: up 0, down pi
    dir = (b.y - a.y < 1) ? 0 : pi;
  else
    dir = std::atan(double(b.y - a.y) / (b.x - a.x)) + (b.x < a.x ? 3 * pi / 2 : pi / 2);
  const double spread = 20 * pi / 180;
  auto headPoint = [&](double angle) {
    return TPoint{b.x - RoundToInt(std::sin(angle) * item.Size), b.y + RoundToInt(std::cos(angle) * item.Size)};
  };
  const TPoint h1 = headPoint(dir + spread), h2 = headPoint(dir - spread);
  if (item.Hollow) {
    fCanvas.MoveTo(h1.x, h1.y);
    fCanvas.LineTo(b.x, b.y);
    fCanvas.MoveTo(h2.x, h2.y);
    fCanvas.LineTo(b.x, b.y);
  } else {
    const TPoint head[] = {b, h1, h2};
    fCanvas.Polygon(head);
  }
}

}  // namespace vqm
