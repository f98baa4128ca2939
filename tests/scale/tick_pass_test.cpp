#include "scale/tick_math.h"
#include "scale/tick_pass.h"
#include "tick_pass_support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vqm;
using vqm::testing::LabelsOf;
using vqm::testing::PassFor;
using Values = std::vector<double>;
using Labels = std::vector<std::string>;

namespace {

TTickOptions Options(double low, double high, int minTicks = 3, TScaleType type = sctXB) {
  TTickOptions o;
  o.Range = {low, high, false};
  o.MinTicks = minTicks;
  o.Type = type;
  return o;
}

Values ValuesOf(const TTickPass& p, TTickKind kind) {
  Values out;
  for (const TTick& t : p.Ticks)
    if (t.Kind == kind) out.push_back(t.Value);
  return out;
}

Values Recorded(const TTickPass& p) {
  Values out;
  for (int i = 1; i <= p.Values.Count(); ++i) out.push_back(p.Values.At(i));
  return out;
}

Values Sequence(double from, double step, int count) {
  Values out;
  for (int i = 0; i < count; ++i) out.push_back(from + i * step);
  return out;
}

void ExpectValues(const Values& actual, const Values& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << "tick " << i;
}

}  // namespace

// ---------------------------------------------------------------------------
// Linear generator

TEST(LinearTicks, ZeroToThousandHorizontal) {
  const TTickPass p = PassFor(Options(0, 1000));
  EXPECT_EQ(p.Generator, TTickGenerator::Linear);
  ExpectValues(ValuesOf(p, TTickKind::Major), Sequence(0, 200, 6));
  EXPECT_EQ(LabelsOf(p), (Labels{"0", "200", "400", "600", "800", "1000"}));
  ExpectValues(ValuesOf(p, TTickKind::Short), Sequence(0, 50, 21));
  // Short ticks are drawn first, the major ones over them.
  EXPECT_EQ(p.Ticks.front().Kind, TTickKind::Short);
  EXPECT_EQ(p.Ticks.back().Kind, TTickKind::Major);
  // Horizontal with short ticks: the list holds the 21 short values.
  ExpectValues(Recorded(p), Sequence(0, 50, 21));
  EXPECT_EQ(p.Ticks.front().Length, 4);
  EXPECT_EQ(p.Ticks.back().Length, 7);
  EXPECT_EQ(p.Ticks.back().Pixel, 379);
}

TEST(LinearTicks, RecordingDependsOnOrientation) {
  TTickOptions o = Options(0, 1000);
  o.ShortTicks = false;
  TTickPass p = PassFor(o);
  EXPECT_TRUE(ValuesOf(p, TTickKind::Short).empty());
  ExpectValues(Recorded(p), Sequence(0, 200, 6));

  o = Options(0, 1000, 3, sctYL);
  p = PassFor(o);
  Values expected = Sequence(0, 50, 21);
  const Values majors = Sequence(0, 200, 6);
  expected.insert(expected.end(), majors.begin(), majors.end());
  ExpectValues(Recorded(p), expected);
  EXPECT_EQ(p.Ticks.back().Length, 6);  // vertical major
}

TEST(LinearTicks, SymmetricRangeWithOneDecimal) {
  const TTickPass p = PassFor(Options(-5.5, 5.5));
  ExpectValues(ValuesOf(p, TTickKind::Major), Sequence(-4, 2, 5));
  EXPECT_EQ(LabelsOf(p), (Labels{"-4.0", "-2.0", "0.0", "2.0", "4.0"}));
  ExpectValues(ValuesOf(p, TTickKind::Short), Sequence(-5.5, 0.5, 23));
}

