// The read-out widget: defaults, setters, copying, the display event and its paint.
#include "numlab/numlab.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <tuple>

#include "drawbase/vqm_error.h"

namespace vqm {
namespace {

// Paints counted through the display event (called once per paint unless Empty).
struct PaintCounter {
  explicit PaintCounter(TNumLab& lab) {
    lab.OnBeforeDisplay = [this](TNumLab*, QString&) { ++count; };
  }
  int count = 0;
};

QImage Render(TNumLab& lab) {
  TBitmap bitmap;
  lab.PaintTo(bitmap);
  return bitmap.Image().copy();
}

TEST(NumLabTest, Defaults) {
  TNumLab lab;
  EXPECT_EQ(lab.width(), 160);
  EXPECT_EQ(lab.height(), 28);
  EXPECT_EQ(lab.Alignment(), taCenter);
  EXPECT_EQ(lab.ColorLabBakG(), clBtnFace);
  EXPECT_EQ(lab.ColorLabText(), clBlack);
  EXPECT_EQ(lab.ColorOutBakG(), clBtnFace);
  EXPECT_EQ(lab.ColorOutText(), clBlack);
  EXPECT_EQ(lab.ColorScheme(), csBWG);
  EXPECT_EQ(lab.FrameColors(), (TFrameColors{clBlack, clGray, clWhite}));
  EXPECT_FALSE(lab.Comma());
  EXPECT_EQ(lab.DisplayType(), dtFixP);
  EXPECT_EQ(lab.DTFormat(), "mmm-dd, yyyy");
  EXPECT_FALSE(lab.Empty());
  EXPECT_FALSE(lab.ForcePlusSign());
  EXPECT_EQ(lab.FrameStyle(), fsLowered);
  EXPECT_EQ(lab.LabelWidth(), 80);
  EXPECT_EQ(lab.LeftSpace(), 35);
  EXPECT_EQ(lab.LeftText(), "");
  EXPECT_EQ(lab.LeftTextAlignment(), taRightJustify);
  EXPECT_EQ(lab.OverflowIndicator(), "*********");
  EXPECT_EQ(lab.Precision(), 2);
  EXPECT_EQ(lab.RightText(), "");
  EXPECT_EQ(lab.RightTextAlignment(), taLeftJustify);
  EXPECT_EQ(lab.StateText(), "undefined");
  EXPECT_EQ(lab.Value(), 0.0);
  EXPECT_FALSE(lab.OnBeforeDisplay);
  EXPECT_EQ(lab.ValueText(), "0.00");
}

TEST(NumLabTest, RepaintsAtOnceOnlyWhenAValueChanges) {
  TNumLab lab;
  lab.show();
  QCoreApplication::processEvents();  // the first, exposing paint
  PaintCounter paints(lab);
  lab.SetValue(0.0);
  lab.SetPrecision(2);
  lab.SetLeftText("");
  lab.SetFrameStyle(fsLowered);
  EXPECT_EQ(paints.count, 0);
  lab.SetValue(1000.0 / 7);
  EXPECT_EQ(paints.count, 1);
  lab.SetValue(1000.0 / 7);
  lab.setProperty("Value", 1000.0 / 7);
  EXPECT_EQ(paints.count, 1);
  lab.setProperty("LeftText", "f = ");  // the form translator's way in
  EXPECT_EQ(lab.LeftText(), "f = ");
  lab.SetColorScheme(csSystem);
  lab.SetColorScheme(csSystem);
  lab.SetComma(true);
  EXPECT_EQ(paints.count, 4);
  TNumLab other;
  other.SetValue(5);
  lab.Assign(&other);  // a copy shows at once, as a setter does
  EXPECT_EQ(paints.count, 5);
}

TEST(NumLabTest, LeftSpaceAndPrecisionLimits) {
  TNumLab lab;
  lab.resize(170, 23);
  lab.SetLeftSpace(500);
  EXPECT_EQ(lab.LeftSpace(), 170);
  lab.SetLeftSpace(80);
  lab.SetLeftSpace(-1);
  EXPECT_EQ(lab.LeftSpace(), 80);
  lab.SetPrecision(20);
  EXPECT_EQ(lab.Precision(), 15);
  lab.SetPrecision(-1);
  EXPECT_EQ(lab.Precision(), 15);
  lab.SetPrecision(0);
  EXPECT_EQ(lab.Precision(), 0);
}

TEST(NumLabTest, SystemSchemeChangesMediumAndLightLines) {
  TNumLab lab;
  lab.resize(170, 23);
  lab.SetColorScheme(csSystem);
  EXPECT_EQ(lab.FrameColors(), (TFrameColors{clBlack, clBtnShadow, clBtnHighlight}));
  const QImage image = Render(lab);
  auto at = [&](int x, int y) { return FromQRgb(image.pixel(x, y)); };
  const int x0 = lab.LeftSpace();
  EXPECT_EQ(at(x0, 5), ResolveColor(clBtnShadow));            // border
  EXPECT_EQ(at(x0 + 1, 5), clBlack);                          // dark line stays black
  EXPECT_EQ(at(x0 + 5, 22), ResolveColor(clBtnHighlight));    // light line
  lab.SetColorScheme(csBWG);
  EXPECT_EQ(lab.FrameColors(), (TFrameColors{clBlack, clGray, clWhite}));
}

TEST(NumLabTest, AssignCopiesExactlyTheListedFields) {
  TNumLab source;
  source.resize(300, 40);
  source.SetLeftSpace(90);
  source.SetEmpty(true);
  source.SetLabelWidth(60);
  source.SetPrecision(4);
  source.SetLeftText("L");
  source.SetRightText("R");
  source.SetFrameStyle(fsRaised);
  source.SetAlignment(taLeftJustify);
  source.SetRightTextAlignment(taCenter);
  source.SetLeftTextAlignment(taCenter);
  source.SetOverflowIndicator("##");
  source.SetValue(3.25);
  source.SetStateText("busy");
  source.SetColorLabBakG(clRed);
  source.SetColorLabText(clBlue);
  source.SetColorOutBakG(clLime);
  source.SetColorOutText(clNavy);
  source.SetColorScheme(csSystem);
  source.SetDisplayType(dtHex);
  source.SetComma(true);
  source.SetForcePlusSign(true);
  source.SetDTFormat("yyyy");
  source.OnBeforeDisplay = [](TNumLab*, QString&) {};

  TNumLab target;
  target.Assign(&source);
  EXPECT_EQ(target.LeftSpace(), 90);
  EXPECT_TRUE(target.Empty());
  EXPECT_EQ(target.LabelWidth(), 60);
  EXPECT_EQ(target.Precision(), 4);
  EXPECT_EQ(target.LeftText(), "L");
  EXPECT_EQ(target.RightText(), "R");
  EXPECT_EQ(target.FrameStyle(), fsRaised);
  EXPECT_EQ(target.Alignment(), taLeftJustify);
  EXPECT_EQ(target.RightTextAlignment(), taCenter);
  EXPECT_EQ(target.LeftTextAlignment(), taCenter);
  EXPECT_EQ(target.OverflowIndicator(), "##");
  EXPECT_EQ(target.Value(), 3.25);
  EXPECT_EQ(target.StateText(), "busy");
  EXPECT_EQ(target.ColorLabBakG(), clRed);
  EXPECT_EQ(target.ColorLabText(), clBlue);
  EXPECT_EQ(target.ColorOutBakG(), clLime);
  EXPECT_EQ(target.ColorOutText(), clNavy);
  EXPECT_EQ(target.ColorScheme(), csSystem);
  EXPECT_EQ(target.FrameColors(), source.FrameColors());
  EXPECT_EQ(target.DisplayType(), dtHex);
  // Not copied.
  EXPECT_FALSE(target.Comma());
  EXPECT_FALSE(target.ForcePlusSign());
  EXPECT_EQ(target.DTFormat(), "mmm-dd, yyyy");
  EXPECT_FALSE(target.OnBeforeDisplay);
  EXPECT_EQ(target.width(), 160);

  TNumLab viaAssignTo;
  source.AssignTo(&viaAssignTo);
  EXPECT_EQ(viaAssignTo.Value(), 3.25);
  EXPECT_EQ(viaAssignTo.LeftSpace(), 90);
}

TEST(NumLabTest, AssignFromAnythingElseThrows) {
  TNumLab lab;
  QObject other;
  EXPECT_THROW(lab.Assign(&other), EVQMError);
  EXPECT_THROW(lab.Assign(nullptr), EVQMError);
  EXPECT_THROW(lab.AssignTo(&other), EVQMError);
}

TEST(NumLabTest, LongerTextFromTheEventBecomesTheOverflowIndicator) {
  TNumLab lengthened, indicator, plain;
  for (TNumLab* lab : {&lengthened, &indicator, &plain}) {
    lab->resize(170, 23);
    lab->SetLeftSpace(80);
    lab->SetLabelWidth(50);
    lab->SetValue(100);
  }
  TNumLab* seenSender = nullptr;
  lengthened.OnBeforeDisplay = [&](TNumLab* sender, QString& text) {
    seenSender = sender;
    text += " MHz (sampling)";
  };
  indicator.OnBeforeDisplay = [](TNumLab*, QString& text) { text = "*********"; };
  const QImage overflowed = Render(lengthened);
  EXPECT_EQ(seenSender, &lengthened);
  EXPECT_EQ(overflowed, Render(indicator));
  EXPECT_NE(overflowed, Render(plain));
}

TEST(NumLabTest, DisplayEventMayChangePropertiesOfTheReadout) {
  TNumLab lab;
  lab.resize(170, 23);
  lab.show();
  QCoreApplication::processEvents();
  int calls = 0;
  lab.OnBeforeDisplay = [&calls](TNumLab* sender, QString&) {
    ++calls;
    sender->SetColorLabText(sender->Value() < 0 ? clRed : clBlack);
  };
  lab.SetValue(-1);
  EXPECT_EQ(calls, 1);  // the colour change inside the paint does not paint again inside it
  const QImage image = Render(lab);
  int red = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) red += FromQRgb(image.pixel(x, y)) == clRed;
  EXPECT_GT(red, 5);
}

TEST(NumLabTest, EmptyDrawsFrameAndCaptionsButNoValue) {
  TNumLab lab;
  lab.resize(170, 23);
  lab.SetLeftSpace(80);
  lab.SetLabelWidth(50);
  lab.SetLeftText("f(sample) = ");
  lab.SetRightText("MHz");
  lab.SetColorLabBakG(clYellow);
  lab.SetEmpty(true);
  PaintCounter paints(lab);
  const QImage image = Render(lab);
  EXPECT_EQ(paints.count, 0);
  auto at = [&](int x, int y) { return FromQRgb(image.pixel(x, y)); };
  for (int y = 2; y < 20; ++y)
    for (int x = 82; x < 131; ++x) ASSERT_EQ(at(x, y), clYellow) << x << "," << y;
  EXPECT_EQ(at(80, 0), clGray);
  int leftInk = 0, rightInk = 0;
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 80; ++x) leftInk += at(x, y) != ResolveColor(clBtnFace);
    for (int x = 134; x < 170; ++x) rightInk += at(x, y) != ResolveColor(clBtnFace);
  }
  EXPECT_GT(leftInk, 20);
  EXPECT_GT(rightInk, 10);
}

