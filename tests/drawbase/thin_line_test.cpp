// One-pixel lines against their definition, pixel by pixel: step k of the
// max(|dx|, |dy|) steps sits at start + k on the major axis and at the ideal
// line rounded half up on the minor one; the dash pattern runs on from the
// start of the polyline; pixels outside the image are dropped. The table mixes
// lines inside the image, crossing its edges, far outside, and axis-aligned.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "common/canvas_probe.h"

using namespace vqm;

namespace {

constexpr int kW = 23, kH = 17;

void Reference(std::vector<TColor>& image, const std::vector<TPoint>& points, const TPen& pen, const TBrush& brush) {
  const std::span<const int> runs = ThinPenDashRuns(pen.Style);
  int period = 0;
  for (int r : runs) period += r;
  int phase = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const TPoint a = points[i - 1], b = points[i];
    const long long dx = b.x - a.x, dy = b.y - a.y, steps = std::max(std::llabs(dx), std::llabs(dy));
    for (long long k = 0; k < steps; ++k, ++phase) {
      const long long x = a.x + (long long)std::floor((2.0 * k * dx + steps) / (2.0 * steps));
      const long long y = a.y + (long long)std::floor((2.0 * k * dy + steps) / (2.0 * steps));
      if (x < 0 || y < 0 || x >= kW || y >= kH) continue;
      bool on = true;
      for (int pos = period ? phase % period : 0, r = 0; period && pos >= 0; pos -= runs[std::size_t(r++)]) on = r % 2 == 0;
      TColor& px = image[std::size_t(y * kW + x)];
      if (on)
        px = pen.Mode == pmXor ? px ^ ResolveColor(pen.Color) : ResolveColor(pen.Color);
      else if (brush.Style == bsSolid)
        px = brush.Color;
    }
  }
}

TEST(ImageCanvasThinLines, EveryPenAndClippingCaseMatchesTheDefinition) {
  const std::vector<std::vector<TPoint>> polylines = {
      {{2, 3}, {20, 9}, {4, 15}, {4, 1}, {21, 1}, {9, 1}},        // inside, every direction
      {{-5, 8}, {30, 2}, {11, -40}, {11, 40}, {-3, 16}, {40, 16}},  // across the edges
      {{-9, -9}, {-9, 30}, {31, 30}, {5, 5}, {5, 5}, {6, 12}},      // outside, then a zero-length step
  };
  for (const TPenStyle style : {psSolid, psDot, psDash, psDashDot, psDashDotDot, psClear})
    for (const TPenMode mode : {pmCopy, pmXor})
      for (const TBrushStyle brushStyle : {bsClear, bsSolid}) {
        SCOPED_TRACE(::testing::Message() << "style " << int(style) << " mode " << int(mode) << " brush " << int(brushStyle));
        vqm::testing::CanvasProbe probe(kW, kH, clSilver);
        std::vector<TColor> expected(std::size_t(kW * kH), ResolveColor(clSilver));
        const TPen pen{clRed, style, 1, mode};
        const TBrush brush{clBlue, brushStyle};
        probe.Canvas().Pen = pen;
        probe.Canvas().Brush = brush;
        for (const auto& line : polylines) {
          probe.Canvas().Polyline(line);
          if (style != psClear) Reference(expected, line, pen, brush);
        }
        for (int y = 0; y < kH; ++y)
          for (int x = 0; x < kW; ++x) ASSERT_EQ(probe.At(x, y), expected[std::size_t(y * kW + x)]) << x << "," << y;
      }
}

// Runs along one column or row, zero-length steps and excursions off the image.
TEST(ImageCanvasThinLines, RandomPolylinesAlongColumnsAndRowsMatchTheDefinition) {
  std::mt19937 random(25);
  auto coordinate = [&random](int limit) { return std::uniform_int_distribution<int>(-4, limit + 3)(random); };
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<TPoint> line{{coordinate(kW), coordinate(kH)}};
    while (line.size() < 40) {
      const int step = int(random() % 4);  // along the column, along the row, zero length, anywhere
      line.push_back({step % 2 ? coordinate(kW) : line.back().x, step % 3 == 0 ? coordinate(kH) : line.back().y});
    }
    vqm::testing::CanvasProbe probe(kW, kH, clSilver);
    std::vector<TColor> expected(std::size_t(kW * kH), ResolveColor(clSilver));
    probe.Canvas().Pen = {clRed, psSolid, 1, pmCopy};
    probe.Canvas().Polyline(line);
    Reference(expected, line, probe.Canvas().Pen, TBrush{});
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) ASSERT_EQ(probe.At(x, y), expected[std::size_t(y * kW + x)]) << trial << ": " << x << "," << y;
  }
}

}  // namespace