// Zoomed ever deeper about the sine's crest, and far from zero: the labels of
// distinct ticks stay distinct, never cut, in the shorter of fixed and
// scientific form; where two significant digits tell the ticks apart they stay.
TEST(LinearTicks, LabelsStayDistinctAtEveryZoomDepth) {
  const struct {
    double low, high;
    const char* first;  // the first label
  } cases[] = {
      {4.799, 4.801, "4.7990"},            // automatic decimals suffice: as before
      {4.79995, 4.80005, "4.79996"},       // was " 4.8E+00" on every tick
      {4.8 - 5e-7, 4.8 + 5e-7, "4.7999996"},
      {4.8 - 5e-11, 4.8 + 5e-11, "4.79999999996"},
      {-4.8 - 5e-11, -4.8 + 5e-11, "-4.80000000004"},
      {-5e-5, 5e-5, "-4.0E-05"},           // near zero two digits tell them apart
      {1e9, 1.003e9, " 1.000E+09"},
      {1e-7 - 5e-13, 1e-7 + 5e-13, " 9.999960E-08"},  // fixed would take fourteen digits
  };
  for (const auto& c : cases) {
    const Labels labels = LabelsOf(PassFor(Options(c.low, c.high, 3, sctYL)));
    ASSERT_GE(labels.size(), 3u) << c.first;
    EXPECT_EQ(labels.front(), c.first);
    for (size_t i = 0; i < labels.size(); ++i) {
      EXPECT_LE(labels[i].size(), size_t(kMaxLabelLength)) << labels[i];
      if (i > 0) {
        EXPECT_NE(labels[i], labels[i - 1]) << c.first;
      }
    }
  }
}

TEST(LinearTicks, ExactQuotientTwoGivesStepOne) {
  TTickOptions o = Options(0, 10, 5);
  o.ShortTicks = false;
  const TTickPass p = PassFor(o);
  ExpectValues(ValuesOf(p, TTickKind::Major), Sequence(0, 1, 11));
  EXPECT_EQ(LabelsOf(p).at(3), "3.0");
}

TEST(LinearTicks, ReversedRangeCountsDown) {
  TTickOptions o = Options(100, 0);
  const TTickPass p = PassFor(o);
  ExpectValues(ValuesOf(p, TTickKind::Major), Sequence(100, -20, 6));
  EXPECT_EQ(LabelsOf(p), (Labels{"100", "80", "60", "40", "20", "0"}));
  ExpectValues(ValuesOf(p, TTickKind::Short), Sequence(100, -5, 21));
  EXPECT_EQ(p.Ticks.back().Pixel, 379);  // 0 at the right end
}

TEST(LinearTicks, WideAndNarrowSpansUseScientificLabels) {
  EXPECT_EQ(LabelsOf(PassFor(Options(0, 2e6))), (Labels{"0.0", " 5.0E+05", " 1.0E+06", " 1.5E+06", " 2.0E+06"}));
  EXPECT_EQ(LabelsOf(PassFor(Options(-1e6, 1e6))),
            (Labels{"-1.0E+06", "-5.0E+05", "0.0", " 5.0E+05", " 1.0E+06"}));
  // Span over 100000 with whole numbers: zero is "0".
  EXPECT_EQ(LabelsOf(PassFor(Options(-200000, 200000))).at(2), "0");
  // A span of 1e-4: scientific, zero written as such.
  EXPECT_EQ(LabelsOf(PassFor(Options(0, 0.0001))),
            (Labels{" 0.0E+00", " 2.0E-05", " 4.0E-05", " 6.0E-05", " 8.0E-05", " 1.0E-04"}));
}

TEST(LinearTicks, NearZeroValuesBecomeZero) {
  // 0.1 steps from -0.3 accumulate rounding; the middle tick is exactly 0.
  const TTickPass p = PassFor(Options(-0.3, 0.3, 6));
  const Values majors = ValuesOf(p, TTickKind::Major);
  ASSERT_EQ(majors.size(), 7u);
  EXPECT_EQ(majors[3], 0.0);
  EXPECT_EQ(LabelsOf(p).at(3), "0.00");
}

