// Crosshairs and text labels: the layer rules, where each crosshair mode draws
// near the data frame, and the box, underline, shadow and lines of each label mode.
#include <gtest/gtest.h>

#include "chart/rchart.h"

namespace vqm {
namespace {

// A shown 300 x 200 chart whose layer 1 maps one world unit to one pixel:
// x 0..230 to columns 50..280, y 0..140 to rows 160..20.
class CrossLabelChart : public ::testing::Test {
 protected:
  CrossLabelChart() {
    chart.resize(300, 200);
    chart.Scale1X()->SetRangeHigh(230);
    chart.Scale1Y()->SetRangeHigh(140);
    chart.show();
  }
  TColor Px(int x, int y) { return chart.FrameImage().Canvas().GetPixel(x, y); }
  TRChart chart;
};

TEST(CrossHairAndLabel, LayerRulesAndCreationSettings) {
  TRChart chart;
  TCrossHair& ch = *chart.CrossHair1();
  EXPECT_EQ(chart.CrossHair2()->Layer(), 2);
  EXPECT_EQ(chart.CrossHair4()->Layer(), 4);
  EXPECT_EQ(ch.Mode(), chOff);
  EXPECT_EQ(ch.LineWid(), 1);
  int crossNotices = 0;
  QObject::connect(&ch, &TCrossHair::changed, [&] { ++crossNotices; });
  ch.SetLayer(0);
  EXPECT_EQ(ch.Layer(), 1);
  ch.SetLayer(17);
  EXPECT_EQ(ch.Layer(), 16);
  EXPECT_EQ(crossNotices, 2);  // clamped writes still notify
  ch.SetPosX(1);
  ch.SetPosY(2);
  ch.SetColor(clRed);
  ch.SetMode(chBoth);
  ch.SetLineType(psDot);
  ch.SetLineWid(3);
  EXPECT_EQ(crossNotices, 8);  // every write notifies once

  TTextLabel& label = *chart.TextLabel(30);
  EXPECT_EQ(chart.TextLabel(31), nullptr);
  EXPECT_EQ(chart.CrossHair(0), nullptr);
  EXPECT_EQ(label.Mode(), tlBox);
  EXPECT_FALSE(label.Visible());
  EXPECT_EQ(label.AttachToData(), tlamBoth);
  EXPECT_EQ(label.ColorBkg(), clWhite);
  EXPECT_EQ(label.ShadowDx(), 3);
  int notices = 0;
  QObject::connect(&label, &TTextLabel::changed, [&] { ++notices; });
  label.SetLayer(16);
  label.SetLayer(1);  // both ends are taken
  label.SetLayer(0);
  label.SetLayer(17);
  EXPECT_EQ(label.Layer(), 1);
  EXPECT_EQ(notices, 2);  // the refused writes say nothing

  TTextLabel plain;  // the class's own defaults
  EXPECT_EQ(plain.PosX(), 100.0);
  EXPECT_EQ(plain.PosY(), 10.0);
  EXPECT_EQ(plain.Mode(), tlsimple);
  EXPECT_EQ(plain.ColorBkg(), clSilver);
  EXPECT_EQ(plain.AttachToData(), tlamNone);
  EXPECT_TRUE(plain.Visible());
}

TEST_F(CrossLabelChart, CrossHairLinesNearTheMargins) {
  struct Case {
    TCrossHMode mode;
    int width;
    double x, y;          // world = data pixel offset
    bool horiz, vert;     // which lines appear
  };
  const Case cases[] = {
      {chHoriz, 1, 100, 139, true, false},   // row 21: just inside the top frame
      {chHoriz, 3, 100, 139, false, false},  // its half-width would touch the frame
      {chHoriz, 3, 100, 138, true, false},
      {chVert, 1, 0, 70, false, false},      // column 50 is the frame itself
      {chVert, 1, 1, 70, false, true},
      {chVert, 3, 229, 70, false, false},    // column 279 with half-width 1 touches the right frame
      {chVert, 3, 228, 70, false, true},
      {chBoth, 1, 100, 70, true, true},
      {chOff, 1, 100, 70, false, false},
  };
  TCrossHair& ch = *chart.CrossHair3();
  ch.SetLayer(1);
  ch.SetColor(clRed);
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << int(k.mode) << " w" << k.width << " (" << k.x << ", " << k.y << ")");
    ch.SetMode(k.mode);
    ch.SetLineWid(k.width);
    ch.SetPosX(k.x);
    ch.SetPosY(k.y);
    const int cx = 50 + int(k.x), cy = 160 - int(k.y);
    const int hw = k.width / 2;
    // A horizontal line runs from MarginLeft + hw + 1 to the column before the right frame less hw.
    const int probeX = cx == 50 + 100 ? 120 : 150;
    EXPECT_EQ(Px(probeX, cy) == clRed, k.horiz);
    if (k.horiz && hw == 0) {  // a one-pixel line ends just inside the frame
      EXPECT_EQ(Px(51, cy), clRed);
      EXPECT_EQ(Px(279, cy), clRed);
    }
    const int probeY = cy == 90 ? 60 : 100;
    EXPECT_EQ(Px(cx, probeY) == clRed, k.vert);
    if (k.vert && hw == 0) {
      EXPECT_EQ(Px(cx, 21), clRed);
      EXPECT_EQ(Px(cx, 159), clRed);
      EXPECT_EQ(Px(cx, 160), clBlack);
    }
  }
  // The quick path of ShowItems draws them too.
  ch.SetMode(chBoth);
  chart.ShowItems();
  EXPECT_EQ(Px(120, 90), clRed);
}

