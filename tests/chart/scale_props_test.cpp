// The axis-property objects: values at creation and the write rules.
#include <gtest/gtest.h>

#include <utility>

#include <QMetaProperty>
#include <QVariant>

#include "chart/scale_props.h"

namespace vqm {
namespace {

TEST(ScaleProps, ValuesAtCreation) {
  TScalePropsHoriz x;
  TScalePropsVert y;
  EXPECT_EQ(x.RangeLow(), 0);
  EXPECT_EQ(x.RangeHigh(), 1);
  EXPECT_EQ(x.MinRange(), 1e-10);
  EXPECT_EQ(x.DecPlaces(), -2);
  EXPECT_EQ(x.MinTicks(), 3);
  EXPECT_EQ(x.CaptionAlignment(), taCenter);
  EXPECT_FALSE(x.Visible());
  EXPECT_TRUE(x.Loading());
  EXPECT_EQ(x.ScaleLocation(), slBottom);
  EXPECT_EQ(x.LocationCode(), alcBelow);
  EXPECT_EQ(y.ScaleLocation(), slLeft);
  EXPECT_EQ(y.LocationCode(), alcLeft);
  EXPECT_EQ(x.DateFormat().DateSeparator(), '-');
  EXPECT_EQ(x.DateFormat().YearLength(), ylYYYY);
  EXPECT_EQ(x.DateFormat().DateOrder(), doDDMMYY);
}

TEST(ScaleProps, EveryWriteFiresOnChangeEvenWhenRefused) {
  TScalePropsHoriz x;
  x.SetLoading(false);
  int changes = 0;
  x.OnChange = [&](TScaleProps* sender) {
    EXPECT_EQ(sender, &x);
    ++changes;
  };
  x.SetCaption("t");
  x.SetMinRange(0);        // refused
  x.SetLogarithmic(true);  // refused: RangeLow is 0
  x.SetScaleLocation(slTop);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(x.LocationCode(), alcAbove);
}

TEST(ScaleProps, RangeEndsKeepAtLeastMinRangeApart) {
  TScalePropsHoriz x;
  x.SetRangeLow(3);
  x.SetRangeHigh(10);
  x.SetRangeHigh(3);
  EXPECT_EQ(x.RangeHigh(), 3);
  EXPECT_EQ(x.RangeLow(), 3 - 1e-10);
  x.SetRangeLow(3);
  EXPECT_EQ(x.RangeLow(), 3);
  EXPECT_EQ(x.RangeHigh(), 3 + 1e-10);
}

TEST(ScaleProps, MinRangeWidensTheRangeAboutItsCentre) {
  TScalePropsHoriz x;
  x.SetRangeLow(4);
  x.SetRangeHigh(6);
  x.SetMinRange(1e-101);  // at or below 1e-100: ignored
  EXPECT_EQ(x.MinRange(), 1e-10);
  x.SetMinRange(10);
  EXPECT_EQ(x.RangeLow(), 0);
  EXPECT_EQ(x.RangeHigh(), 10);
  x.SetMinRange(5);  // already wide enough
  EXPECT_EQ(x.RangeHigh(), 10);
}

TEST(ScaleProps, LogarithmicNeedsAPositiveRangeOnceLoaded) {
  TScalePropsHoriz x;
  x.SetLoading(false);
  x.SetLogarithmic(true);  // RangeLow 0
  EXPECT_FALSE(x.Logarithmic());
  x.SetRangeLow(1);
  x.SetRangeHigh(100);
  x.SetLabelType(ftDateTime);
  x.SetLogarithmic(true);
  EXPECT_FALSE(x.Logarithmic());
  x.SetLabelType(ftNum);
  x.SetLogarithmic(true);
  EXPECT_TRUE(x.Logarithmic());
  x.SetRangeLow(-5);  // a log axis refuses a non-positive end
  EXPECT_EQ(x.RangeLow(), 1);
  x.SetLabelType(ftDateTime);
  EXPECT_FALSE(x.Logarithmic());

  // The smallest end a log axis takes is taken, at either end (a reversed axis).
  for (const auto& [low, high] : {std::pair{kLogFloor, 100.0}, std::pair{1.0, kLogFloor}}) {
    TScalePropsHoriz atFloor;
    atFloor.SetLoading(false);
    atFloor.SetRangeLow(low);
    atFloor.SetRangeHigh(high);
    ASSERT_EQ(atFloor.RangeHigh(), high);
    atFloor.SetLogarithmic(true);
    EXPECT_TRUE(atFloor.Logarithmic()) << low << " " << high;
  }

  TScalePropsHoriz loading;  // still loading: stored unchecked
  loading.SetLogarithmic(true);
  EXPECT_TRUE(loading.Logarithmic());
}

TEST(ScaleProps, DecPlacesClampedAndTimeLabelsSetFour) {
  TScalePropsVert y;
  y.SetDecPlaces(20);
  EXPECT_EQ(y.DecPlaces(), 12);
  y.SetDecPlaces(-9);
  EXPECT_EQ(y.DecPlaces(), -3);
  y.SetLabelType(ftTime);
  EXPECT_EQ(y.DecPlaces(), 4);
}

TEST(ScaleProps, OnlyTheAxisObjectsCarryTheTranslationMarker) {
  TScalePropsHoriz x;
  const QMetaObject* meta = x.metaObject();
  const int index = meta->indexOfClassInfo("Translate");
  ASSERT_GE(index, 0);
  EXPECT_STREQ(meta->classInfo(index).value(), "nested");
  for (const char* name : {"Caption", "ScaleInscript", "UserTickText"}) {
    const int p = meta->indexOfProperty(name);
    ASSERT_GE(p, 0) << name;
    EXPECT_EQ(meta->property(p).metaType().id(), QMetaType::QString);
  }
  EXPECT_TRUE(x.setProperty("Caption", QStringLiteral("Zeit")));
  EXPECT_EQ(x.Caption(), "Zeit");
}

}  // namespace
}  // namespace vqm