TEST(LinearTicks, UserTextsAndInscripts) {
  TTickOptions o = Options(-5.5, 5.5);
  o.LabelType = ftUserText;
  o.UserTickText = "a|b|c";
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"a", "b", "c", "c", "c"}));
  o.UserTickText = "a|b|";
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"a", "b", "", "", ""}));

  o.LabelType = ftNum;
  o.ScaleInscript = "U=& V";
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"U=-4.0 V", "U=-2.0 V", "U=0.0 V", "U=2.0 V", "U=4.0 V"}));

  o.LabelType = ftNoFigs;
  const TTickPass p = PassFor(o);
  EXPECT_TRUE(LabelsOf(p).empty());
  EXPECT_EQ(ValuesOf(p, TTickKind::Major).size(), 5u);
}

TEST(LinearTicks, LongLabelsAreCutToFourteenCharacters) {
  TTickOptions o = Options(0, 1e9);
  o.DecPlaces = 12;
  const Labels labels = LabelsOf(PassFor(o));
  EXPECT_EQ(labels.at(1), "200000000.0000");  // "200000000.000000000000" cut
}

TEST(LinearTicks, MoreThanFiftyTicksRecordsTheFirstFifty) {
  const TTickPass p = PassFor(Options(0, 10, 5));  // 51 short and 11 major ticks
  EXPECT_EQ(ValuesOf(p, TTickKind::Short).size(), 51u);
  EXPECT_EQ(ValuesOf(p, TTickKind::Major).size(), 11u);
  EXPECT_EQ(p.Values.Count(), 50);
  EXPECT_NEAR(p.Values.At(50), 9.8, 1e-12);
  EXPECT_EQ(p.Values.At(51), 0.0);
  EXPECT_EQ(p.Values.At(0), 0.0);
  EXPECT_FALSE(p.Ticks[50].Recorded);
  EXPECT_TRUE(p.Ticks[49].Recorded);
}

TEST(LinearTicks, DegenerateRangesGiveNoTicks) {
  EXPECT_TRUE(PassFor(Options(5, 5)).Ticks.empty());
  EXPECT_TRUE(PassFor(Options(0, HUGE_VAL)).Ticks.empty());
  EXPECT_TRUE(PassFor(Options(std::nan(""), 1)).Ticks.empty());
}

// ---------------------------------------------------------------------------
// Logarithmic generator

namespace {
TTickOptions LogOptions(double low, double high, int minTicks, TScaleType type = sctXB) {
  TTickOptions o = Options(low, high, minTicks, type);
  o.Range.Logarithmic = true;
  return o;
}
}  // namespace

TEST(LogTicks, DecadesOnlyWhenThereAreEnough) {
  const TTickPass p = PassFor(LogOptions(1, 1000, 3));
  EXPECT_EQ(p.Generator, TTickGenerator::Logarithmic);
  ExpectValues(ValuesOf(p, TTickKind::Major), {1, 10, 100, 1000});
  EXPECT_TRUE(ValuesOf(p, TTickKind::Intermediate).empty());
  EXPECT_EQ(LabelsOf(p), (Labels{"1", "10", "100", "1000"}));
  EXPECT_EQ(p.Ticks[1].Pixel, 140);
}