// Label 1 anchored at control pixel (150, 100) in its own colours.
class LabelChart : public CrossLabelChart {
 protected:
  LabelChart() : label(*chart.TextLabel(1)) {
    label.SetAttachToData(tlamNone);
    label.SetPosX(150);
    label.SetPosY(100);
    label.SetColorBkg(clYellow);
    label.SetColorBorder(clRed);
    label.SetColorShadow(clBlue);
    label.SetCaption(QStringLiteral("Spannung"));
    label.SetVisible(true);
  }
  // Width of the widest line and the line height, measured as the label does.
  std::pair<int, int> Measure(const QStringList& lines) {
    TBitmap b(1, 1);
    b.Canvas().Font = label.Font();
    int w = 0;
    for (const QString& l : lines) w = std::max(w, b.Canvas().TextWidth(l));
    return {w, b.Canvas().TextHeight(lines.join('\n'))};
  }
  TTextLabel& label;
};

TEST_F(LabelChart, ModesDrawBoxUnderlineAndShadow) {
  const auto [W, h] = Measure({QStringLiteral("Spannung")});
  const int x = 150 - W / 2, y = 100;  // centred, anchor at the block's bottom
  const int left = x - 4, right = x + W + 3, top = y - h - 2, bottom = y + 1;  // inclusive box pixels
  const int midY = y - h / 2;
  struct Case {
    TTxtLblMode mode;
    bool transparent;
    TColor edge, inside, underline, shadowCorner;
  };
  const Case cases[] = {
      {tlsimple, false, clYellow, clYellow, clYellow, clWhite},
      {tlsimple, true, clWhite, clWhite, clWhite, clWhite},
      {tlBox, false, clRed, clYellow, clYellow, clWhite},
      {tlBox, true, clRed, clWhite, clWhite, clWhite},
      {tlUnderline, false, clYellow, clYellow, clRed, clWhite},
      {tlShadow, false, clRed, clYellow, clYellow, clBlue},
      {tlShadow, true, clRed, clYellow, clYellow, clBlue},  // the shadow mode always fills
      {tlOff, false, clWhite, clWhite, clWhite, clWhite},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << int(k.mode) << " transparent " << k.transparent);
    label.SetMode(k.mode);
    label.SetTransparent(k.transparent);
    EXPECT_EQ(Px(left, midY), k.edge);
    EXPECT_EQ(Px(right, top), k.edge);
    EXPECT_EQ(Px(left - 1, midY), clWhite);
    EXPECT_EQ(Px(right + 1, midY), k.shadowCorner);
    EXPECT_EQ(Px(x - 2, midY), k.inside);
    EXPECT_EQ(Px(x, y), k.underline);
    EXPECT_EQ(Px(x + W - 1, y), k.underline);
    EXPECT_EQ(Px(right + 3, bottom + 3), k.shadowCorner);
    EXPECT_EQ(Px(right + 4, bottom + 4), clWhite);
  }
  label.SetMode(tlBox);
  label.SetVisible(false);
  EXPECT_EQ(Px(left, midY), clWhite);
}

