// Replaying items: polyline batching, the pen position rules, clamping and the
// attribute changes.
#include <gtest/gtest.h>

#include "chart/display_list.h"
#include "chart/item_renderer.h"
#include "common/canvas_probe.h"

namespace vqm {
namespace {

// An image canvas that also records every polyline call.
class RecordingCanvas : public TImageCanvas {
 public:
  explicit RecordingCanvas(QImage* image) : TImageCanvas(image) {}
  void Polyline(std::span<const TPoint> points) override {
    calls.emplace_back(points.begin(), points.end());
    colors.push_back(Pen.Color);
    TImageCanvas::Polyline(points);
  }
  std::vector<std::vector<TPoint>> calls;
  std::vector<TColor> colors;
};

// Layer 1 maps world units one to one onto pixels (x right, y down), origin 0.
class ItemRendererTest : public ::testing::Test {
 protected:
  ItemRendererTest() : image(100, 100, QImage::Format_RGB32), canvas(&image) {
    image.fill(0xFFFFFFFFu);
    for (auto& m : mapX) m.K = 1;
    for (auto& m : mapY) m.K = 1;
    classOn.set();
    layerOn.fill(true);
    settings.MapX = &mapX;
    settings.MapY = &mapY;
    settings.ClassOn = &classOn;
    settings.LayerOn = &layerOn;
  }
  void Render() { TItemRenderer(canvas, settings).Render(list.Items(), list.Count()); }
  TColor At(int x, int y) const { return FromQRgb(image.pixel(x, y)); }

  QImage image;
  RecordingCanvas canvas;
  std::array<TWorldAxisMap, kLayerCount> mapX{}, mapY{};
  std::bitset<256> classOn;
  std::array<bool, kLayerCount> layerOn{};
  TItemRenderSettings settings;
  TDisplayList list;
};

TEST_F(ItemRendererTest, LongRunsAreDrawnInPolylinesOf200Points) {
  list.MoveTo(0, 0);
  for (int i = 1; i <= 450; ++i) list.DrawTo(i % 90, i / 10);
  Render();
  ASSERT_EQ(canvas.calls.size(), 3u);
  EXPECT_EQ(canvas.calls[0].size(), 200u);
  EXPECT_EQ(canvas.calls[1].size(), 200u);
  EXPECT_EQ(canvas.calls[2].size(), 53u);
  EXPECT_EQ(canvas.calls[0].front(), (TPoint{0, 0}));
  EXPECT_EQ(canvas.calls[1].front(), canvas.calls[0].back());
  EXPECT_EQ(canvas.calls[2].front(), canvas.calls[1].back());
  EXPECT_EQ(canvas.calls[2].back(), (TPoint{450 % 90, 45}));
}

TEST_F(ItemRendererTest, DrawToWithoutMoveToStartsAtTheTopLeftPixel) {
  list.DrawTo(10, 0);
  Render();
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0], (std::vector<TPoint>{{0, 0}, {10, 0}}));
  EXPECT_EQ(At(0, 0), clBlack);
  EXPECT_EQ(At(9, 0), clBlack);
}

TEST_F(ItemRendererTest, AColourChangeSplitsThePolylineButKeepsItConnected) {
  list.MoveTo(0, 5);
  list.DrawTo(10, 5);
  list.SetDataColor(clRed);
  list.DrawTo(20, 5);
  Render();
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[1].front(), (TPoint{10, 5}));
  EXPECT_EQ(canvas.colors[0], clBlack);
  EXPECT_EQ(canvas.colors[1], clRed);
  EXPECT_EQ(At(9, 5), clBlack);
  EXPECT_EQ(At(10, 5), clRed);
}

TEST_F(ItemRendererTest, ALineDoesNotMoveThePolylinePen) {
  list.MoveTo(0, 0);
  list.DrawTo(10, 0);
  list.SetDataColor(clRed);
  list.Line(50, 50, 50, 60);
  list.SetDataColor(clBlack);
  list.DrawTo(10, 10);
  Render();
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[1], (std::vector<TPoint>{{10, 0}, {10, 10}}));
  EXPECT_EQ(At(50, 50), clRed);
  EXPECT_EQ(At(50, 59), clRed);
  EXPECT_EQ(At(50, 60), clWhite);  // the end pixel is not drawn
}

TEST_F(ItemRendererTest, ALineOnOnePixelSetsThatPixel) {
  list.SetDataColor(clBlue);
  list.Line(30.2, 40.1, 29.8, 39.9);
  Render();
  EXPECT_EQ(At(30, 40), clBlue);
  EXPECT_EQ(At(31, 40), clWhite);
  EXPECT_EQ(At(30, 41), clWhite);
}

TEST_F(ItemRendererTest, PointsOnTheSamePixelStillCount) {
  list.MoveTo(5, 5);
  list.DrawTo(5, 5);
  list.DrawTo(5.2, 5.1);
  Render();
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].size(), 3u);
}

TEST_F(ItemRendererTest, FarPointsAreClampedNotWrapped) {
  list.MoveTo(5, 5);
  list.DrawTo(1e12, 5);
  list.DrawTo(5, -1e12);
  Render();
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0][1], (TPoint{30000, 5}));
  EXPECT_EQ(canvas.calls[0][2], (TPoint{5, -30000}));
  EXPECT_EQ(At(99, 5), clBlack);
}

TEST_F(ItemRendererTest, ItemsUseTheirOwnLayerAndOutOfRangeLayersAreClamped) {
  mapX[15].K = 2;  // layer 16 doubles x
  list.MoveTo(0, 0);
  list.DrawTo(10, 1);
  Render();
  canvas.calls.clear();
  TChartItem items[2] = {list.Item(0), list.Item(1)};
  items[0].Layer = 40;  // beyond 16: mapped as layer 16
  items[1].Layer = 16;
  TItemRenderer(canvas, settings).Render(items, 2);
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].back(), (TPoint{20, 1}));
}

TEST_F(ItemRendererTest, PenWidthChangesAndEndsAtOne) {
  list.MoveTo(0, 20);
  list.SetLineWidth(3);
  list.DrawTo(40, 20);
  Render();
  EXPECT_EQ(At(20, 21), clBlack);  // wide pen
  EXPECT_EQ(canvas.Pen.Width, 1);
}

}  // namespace
}  // namespace vqm
