#pragma once
// Replays a display list onto the data image: maps every item with its layer's
// mapping, batches DrawTo runs into polylines of at most 200 points and changes
// pen, brush and font attributes only when an item needs different ones. On a
// surface finer than the logical pixels the curves' points go to its own
// pixels, so that a staircase's risers stay upright there.

#include <array>
#include <bitset>

#include "chart/chart_enums.h"
#include "chart/chart_item.h"
#include "chart/joint_layers.h"
#include "chart/world_mapping.h"
#include "drawbase/canvas.h"

namespace vqm {

// Pixels further out than this are clamped before drawing, never wrapped.
constexpr int kPixelClamp = 30000;

// Where and how items are drawn: the data image's origin in control pixels and
// the chart settings the items refer to.
struct TItemRenderSettings {
  const std::array<TWorldAxisMap, kLayerCount>* MapX = nullptr;
  const std::array<TWorldAxisMap, kLayerCount>* MapY = nullptr;
  int OriginX = 0, OriginY = 0;  // MarginLeft, MarginTop
  TColor ChartColor = clWhite;
  int StartPenWidth = 1;         // the chart's LineWidth
  const std::bitset<256>* ClassOn = nullptr;
  const std::array<bool, kLayerCount>* LayerOn = nullptr;
  TFontStyles TextFontStyle = 0;
  TTextBkg TextBkStyle = tbClear;
  TColor TextBkColor = clWhite;
  TAlignment TextAlignment = taCenter;
};

// Data-image pixel of a world point: the layer's mapping, each coordinate clamped
// to +-30000, minus the data image's origin.
TPoint MapToDataImage(const TWorldAxisMap& mapX, const TWorldAxisMap& mapY, double x, double y, int originX,
                      int originY);

class TItemRenderer {
 public:
  static constexpr int kMaxPolylinePoints = 200;

  TItemRenderer(TCanvas& canvas, const TItemRenderSettings& settings);
  // Draws the items in order, then the pending polyline; leaves pen width 1.
  void Render(const TChartItem* items, int count);

 private:
  TPoint Map(int layer, double x, double y) const;
  // A curve point: on the canvas's point grid, or Map where that is the logical one.
  TPoint MapPoint(int layer, double x, double y) const;
  TPoint PointOfPixel(TPoint logical) const;
  void Draw(const TChartItem& item);
  void AddPolylinePoint(TPoint p);
  void FlushPolyline();
  void UsePen(TColor color, TPenStyle style);
  void UseBrush(TColor color, TBrushStyle style);
  void DrawRect3D(const TChartItem& item);
  void DrawBar3D(const TChartItem& item);
  void DrawText(const TChartItem& item);
  void DrawArrow(const TChartItem& item);

  TCanvas& fCanvas;
  const TItemRenderSettings& fS;
  std::array<TDoubleAxisMap, kLayerCount> fMapX, fMapY;
  // The curves' points on the canvas's finer grid, when it has one.
  TDevicePixels fGrid;
  bool fOnGrid = false;
  int fGridClamp = kPixelClamp;
  std::array<TWorldAxisMap, kLayerCount> fGridWorldX, fGridWorldY;
  std::array<TDoubleAxisMap, kLayerCount> fGridX, fGridY;
  struct TWorldPoint {
    int layer = 1;
    double x = 0, y = 0;
  } fLastPoint;  // of the pending polyline: the canvas's pen goes there after it
  TPoint fPenPos;  // where the next polyline starts (a curve point); Line items leave it alone
  std::array<TPoint, kMaxPolylinePoints> fPending;
  int fPendingCount = 0;
  // The attributes last set on the canvas.
  TColor fPenColor;
  TPenStyle fPenStyle = psSolid;
  int fPenWidth;
  TColor fBrushColor;
  TBrushStyle fBrushStyle = bsSolid;
  TColor fFontColor;
};

}  // namespace vqm
