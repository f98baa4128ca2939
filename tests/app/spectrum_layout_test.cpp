// Where the spectrum window puts its alias labels and itself: pure layout,
// checked against golden cases.
#include <gtest/gtest.h>

#include "app/label_layout.h"
#include "app/spectrum_band.h"
#include "app/spectrum_plotting.h"
#include "app/ui/window_place.h"

namespace quantora {
namespace {

// The sawtooth's labels crowd below 8 MHz; laid out as the chart lays them
// (690 pixels over the whole band, 150 dB over 390, 7 pixels a character),
// none overlaps another, each keeps its column, and every component above
// fs/2 is named once.
TEST(SpectrumLabels, SawtoothAliasesEachMarkedAndApart) {
  const struct {
    int interval;
    std::size_t components;  // the harmonics up to 40 MHz above fs/2, each landing apart
  } cases[] = {{60, 8}, {110, 9}, {190, 10}};
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (const auto& c : cases) {
    engine.Compute(TSignalForm::sfSawtooth, c.interval, 8, r);
    const std::vector<TAliasLabel> labels = AliasLabels(r);
    ASSERT_EQ(labels.size(), c.components) << c.interval;
    std::vector<TLabelBox> wanted;
    for (const TAliasLabel& l : labels) {
      ASSERT_EQ(l.fromMHz.size(), 1u);
      EXPECT_GT(l.fromMHz[0], r.nyquistMHz);
      const double width = 7.0 * double(l.caption.size()) + 8, foot = (10 - l.levelDbfs - 4) * 390 / 150;
      wanted.push_back({l.aliasMHz / r.bandMHz * 690 - width / 2, foot - 18, width, 18});
    }
    bool crowded = false;
    const std::vector<TLabelBox> placed = LayOutLabels(wanted, 0);
    for (std::size_t i = 0; i < placed.size(); ++i) {
      EXPECT_EQ(placed[i].left, wanted[i].left);
      EXPECT_GE(placed[i].top, 0) << c.interval;
      for (std::size_t j = 0; j < i; ++j) {
        crowded = crowded || Overlap(wanted[i], wanted[j]);
        EXPECT_FALSE(Overlap(placed[i], placed[j])) << c.interval << ": " << i << ", " << j;
      }
    }
    EXPECT_TRUE(crowded) << c.interval;  // where they would have stood
  }
}

TEST(SpectrumLabels, BoxesThatShareAnEdgeDoNotOverlap) {
  const TLabelBox box{10, 10, 20, 10};
  for (const TLabelBox& touching : {TLabelBox{10, 20, 20, 10}, {10, 0, 20, 10}, {30, 10, 20, 10}, {-10, 10, 20, 10}})
    EXPECT_FALSE(Overlap(box, touching)) << touching.left << " " << touching.top;
  EXPECT_TRUE(Overlap(box, {29, 19, 20, 10}));
}

TEST(SpectrumBand, StartsOnTheComponentsAndFsHalfWhereItMatters) {
  const struct { TSignalForm form; int interval; double bandMHz; } cases[] = {{TSignalForm::sfSine, 1, 12},      {TSignalForm::sfSine, 10, 62.5},
               {TSignalForm::sfChirp, 1, 95.4930}, {TSignalForm::sfSine, 200, 12},
               {TSignalForm::sfSawtooth, 1, 120}, {TSignalForm::sfSawtooth, 60, 41.6667}};
  TSpectrumEngine engine;
  TSpectrumResult r;
  for (const auto& c : cases) {
    engine.Compute(c.form, c.interval, 8, r);
    EXPECT_NEAR(StartBandMHz(c.form, r), c.bandMHz, 1e-4) << c.interval;
  }
}

// A 1280 x 900 screen (a second one to its right where asked) and a 760 x 640
// window: beside the main window where there is room, else covering least.
TEST(WindowPlace, BesideTheOwnerWhereTheScreenAllows) {
  const QRect screen(0, 0, 1280, 900), right(1280, 0, 1280, 900);
  const struct { QRect owner; QList<QRect> screens; QPoint at; } cases[] = {
      {{0, 100, 500, 600}, {screen}, {500, 100}},          // right of it
      {{700, 100, 500, 600}, {screen}, {0, 100}},            // no room: left, moved in, covers least
      {{300, 0, 800, 300}, {screen}, {300, 260}},            // no room: below, moved up, covers least
      {{520, 130, 760, 640}, {screen, right}, {1280, 130}},  // on the next screen
      {{0, 0, 1280, 200}, {screen}, {0, 200}},               // below it
  };
  for (const auto& c : cases) EXPECT_EQ(PlaceBeside(c.owner, {760, 640}, c.screens), c.at) << c.owner.x();
}

}  // namespace
}  // namespace quantora