TEST(NumLabTest, DegenerateSizesPaintWithoutFault) {
  for (const auto& [w, h, labelWidth] : {std::tuple{0, 0, 80}, std::tuple{5, 3, 80}, std::tuple{160, 28, -40},
                                         std::tuple{160, 2, 0}, std::tuple{40, 28, 200}}) {
    TNumLab lab;
    lab.resize(w, h);
    lab.SetLabelWidth(labelWidth);
    lab.SetLeftText("left caption");
    lab.SetValue(123.456);
    const QImage image = Render(lab);
    EXPECT_EQ(image.width(), w);
    EXPECT_EQ(image.height(), h);
  }
}

TEST(NumLabTest, StateTextIsClippedNotReplaced) {
  TNumLab lab;
  lab.resize(170, 23);
  lab.SetLabelWidth(30);
  lab.SetDisplayType(dtState);
  lab.SetStateText("a very long state text");
  PaintCounter paints(lab);
  TNumLab indicator;
  indicator.Assign(&lab);
  indicator.SetStateText("*********");
  EXPECT_NE(Render(lab), Render(indicator));
  EXPECT_EQ(paints.count, 1);
}

// What the widget shows on screen is exactly its off-screen picture, from its
// top-left corner.
TEST(NumLabTest, WidgetShowsItsPictureAtItsOrigin) {
  TNumLab lab;
  lab.resize(170, 23);
  lab.SetValue(1000.0 / 7);
  TBitmap picture;
  lab.PaintTo(picture);
  const QImage expected = picture.Image().convertToFormat(QImage::Format_RGB32);
  const QImage shown = lab.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), expected.size());
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace vqm
