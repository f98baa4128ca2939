// The sentences on the signal chain: which settings they name, their numbers,
// and that every key has its English and German entry.
#include "app/chain_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "app/spectrum_text.h"
#include "translate/glossator.h"
#include "translate/itl_text.h"

namespace quantora {
namespace {

// The lines' keys cut to their first `chars` characters, and all their parameters.
std::pair<std::vector<std::string>, std::vector<std::string>> Cut(const std::vector<TTooltipLine>& lines,
                                                                  std::size_t chars = 12) {
  std::vector<std::string> keys, params;
  for (const TTooltipLine& l : lines) {
    keys.push_back(l.key.substr(0, chars));
    params.insert(params.end(), l.params.begin(), l.params.end());
  }
  return {keys, params};
}

struct TCase {
  std::function<void(TSimulationSettings&)> set;
  std::vector<std::string> keys, params;
};

TEST(ChainTextTest, NamesWhatDiffersFromTheIdealConverter) {
  const TCase cases[] = {
      {[](auto& s) { s.chain.seed = 7; }, {}, {}},  // the seed alone changes nothing
      {[](auto& s) { s.chain.imperfections.noiseMv = 2; }, {"Input noise:", "Random draws"}, {"2", "1"}},
      {[](auto& s) { s.chain.imperfections.offsetErrorLsb = -1.5; }, {"Offset error"}, {"-1.5"}},
      {[](auto& s) { s.chain.imperfections = {0, 0, 0, 2.5, 0.25, 0}; }, {"Gain error: ", "Integral non"}, {"2.5", "0.25"}},
      {[](auto& s) { s.chain.imperfections.dnlLsb = 0.3, s.chain.seed = 9; }, {"Differential", "Random draws"}, {"0.3", "9"}},
      {[](auto& s) { s.chain.imperfections.jitterPs = 100; }, {"Aperture jit", "Random draws"}, {"100", "1"}},
      {[](auto& s) { s.chain.dither = {TDitherKind::dkTriangular, true}; },
       {"Dither: tria", "The dither i", "Random draws"}, {"1"}},
      {[](auto& s) { s.chain.dither.kind = TDitherKind::dkRectangular; }, {"Dither: rect", "Random draws"}, {"1"}},
      {[](auto& s) { s.chain.generator.frequencyMHz = 6; }, {"Generator: a"}, {"4.8", "6", "0"}},
      // 40 of the 101 samples of a 6 V sine every 10 ns lie beyond 5 V, up to 5.988 V.
      {[](auto& s) { s.chain.generator.amplitudeV = 6; }, {"Generator: a", "Clipping: <%"}, {"6", "4", "0", "40", "5.988"}},
      {[](auto& s) { s.chain.generator.offsetV = 0.5; }, {"Generator: a", "Clipping: <%"}, {"4.8", "4", "0.5", "12", "5.291"}},
  };
  for (const TCase& c : cases) {
    TSimulationSettings settings;
    c.set(settings);
    const auto [keys, params] = Cut(ChainSettingLines(settings));
    EXPECT_EQ(keys, c.keys);
    EXPECT_EQ(params, c.params);
  }
}

TEST(ChainTextTest, SpectrumSaysWhatJitterAndDitherDo) {
  EXPECT_NEAR(JitterLimitedSnrDb(4, 100), 51.995, 0.001);
  const TCase cases[] = {
      {[](auto&) {}, {}, {}},
      {[](auto& s) { s.chain.imperfections.jitterPs = 100; }, {"Jitter of"}, {"100", "4", "52"}},
      {[](auto& s) { s.chain.imperfections.jitterPs = 10, s.chain.generator.frequencyMHz = 40; }, {"Jitter of"},
       {"10", "40", "52"}},
      {[](auto& s) { s.chain.dither.kind = TDitherKind::dkTriangular; }, {"Dither trade"}, {}},
      {[](auto& s) { s.chain.dither = {TDitherKind::dkRectangular, true}; }, {"Subtracted d"}, {}},
      {[](auto& s) { s.chain.imperfections.jitterPs = 100, s.form = TSignalForm::sfChirp; }, {}, {}},  // no sine test
  };
  for (const TCase& c : cases) {
    TSimulationSettings settings;
    c.set(settings);
    const auto [keys, params] = Cut(ChainSpectrumLines(settings), 9);
    EXPECT_EQ(keys, c.keys.empty() ? c.keys : std::vector<std::string>{c.keys[0].substr(0, 9)});
    EXPECT_EQ(params, c.params);
  }
}

// With the sine's frequency set, the spectrum window counts its phases and
// names the line it folds onto.
TEST(ChainTextTest, SpectrumFollowsTheSinesFrequency) {
  const std::tuple<double, const char*, std::vector<std::string>> cases[] = {
      {6, "The sine meets only", {"50"}},  // 0.06 periods a sample: whole after 50 of the 100
      {100, "Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the <%1%> MHz sine folds onto DC", {"100"}},
      {150, "Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the <%1%> MHz sine folds onto fs/2", {"150"}},
  };
  for (const auto& [mhz, start, params] : cases) {
    TSimulationSettings settings;
    settings.chain.generator.frequencyMHz = mhz;
    TSpectrumResult spectrum;
    TSpectrumEngine().Compute(settings, spectrum);
    std::vector<std::string> found{"missing"};
    for (const TTooltipLine& l : SpectrumReportLines(settings, spectrum, TQuantizationFigures{}))
      if (l.key.starts_with(start)) found = l.params;
    EXPECT_EQ(found, params) << mhz;
  }
}

TEST(ChainTextTest, EveryLineHasItsEnglishAndGermanEntry) {
  TSimulationSettings every;
  every.chain = {{6, 100, 0.5}, {1, 100, 1, 1, 1, 0.5}, {}, 3};
  std::vector<TTooltipLine> lines;
  for (const TDitherSettings dither : {TDitherSettings{TDitherKind::dkRectangular, false}, {TDitherKind::dkTriangular, true}}) {
    every.chain.dither = dither;
    TSpectrumResult spectrum;
    TSpectrumEngine().Compute(every, spectrum);  // 100 MHz every 10 ns: folded onto DC
    for (const auto& more : {ChainSettingLines(every), SpectrumReportLines(every, spectrum, TQuantizationFigures{})})
      lines.insert(lines.end(), more.begin(), more.end());
  }
  for (const char* name : {"/quantora.itl", "/quantora.de.itl"}) {
    glossator::TGlossator table;
    ASSERT_TRUE(table.LoadFromFile(std::string(QUANTORA_TRANSLATION_TABLES) + name));
    const std::set<std::string> keys(table.Keys().begin(), table.Keys().end());
    for (const TTooltipLine& line : lines) EXPECT_TRUE(keys.contains(glossator::LowerAscii(line.key))) << line.key;
  }
}

}  // namespace
}  // namespace quantora