TEST(LogTicks, IntermediateTicksWhenDecadesAreFew) {
  TTickOptions o = LogOptions(1, 1000, 5);
  o.ShortTicks = false;
  TTickPass p = PassFor(o);
  ExpectValues(ValuesOf(p, TTickKind::Major), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
  EXPECT_EQ(LabelsOf(p), (Labels{"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}));
  // Horizontal: intermediate ticks exist for the event but are neither drawn nor recorded.
  const Values intermediate = ValuesOf(p, TTickKind::Intermediate);
  ExpectValues(intermediate, {3, 4, 6, 7, 8, 9, 30, 40, 60, 70, 80, 90, 300, 400, 600, 700, 800, 900});
  for (const TTick& t : p.Ticks) EXPECT_EQ(t.Drawn, t.Kind == TTickKind::Major);
  ExpectValues(Recorded(p), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
  // Produced in the order 1, 2, 3 ... 9 within each decade.
  EXPECT_NEAR(p.Ticks[2].Value, 3, 1e-12);

  o.ShortTicks = true;
  p = PassFor(o);
  EXPECT_EQ(p.Values.Count(), 28);
  EXPECT_EQ(p.Ticks[2].Length, 4);
  EXPECT_EQ(p.Ticks[1].Length, 7);
}

TEST(LogTicks, VerticalProducesOnlyWhatItDraws) {
  TTickOptions o = LogOptions(1, 1000, 5, sctYL);
  o.ShortTicks = false;
  TTickPass p = PassFor(o);
  EXPECT_TRUE(ValuesOf(p, TTickKind::Intermediate).empty());
  EXPECT_EQ(p.Values.Count(), 10);
  for (const TTick& t : p.Ticks) EXPECT_EQ(t.Length, 6);
  o.ShortTicks = true;
  p = PassFor(o);
  EXPECT_EQ(p.Ticks.size(), 28u);
  EXPECT_EQ(p.Values.Count(), 28);
}

TEST(LogTicks, LessThanADecadeFallsBackToLinear) {
  const TTickPass p = PassFor(LogOptions(2, 8, 3));
  EXPECT_EQ(p.Generator, TTickGenerator::Linear);
  ExpectValues(ValuesOf(p, TTickKind::Major), {2, 3, 4, 5, 6, 7, 8});
  // A logarithmic range through zero has no decades: linear too, and it ends.
  EXPECT_EQ(PassFor(LogOptions(0, 100, 3)).Generator, TTickGenerator::Linear);
  EXPECT_EQ(PassFor(LogOptions(-10, 100, 3)).Generator, TTickGenerator::Linear);
}

TEST(LogTicks, ExponentLabels) {
  TTickOptions o = LogOptions(0.01, 100, 3);
  o.DecPlaces = -3;
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"-2", "-1", "0", "1", "2"}));
  o.MinTicks = 6;  // intermediate ticks: the 2 and 5 ticks get empty labels
  const Labels labels = LabelsOf(PassFor(o));
  EXPECT_EQ(labels.size(), 13u);
  EXPECT_EQ(labels[0], "-2");
  EXPECT_EQ(labels[1], "");
  EXPECT_EQ(labels[2], "");
  EXPECT_EQ(labels[3], "-1");
}

TEST(LogTicks, AutomaticDecimalsDropTrailingZeros) {
  TTickOptions o = LogOptions(0.5, 50, 3);
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"0.5", "1", "2", "5", "10", "20", "50"}));
  o.DecPlaces = 1;  // fixed decimals stay
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"0.5", "1.0", "2.0", "5.0", "10.0", "20.0", "50.0"}));
  o.DecPlaces = -2;
  o.LabelType = ftUserText;
  o.UserTickText = "x|y";
  EXPECT_EQ(LabelsOf(PassFor(o)), (Labels{"x", "y", "y", "y", "y", "y", "y"}));
}

TEST(LogTicks, ReversedRangeRunsFromTheLowerBound) {
  const TTickPass p = PassFor(LogOptions(1000, 1, 3));
  ExpectValues(ValuesOf(p, TTickKind::Major), {1, 10, 100, 1000});
  EXPECT_EQ(p.Ticks.front().Pixel, 379);
}

// ---------------------------------------------------------------------------
// Time generator

namespace {
TTickOptions TimeOptions(double low, double high, int minTicks = 3) {
  TTickOptions o = Options(low, high, minTicks);
  o.LabelType = ftTime;
  return o;
}
}  // namespace

TEST(TimeTicks, HourInTwentyMinuteSteps) {
  const TTickPass p = PassFor(TimeOptions(0, 3600));
  EXPECT_EQ(p.Generator, TTickGenerator::Time);
  EXPECT_EQ(LabelsOf(p), (Labels{" 00:00:00", " 00:20:00", " 00:40:00", " 01:00:00"}));
  ExpectValues(ValuesOf(p, TTickKind::Short), Sequence(0, 200, 19));
  ExpectValues(Recorded(p), Sequence(0, 200, 19));
  // One pass over the positions: each short tick, then the major tick on it.
  EXPECT_EQ(p.Ticks[0].Kind, TTickKind::Short);
  EXPECT_EQ(p.Ticks[1].Kind, TTickKind::Major);
}

