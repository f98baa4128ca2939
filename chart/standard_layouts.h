#pragma once
// The seven standard layouts: margins, chart caption and the axes of layers 1..4.

#include <array>

#include "chart/chart_enums.h"
#include "chart/scale_props.h"

namespace vqm {

struct TAxisLayout {
  TAxisLocationCode Location;
  bool Visible;
  int ScalePos;
  int CaptionPosX, CaptionPosY;
  TAlignment CaptionAlignment;
  TScaleUnitAnchor CaptionAnchor;
};

struct TChartLayout {
  int MarginLeft, MarginRight, MarginTop, MarginBottom;
  int CaptionPosX, CaptionPosY;
  TAlignment CaptionAlignment;
  TCaptionAnchorHoriz CaptionAnchorHoriz;
  TCaptionAnchorVert CaptionAnchorVert;
  std::array<TAxisLayout, 4> X;  // layers 1..4
  std::array<TAxisLayout, 4> Y;
};

const TChartLayout& StandardLayoutRecord(TrcLayout layout);

}  // namespace vqm
