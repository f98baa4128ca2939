// A chart's design written to JSON and read back: the same pixels, declared
// defaults left out, and bad designs refused with a message, the chart untouched.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <cmath>
#include <random>

#include "chart/chart_design.h"
#include "chart/rchart.h"

namespace vqm {
namespace {

// The same curve on layer 1 of any chart.
void Plot(TRChart& chart) {
  chart.MoveTo(0, 0);
  for (int i = 1; i <= 200; ++i) chart.DrawTo(i * 5, std::sin(i / 10.0) * 4);
  chart.Line(100, -5, 900, 5);
  chart.ShowItems();
}

// A chart designed with several layers, a join, a grid, a shadow, a log axis,
// crosshairs and labels.
void Design(TRChart& c) {
  c.SetStandardLayout(rcl_X1Bottom_Y2Both);
  c.SetMarginRight(10);  // equal to the declared default: left out, yet restored
  c.SetCaption(QStringLiteral("Stored design"));
  c.SetShadowWidth(4);
  c.SetShadowStyle(ssBox);
  c.SetGridStyle(gsDotLines);
  c.SetGridColor(clGray);
  c.SetChartColor(clCream);
  c.Scale1X()->SetRangeHigh(1000);
  c.Scale1Y()->SetRangeLow(-5.5);
  c.Scale1Y()->SetRangeHigh(5.5);
  c.Scale1Y()->SetCaption(QStringLiteral("U / V"));
  c.Scale2Y()->SetRangeLow(1);
  c.Scale2Y()->SetRangeHigh(1000);
  c.Scale2Y()->SetLogarithmic(true);
  c.Scale2Y()->SetColorScale(clRed);
  c.Scale2Y()->SetFontText(QStringLiteral("Arial,11,1,255"));
  c.JointLayers().SetControlledBy(TAxisDirection::X, 2, 1);
  c.CrossHair1()->SetMode(chBoth);
  c.CrossHair1()->SetColor(clBlue);
  c.CrossHair1()->SetPosX(300);
  c.CrossHair2()->SetMode(chHoriz);
  c.CrossHair2()->SetPosY(100);  // on layer 2's logarithmic axis
  c.CrossHair2()->SetLineType(psDash);
  TTextLabel& l = *c.TextLabel(3);
  l.SetCaption(QStringLiteral("Spannung\nÜberlauf"));
  l.SetPosX(500);
  l.SetPosY(2);
  l.SetMode(tlShadow);
  l.SetVisible(true);
  TTextLabel& pixel = *c.TextLabel(30);
  pixel.SetAttachToData(tlamNone);
  pixel.SetPosX(120);
  pixel.SetPosY(60);
  pixel.SetCaption(QStringLiteral("pixels"));
  pixel.SetVisible(true);
  pixel.SetFontText(QStringLiteral("Courier New,14,2,32768"));
}

TEST(ChartDesign, WrittenAndReadBackDrawsTheSamePixels) {
  QWidget form;  // positions are a child's, as on a form
  TRChart a(&form), b(&form);
  a.setGeometry(8, 8, 420, 320);
  b.resize(200, 150);
  form.show();
  Design(a);
  Plot(a);
  const QByteArray design = WriteChartDesign(a);

  Plot(b);
  ASSERT_EQ(ReadChartDesign(design, b), QString());
  EXPECT_EQ(b.geometry(), a.geometry());
  EXPECT_EQ(b.MarginRight(), 10);
  EXPECT_EQ(b.JointLayers().ControlledBy(TAxisDirection::X, 2), 1);
  EXPECT_TRUE(b.Scale2Y()->Logarithmic());
  EXPECT_EQ(b.TextLabel(3)->Caption(), QStringLiteral("Spannung\nÜberlauf"));
  EXPECT_EQ(WriteChartDesign(b), design);
  EXPECT_TRUE(b.FrameImage().Image() == a.FrameImage().Image());
}

TEST(ChartDesign, DeclaredDefaultsAndUnstoredPropertiesAreLeftOut) {
  TRChart chart;
  const QJsonObject fresh = QJsonDocument::fromJson(WriteChartDesign(chart)).object();
  EXPECT_TRUE(fresh.contains(QStringLiteral("MarginRight")));  // 20 after the layout, not the declared 10
  EXPECT_EQ(fresh.value(QStringLiteral("MarginTop")).toInt(), 20);
  for (const char* absent : {"MarginLeft", "DataColor", "FillColor", "WindColor", "LineWidth", "ShadowWidth",
                             "LRim", "RRim", "StandardLayout", "UseDataOf"})
    EXPECT_FALSE(fresh.contains(QLatin1String(absent))) << absent;
  EXPECT_EQ(fresh.value(QStringLiteral("MouseCursorFixed")).toBool(), true);  // no declared default: stored
  // Labels keep only what differs from the label class's defaults.
  const QJsonObject label = fresh.value(QStringLiteral("TextLabels")).toArray().at(0).toObject();
  EXPECT_EQ(label.value(QStringLiteral("Mode")).toInt(), int(tlBox));
  EXPECT_EQ(label.value(QStringLiteral("Visible")).toBool(true), false);
  EXPECT_FALSE(label.contains(QStringLiteral("ColorBorder")));
  EXPECT_EQ(fresh.value(QStringLiteral("TextLabels")).toArray().size(), 30);
}

// The design's joins replace the chart's own, whatever they were.
TEST(ChartDesign, ReadingReplacesTheJoins) {
  TRChart source, target;
  source.JointLayers().SetControlledBy(TAxisDirection::X, 2, 1);
  target.JointLayers().SetControlledBy(TAxisDirection::X, 3, 2);  // would refuse layer 2 as a follower
  target.JointLayers().SetControlledBy(TAxisDirection::Y, 5, 4);
  ASSERT_EQ(ReadChartDesign(WriteChartDesign(source), target), QString());
  EXPECT_EQ(target.JointLayers().ControlledBy(TAxisDirection::X, 2), 1);
  EXPECT_EQ(target.JointLayers().ControlledBy(TAxisDirection::X, 3), 3);
  EXPECT_EQ(target.JointLayers().ControlledBy(TAxisDirection::Y, 5), 5);
  // Values in the largest and smallest stored ranges come back as they were.
  // (On a hidden label, where nothing adds to them.)
  source.TextLabel(1)->SetShadowDx(32767);
  source.TextLabel(1)->SetShadowDy(-32767);
  source.SetDataColor(4294967295u);
  source.SetLineWidth(255);
  ASSERT_EQ(ReadChartDesign(WriteChartDesign(source), target), QString());
  EXPECT_EQ(target.TextLabel(1)->ShadowDx(), 32767);
  EXPECT_EQ(target.TextLabel(1)->ShadowDy(), -32767);
  EXPECT_EQ(target.DataColor(), 4294967295u);
  EXPECT_EQ(target.LineWidth(), 255);
}

// Reading is loading: a logarithmic axis is taken before its range, also into a
// chart that has finished loading once and whose range still starts at 0.
TEST(ChartDesign, ALogarithmicAxisIsReadIntoALoadedChart) {
  TRChart source, target;
  ASSERT_EQ(ReadChartDesign(WriteChartDesign(target), target), QString());  // loaded once
  source.Scale1X()->SetRangeLow(1);
  source.Scale1X()->SetRangeHigh(1000);
  source.Scale1X()->SetLogarithmic(true);
  ASSERT_EQ(ReadChartDesign(WriteChartDesign(source), target), QString());
  EXPECT_TRUE(target.Scale1X()->Logarithmic());
  target.Scale1X()->SetLogarithmic(false);
  target.Scale1X()->SetRangeLow(0);
  target.Scale1X()->SetLogarithmic(true);  // after loading the checks hold again
  EXPECT_FALSE(target.Scale1X()->Logarithmic());
}

TEST(ChartDesign, BadDesignsAreRefusedAndChangeNothing) {
  struct Case {
    const char* json;
    const char* message;  // a part of the message
  };
  const Case cases[] = {
      {"{\"MarginLeft\": 60,", "not valid JSON"},
      {"[1, 2]", "top level must be an object"},
      {"{\"MarginLeft\": \"wide\"}", "MarginLeft: a whole number"},
      {"{\"MarginLeft\": 60, \"Margin\": 1}", "Margin: no such stored property"},
      {"{\"StandardLayout\": 3}", "StandardLayout: no such stored property"},
      {"{\"Scale1X\": {\"RangeLow\": true}}", "Scale1X.RangeLow: a number is needed"},
      {"{\"Scale1X\": 5}", "Scale1X: an object is needed"},
      {"{\"GridStyle\": 300}", "GridStyle: a whole number"},
      {"{\"GridDx\": 1, \"AutoRedraw\": 1}", "AutoRedraw: true or false"},
      {"{\"CrossHair1\": {\"Color\": -1}}", "CrossHair1.Color: a whole number"},
      {"{\"JointLayers\": {\"L01xControlledBy\": 3, \"L02xControlledBy\": 1}}",
       "JointLayers.L02xControlledBy: Destination layer 1 is already joined"},
      {"{\"TextLabels\": [{}, {\"Caption\": 7}]}", "TextLabels[2].Caption: a text is needed"},
      {"{\"MarginTop\": 2147483648}", "MarginTop: a whole number"},  // one past the int range
      {"{\"MarginTop\": 2.5}", "MarginTop: a whole number"},
      {"{\"DataColor\": 4294967296}", "DataColor: a whole number"},
      {"{\"LineWidth\": 256}", "LineWidth: a whole number"},
  };
  TRChart chart;
  chart.SetMarginLeft(70);
  const QByteArray before = WriteChartDesign(chart);
  for (const Case& k : cases) {
    const QString error = ReadChartDesign(QByteArray(k.json), chart);
    EXPECT_TRUE(error.contains(QLatin1String(k.message))) << k.json << " gave: " << error.toStdString();
    EXPECT_EQ(WriteChartDesign(chart), before) << k.json;
  }
  QJsonArray tooMany;
  for (int i = 0; i < 31; ++i) tooMany.append(QJsonObject());
  const QString error =
      ReadChartDesign(QJsonDocument(QJsonObject{{QStringLiteral("TextLabels"), tooMany}}).toJson(), chart);
  EXPECT_TRUE(error.contains(QStringLiteral("at most 30 entries"))) << error.toStdString();
}

// Values no chart can hold are held at their limits before anything is
// computed from them, ranges stay finite, and the margins' second names are read.
TEST(ChartDesign, ValuesAreHeldAtTheirLimits) {
  TRChart c;
  ASSERT_EQ(ReadChartDesign(R"({"Height": 2000000, "Left": 2147483647, "MarginLeft": 2147483647, "RRim": 22,
      "MarginTop": -2147483648, "Scale1X": {"ScalePos": 2147483647, "RangeLow": 1e308, "MinRange": 1e308}})", c), QString());
  EXPECT_EQ(std::vector<double>({double(c.height()), double(c.x()), double(c.MarginLeft()), double(c.MarginRight()),
                                 double(c.MarginTop()), double(c.Scale1X()->ScalePos()), c.Scale1X()->RangeHigh()}),
            std::vector<double>({8192, 32767, 4000, 22, 0, 32767, 1e300}));
}

// Every stored property of `o` and of the objects it holds gets an extreme or
// a random value of its kind (sizes stay small, so that charts are quick).
void Randomize(QObject& o, int firstProperty, std::mt19937& rng) {
  const auto pick = [&rng](std::initializer_list<double> v) { return v.begin()[rng() % v.size()]; };
  for (int i = firstProperty; i < o.metaObject()->propertyCount(); ++i) {
    const QMetaProperty p = o.metaObject()->property(i);
    const QByteArray name = p.name();
    if (QObject* nested = (p.metaType().flags() & QMetaType::PointerToQObject) ? p.read(&o).value<QObject*>() : nullptr) {
      for (QObject* each : nested->children() + QObjectList{nested}) Randomize(*each, QObject::staticMetaObject.propertyCount(), rng);
      continue;
    }
    const double any = std::uniform_real_distribution<double>(-1e3, 1e3)(rng);
    QVariant v = p.metaType().id() == QMetaType::Double ? pick({-1e308, -5, 0, 1e-300, 1e-10, 0.3, 1e300, 1e308, any})
                 : p.metaType().id() == QMetaType::QString      ? QVariant(QString::number(any))
                 : name.contains("Margin") || name == "Width" || name == "Height" ? pick({0, 1, 50, 333})
                     : pick({-2147483648.0, -40000, -1, 0, 1, 2, 3, 7, 255, 40000, 2147483647.0, any});
    // Isometric derives Y ranges from the size at every resize: not a stored state.
    if (p.isStored() && name != "Isometric" && v.convert(p.metaType())) try {
        p.write(&o, v);
      } catch (const std::exception&) {  // a refused join
      }
  }
}

// Whatever a chart holds, its design reads back to the same design.
TEST(ChartDesign, AnyDesignTheChartWritesReadsBackTheSame) {
  std::mt19937 rng(21);
  TRChart chart, copy;  // each round sets every stored property anew
  // Under the sanitizers a round takes some 70 ms; fewer rounds keep the test
  // inside its time limit there, and the release build runs them all.
#ifdef __SANITIZE_ADDRESS__
  constexpr int kRounds = 300;
#else
  constexpr int kRounds = 1500;
#endif
  for (int n = 0; n < kRounds; ++n) {
    chart.BeginLoad();  // one recomputation at the end, not one per property
    Randomize(chart, QWidget::staticMetaObject.propertyCount(), rng);
    chart.EndLoad();
    const QByteArray design = WriteChartDesign(chart);
    ASSERT_EQ(ReadChartDesign(design, copy), QString()) << n << design.toStdString();
    ASSERT_EQ(WriteChartDesign(copy).toStdString(), design.toStdString()) << n;
  }
}

}  // namespace
}  // namespace vqm
