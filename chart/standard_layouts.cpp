#include "chart/standard_layouts.h"

namespace vqm {

namespace {

// Axes a layout does not list: hidden, at the data area, caption at (10, 100).
constexpr TAxisLayout kHiddenX{alcBelow, false, 0, 10, 100, taCenter, uaSclCenter};
constexpr TAxisLayout kHiddenY{alcLeft, false, 0, 10, 100, taRightJustify, uaSclTopLft};

constexpr TAxisLayout kX1Bottom{alcBelow, true, 0, 0, 22, taCenter, uaSclCenter};
constexpr TAxisLayout XStacked(int pos) { return {alcBelow, true, pos, -20, 7, taRightJustify, uaSclTopLft}; }
constexpr TAxisLayout YLeft(int pos, int captionY = -23) {
  return {alcLeft, true, pos, 0, captionY, taRightJustify, uaSclTopLft};
}
constexpr TAxisLayout YRight(int captionY) { return {alcRight, true, 0, 0, captionY, taLeftJustify, uaSclTopLft}; }

const std::array<TChartLayout, 7> kLayouts = {{
    // rcl_X1Bottom_Y1Left
    {50, 20, 20, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {kX1Bottom, kHiddenX, kHiddenX, kHiddenX},
     {TAxisLayout{alcLeft, true, 0, 0, -16, taLeftJustify, uaSclTopLft}, kHiddenY, kHiddenY, kHiddenY}},
    // rcl_X1Bottom_Y2Left
    {100, 20, 24, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {kX1Bottom, kHiddenX, kHiddenX, kHiddenX},
     {YLeft(0), YLeft(50), kHiddenY, kHiddenY}},
    // rcl_X1Bottom_Y3Left
    {150, 20, 24, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {kX1Bottom, kHiddenX, kHiddenX, kHiddenX},
     {YLeft(0), YLeft(50), YLeft(100), kHiddenY}},
    // rcl_X1Bottom_Y4Left
    {200, 20, 24, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {kX1Bottom, kHiddenX, kHiddenX, kHiddenX},
     {YLeft(0), YLeft(50), YLeft(100), YLeft(150)}},
    // rcl_X1Bottom_Y2Both
    {50, 50, 24, 40, 0, -20, taCenter, cahChartCenter, cavChartTop,
     {kX1Bottom, kHiddenX, kHiddenX, kHiddenX},
     {YLeft(0), YRight(-23), kHiddenY, kHiddenY}},
    // rcl_X2Bottom_Y2Left
    {100, 20, 24, 70, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {XStacked(0), XStacked(30), kHiddenX, kHiddenX},
     {YLeft(0), YLeft(50), kHiddenY, kHiddenY}},
    // rcl_X2Both_Y2Both
    {50, 50, 48, 40, 0, -46, taCenter, cahChartCenter, cavChartTop,
     {XStacked(0), TAxisLayout{alcAbove, true, 0, -20, -24, taRightJustify, uaSclTopLft}, kHiddenX, kHiddenX},
     {YLeft(0, -40), YRight(-40), TAxisLayout{alcLeft, false, 0, 0, -23, taRightJustify, uaSclTopLft},
      TAxisLayout{alcLeft, false, 0, 0, -23, taRightJustify, uaSclTopLft}}},
}};

}  // namespace

const TChartLayout& StandardLayoutRecord(TrcLayout layout) {
  return kLayouts[std::size_t(layout < kLayouts.size() ? layout : 0)];
}

}  // namespace vqm