TEST_F(LabelChart, SeveralLinesInEnglishAndGerman) {
  label.SetPosX(165);  // the middle of the data area
  for (const QString& caption : {QStringLiteral("Voltage\nquantized"), QStringLiteral("Spannung\nÜberlauf, 3 Bit")}) {
    SCOPED_TRACE(caption.toStdString());
    const QStringList lines = caption.split('\n');
    const auto [W, h] = Measure(lines);
    for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
      label.SetCaption(caption);
      label.SetAlignment(a);
      label.SetVerticalAlignment(vaTop);  // the block hangs below the anchor
      const int x = a == taLeftJustify ? 165 : a == taRightJustify ? 165 - W : 165 - W / 2;
      const int y = 100 + h;
      // The box reaches 4 pixels beyond the widest line and 2 beyond the block.
      EXPECT_EQ(Px(x - 4, y - 2 * h - 2), clRed);
      EXPECT_EQ(Px(x - 4, y - 2 * h - 3), clWhite);
      EXPECT_EQ(Px(x + W + 3, y + 1), clRed);
      EXPECT_EQ(Px(x + W + 4, y + 1), clWhite);
      // The narrower first line sits by the alignment inside the block: its
      // text pixels start at the block's left (left) or past the gap (others).
      TBitmap b(1, 1);
      b.Canvas().Font = label.Font();
      const int w0 = b.Canvas().TextWidth(lines[0]);
      const int d = a == taLeftJustify ? 0 : a == taRightJustify ? W - w0 : (W - w0) / 2;
      int firstInk = -1;
      for (int col = x - 3; col < x + W + 3 && firstInk < 0; ++col)
        for (int row = y - 2 * h; row < y - h; ++row)
          if (Px(col, row) != clYellow) {
            firstInk = col;
            break;
          }
      EXPECT_GE(firstInk, x + d);
      EXPECT_LE(firstInk, x + d + 3);
    }
  }
}

TEST_F(LabelChart, AttachedLabelMovesWithTheRange) {
  label.SetAttachToData(tlamBoth);
  label.SetPosX(100);
  label.SetPosY(70);
  EXPECT_EQ(chart.TextLabelAnchor(label), (TPoint{150, 90}));
  chart.Scale1X()->SetRangeHigh(460);  // half as many pixels per unit
  EXPECT_EQ(chart.TextLabelAnchor(label), (TPoint{100, 90}));
  const auto [W, h] = Measure({label.Caption()});
  EXPECT_EQ(Px(100 - W / 2 - 4, 90 - h / 2), clRed);
  label.SetAttachToData(tlamXOnly);  // y is a pixel row now
  EXPECT_EQ(chart.TextLabelAnchor(label), (TPoint{100, 70}));
  label.SetAttachToData(tlamYOnly);
  EXPECT_EQ(chart.TextLabelAnchor(label), (TPoint{100, 90}));
  label.SetPosX(100.5);  // pixel anchors round half to even
  EXPECT_EQ(chart.TextLabelAnchor(label).x, 100);
}

}  // namespace
}  // namespace vqm
