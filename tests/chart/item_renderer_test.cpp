// Replaying items: polyline batching, the pen position rules, clamping and the
// attribute changes.
#include <gtest/gtest.h>

#include <cstring>

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
  void TextOut(int x, int y, const QString& text) override {
    texts.push_back({x, y, text, Font, Brush});
    TImageCanvas::TextOut(x, y, text);
  }
  using TImageCanvas::TextOut;
  struct Text {
    int x, y;
    QString text;
    TFont font;
    TBrush brush;
  };
  std::vector<Text> texts;
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

// A riser whose ends fall on two logical pixels but on one device pixel stands
// upright on a finer surface: every row of it covers the same device columns.
TEST_F(ItemRendererTest, RisersStandUprightInDevicePixels) {
  list.MoveTo(2, 10);
  list.DrawTo(10.45, 10);
  list.DrawTo(10.55, 40);
  list.DrawTo(30, 40);
  for (const auto [ratio, column] : {std::pair{2, 21}, std::pair{4, 42}}) {
    QImage fine(50 * ratio, 50 * ratio, QImage::Format_RGB32);
    fine.setDevicePixelRatio(ratio);
    fine.fill(0xFFFFFFFFu);
    canvas.Attach(&fine);
    Render();
    for (int y = 10 * ratio + ratio; y < 40 * ratio; ++y)
      for (int x = 5 * ratio; x < 15 * ratio; ++x)
        ASSERT_EQ(fine.pixel(x, y) == 0xFF000000u, x >= column && x < column + ratio) << ratio << ": " << x << "," << y;
  }
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
  list.SetPenStyle(psDot);  // a style change alone splits it too
  list.DrawTo(30, 5);
  Render();
  EXPECT_EQ(At(23, 5), clWhite);  // the first gap of the dots: three on, three off
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

// One item of any kind in red with a yellow fill, on layer 1.
TChartItem Item(TItemKind kind, double x1, double y1, double x2 = 0, double y2 = 0) {
  TChartItem it;
  it.Kind = kind;
  it.X1 = x1, it.Y1 = y1, it.X2 = x2, it.Y2 = y2;
  it.Color = clRed;
  it.FillColor = clYellow;
  it.EdgeColorA = clBlue;
  it.EdgeColorB = clLime;
  it.LineWidth = 1;
  it.Layer = 1;
  return it;
}

// The top-left 12 x 10 pixels as text rows: '#' red, 'o' yellow, 'a' blue,
// 'b' lime, '.' white.
std::vector<std::string> PictureRows(const QImage& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < 10; ++y) {
    std::string row;
    for (int x = 0; x < 12; ++x) {
      const TColor c = FromQRgb(image.pixel(x, y));
      row += c == clRed ? '#' : c == clYellow ? 'o' : c == clBlue ? 'a' : c == clLime ? 'b' : c == clWhite ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

// A text item at each alignment: vertically centred on its point, in its own
// colour and size, on the chart's text background.
TEST_F(ItemRendererTest, TextItemsByAlignment) {
  TChartItem item = Item(ikText, 50, 40);
  std::strcpy(item.Text, "Volt");
  item.Size = 14;
  settings.TextBkStyle = tbSolid;
  settings.TextBkColor = clAqua;
  settings.TextFontStyle = fsBold;
  struct Case {
    TAlignment alignment;
    int shift;  // of the text width, in halves
  };
  for (const Case c : {Case{taLeftJustify, 0}, Case{taCenter, 1}, Case{taRightJustify, 2}}) {
    settings.TextAlignment = c.alignment;
    canvas.texts.clear();
    TItemRenderer(canvas, settings).Render(&item, 1);
    ASSERT_EQ(canvas.texts.size(), 1u);
    const auto& t = canvas.texts[0];
    TImageCanvas measure(&image);
    measure.Font = t.font;
    const TSize size = measure.TextExtent(QStringLiteral("Volt"));
    EXPECT_EQ(t.text, "Volt");
    EXPECT_EQ(t.x, 50 - (c.shift == 2 ? size.cx : c.shift == 1 ? size.cx / 2 : 0)) << int(c.alignment);
    EXPECT_EQ(t.y, 40 - size.cy / 2);
    EXPECT_EQ(t.font.Color, clRed);
    EXPECT_EQ(t.font.Style, fsBold);
    EXPECT_EQ(t.font.SizeAt(kScreenPixelsPerInch), 14);
    EXPECT_EQ(t.brush, (TBrush{clAqua, bsSolid}));
  }
}

// Every kind that no append makes, each on its own image, five to a sheet.
TEST_F(ItemRendererTest, EveryOtherKindGolden) {
  auto with = [](TChartItem it, auto change) {
    change(it);
    return it;
  };
  const std::vector<std::vector<TChartItem>> cases = {
      // mark, rectangle, hollow rectangle, 3-D rectangles with edges 2 and 5
      {with(Item(ikMark, 5, 4), [](TChartItem& i) { i.MarkType = 13; })},
      {Item(ikRectangle, 1, 1, 6, 4)},
      {with(Item(ikRectangle, 6, 4, 1, 1), [](TChartItem& i) { i.Hollow = true; })},
      {with(Item(ikRect3D, 1, 6, 7, 1), [](TChartItem& i) { i.EdgeStyle = 2; })},
      {with(Item(ikRect3D, 1, 1, 7, 7), [](TChartItem& i) { i.EdgeStyle = 5; })},
      // 3-D bar, ellipse, hollow ellipse, pixel move and lines, kinds 10, 11, 0 after a run
      {with(Item(ikBar3D, 1, 8, 5, 4), [](TChartItem& i) { i.Size = 45, i.Depth = 3; })},
      {Item(ikEllipse, 5, 4, 4, 3)},
      {with(Item(ikEllipse, 5, 4, 4, 3), [](TChartItem& i) { i.Hollow = true; })},
      {Item(ikMoveRel, 2.4, 1.6), Item(ikDrawRel, 5, 0), Item(ikDrawRel, -0.6, 4.5)},
      {Item(ikMoveTo, 0, 8), Item(ikDrawTo, 11, 8), Item(ikRect3D, 2, 2, 4, 4),  // the run is drawn first
       Item(TItemKind(10), 1, 1, 8, 8), Item(TItemKind(11), 1, 1, 8, 8), Item(ikNone, 1, 1, 8, 8)},
      // arrows: right, left open, down, up open, on one pixel
      {with(Item(ikArrow, 1, 4, 9, 4), [](TChartItem& i) { i.Size = 4; })},
      {with(Item(ikArrow, 9, 4, 1, 4), [](TChartItem& i) { i.Size = 4, i.Hollow = true; })},
      {with(Item(ikArrow, 5, 0, 5, 8), [](TChartItem& i) { i.Size = 4; })},
      {with(Item(ikArrow, 5, 9, 5, 1), [](TChartItem& i) { i.Size = 4, i.Hollow = true; })},
      {with(Item(ikArrow, 3, 3, 3.2, 3.1), [](TChartItem& i) { i.Size = 4; })},
  };
  const char* const sheets[] = {
      R"(
............ ............ ............ ............ ............
............ .######..... .######..... .aaaaaab.... .bbbbbba....
............ .#oooo#..... .#....#..... .aooooob.... .bbbbbaa....
.....#...... .#oooo#..... .#....#..... .aooooob.... .bboooaa....
....###..... .######..... .######..... .aooooob.... .bboooaa....
.....#...... ............ ............ .aooooob.... .bboooaa....
............ ............ ............ .abbbbbb.... .bbaaaaa....
............ ............ ............ ............ .baaaaaa....
............ ............ ............ ............ ............
............ ............ ............ ............ ............)",
      R"(
............ ............ ............ ............ ............
............ ...#####.... ...#####.... ............ ............
...#####.... ..#ooooo#... ..#.....#... ..######.... ..oo........
..#ooo##.... .#ooooooo#.. .#.......#.. .......#.... ..oo........
.#####o#.... .#ooooooo#.. .#.......#.. .......#.... ............
.#ooo#o#.... .#ooooooo#.. .#.......#.. ......#..... ............
.#ooo#o#.... ..#ooooo#... ..#.....#... ......#..... ............
.#ooo##..... ...#####.... ...#####.... ............ ............
.#####...... ............ ............ ............ ###########.
............ ............ ............ ............ ............)",
      R"(
............ ............ .....#...... ............ ............
............ ............ .....#...... ............ ............
............ ............ .....#...... .....#...... ............
.....##..... ....##...... .....#...... .....##..... ...#........
.#####o###.. ..########.. ....###..... ....###..... ............
.....###.... ...###...... ....#o#..... ....###..... ............
............ ............ .....##..... .....#...... ............
............ ............ .....#...... .....#...... ............
............ ............ .....#...... .....#...... ............
............ ............ ............ .....#...... ............)",
  };
  for (std::size_t sheet = 0; sheet < std::size(sheets); ++sheet) {
    std::vector<std::string> rows(10);
    for (std::size_t c = sheet * 5; c < sheet * 5 + 5; ++c) {
      image.fill(0xFFFFFFFFu);
      TItemRenderer(canvas, settings).Render(cases[c].data(), int(cases[c].size()));
      const std::vector<std::string> picture = PictureRows(image);
      for (std::size_t r = 0; r < rows.size(); ++r) rows[r] += (c % 5 ? " " : "") + picture[r];
    }
    std::string text;
    for (const std::string& r : rows) text += "\n" + r;
    EXPECT_EQ(text, sheets[sheet]) << "sheet " << sheet;
  }
}

}  // namespace
}  // namespace vqm