TEST(TimeTicks, SecondInFifthsWithMilliseconds) {
  TTickOptions o = TimeOptions(0, 1);
  o.ShortTicks = false;
  const TTickPass p = PassFor(o);
  EXPECT_EQ(LabelsOf(p), (Labels{" 00:00:00.000", " 00:00:00.200", " 00:00:00.400", " 00:00:00.600",
                                 " 00:00:00.800", " 00:00:01.000"}));
  ExpectValues(Recorded(p), Sequence(0, 0.2, 6));
}

TEST(TimeTicks, NegativeAndReversedRangesKeepBothEnds) {
  EXPECT_EQ(LabelsOf(PassFor(TimeOptions(-3600, 0))), (Labels{"-01:00:00", "-00:40:00", "-00:20:00", " 00:00:00"}));
  EXPECT_EQ(LabelsOf(PassFor(TimeOptions(3600, 0))), (Labels{" 01:00:00", " 00:40:00", " 00:20:00", " 00:00:00"}));
}

TEST(TimeTicks, RangesOutsideTheTableFallBackToNumbers) {
  TTickPass p = PassFor(TimeOptions(0, 3 * 86400));  // a day per interval
  EXPECT_EQ(p.Generator, TTickGenerator::Linear);
  p = PassFor(TimeOptions(0, 0.002));  // below a millisecond per interval
  EXPECT_EQ(p.Generator, TTickGenerator::Linear);
  TTickOptions o = TimeOptions(1, 1e6);
  o.Range.Logarithmic = true;
  EXPECT_EQ(PassFor(o).Generator, TTickGenerator::Logarithmic);
}

TEST(TimeTicks, UserTextAndInscriptPlayNoPart) {
  TTickOptions o = TimeOptions(0, 3600);
  o.UserTickText = "a|b";
  o.ScaleInscript = "t=&";
  EXPECT_EQ(LabelsOf(PassFor(o)).front(), " 00:00:00");
}

TEST(TickPass, ReusesItsStorage) {
  TTickPass p;
  TAxisMapping m;
  RunTickPass(Options(0, 1000), m, 400, p);
  RunTickPass(Options(0, 1), m, 400, p);
  EXPECT_EQ(ValuesOf(p, TTickKind::Major).size(), 6u);
  EXPECT_EQ(p.Values.Count(), 21);
}

// Every clock step with the number of short intervals it is divided into: a
// range of three and a half steps takes that step and no other.
TEST(TimeTicks, ShortTicksDivideEachClockStepByItsRow) {
  struct Row {
    double step;
    int divisions;
  };
  const Row rows[] = {
      {0.001, 5}, {0.002, 4}, {0.005, 5}, {0.01, 5}, {0.02, 4},  {0.05, 5},   {0.1, 5},    {0.2, 4},    {0.5, 5},
      {1, 5},     {2, 4},     {5, 5},     {10, 5},   {20, 4},    {30, 6},     {60, 6},     {120, 6},    {180, 6},
      {300, 5},   {600, 5},   {1200, 6},  {1800, 6}, {3600, 6},  {7200, 4},   {14400, 4},  {21600, 6},  {43200, 6},
  };
  for (const Row& r : rows) {
    const TTickPass p = PassFor(TimeOptions(0, 3.5 * r.step));
    const Values major = ValuesOf(p, TTickKind::Major), minor = ValuesOf(p, TTickKind::Short);
    ASSERT_EQ(major.size(), 4u) << r.step;
    ASSERT_GE(minor.size(), 2u) << r.step;
    EXPECT_NEAR(major[1] - major[0], r.step, 1e-9 * r.step) << r.step;
    EXPECT_NEAR(minor[1] - minor[0], r.step / r.divisions, 1e-9 * r.step) << r.step;
  }
}
