// The sentences on the signal chain: what they name, their numbers, their table entries.
#include "app/chain_text.h"

#include <gtest/gtest.h>

#include <set>

#include "app/spectrum_text.h"
#include "translate/glossator.h"
#include "translate/itl_text.h"

// Each case names only the settings it changes; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quantora {
namespace {

using TTexts = std::vector<std::string>;
using TMake = std::vector<TTooltipLine> (*)(const TSimulationSettings&);

// The keys' first 12 characters and all the parameters of the lines `make` gives.
std::pair<TTexts, TTexts> Said(TMake make, const TSimulationSettings& settings) {
  TTexts keys, params;
  for (const TTooltipLine& l : make(settings)) {
    keys.push_back(l.key.substr(0, 12));
    params.insert(params.end(), l.params.begin(), l.params.end());
  }
  return {keys, params};
}

TEST(ChainTextTest, NamesWhatDiffersFromTheIdealConverterAndWhatItDoesToTheSpectrum) {
  const TMake settings = &ChainSettingLines, spectrum = &ChainSpectrumLines;
  const TDitherSettings triSubtracted{TDitherKind::dkTriangular, true};
  const std::tuple<TMake, TSimulationSettings, TTexts, TTexts> cases[] = {
      {settings, {.chain = {.seed = 7}}, {}, {}},  // the seed alone changes nothing
      {settings, {.chain = {.imperfections = {.noiseMv = 2}}}, {"Input noise:", "Random draws"}, {"2", "1"}},
      {settings, {.chain = {.imperfections = {.offsetErrorLsb = -1.5}}}, {"Offset error"}, {"-1.5"}},
      {settings, {.chain = {.imperfections = {0, 0, 0, 2.5, 0.25, 0.3}, .seed = 9}},
       {"Gain error: ", "Integral non", "Differential", "Random draws"}, {"2.5", "0.25", "0.3", "9"}},
      {settings, {.chain = {.dither = triSubtracted}}, {"Dither: tria", "The dither i", "Random draws"}, {"1"}},
      {settings, {.chain = {.generator = {.frequencyMHz = 6}}}, {"Generator: a"}, {"4.8", "6", "0"}},
      // 40 of the 101 samples of a 6 V sine every 10 ns lie beyond 5 V, up to 5.988 V.
      {settings, {.chain = {.generator = {.amplitudeV = 6}}}, {"Generator: a", "Clipping: <%"},
       {"6", "4", "0", "40", "5.988"}},
      // -20 log10(2 pi f sigma): 51.995 dB at 40 MHz and 10 ps.
      {spectrum, {.chain = {{.frequencyMHz = 40}, {.jitterPs = 10}}}, {"Jitter of <%"}, {"10", "40", "52"}},
      {spectrum, {.chain = {.dither = {TDitherKind::dkRectangular}}}, {"Dither trade"}, {}},
      {spectrum, {.chain = {.dither = triSubtracted}}, {"Subtracted d"}, {}},
      {spectrum, {.form = TSignalForm::sfChirp, .chain = {.imperfections = {.jitterPs = 9}}}, {}, {}},
  };
  for (const auto& [make, set, keys, params] : cases) EXPECT_EQ(Said(make, set), std::pair(keys, params)) << keys.size();
}

// With the sine's frequency set, the spectrum window counts its phases and
// names the line it folds onto; every line has its entry in both tables.
TEST(ChainTextTest, SpectrumFollowsTheSinesFrequencyInBothLanguages) {
  const std::tuple<double, const char*, TTexts> cases[] = {
      {6, "The sine meets only", {"50"}},  // 0.06 periods a sample: whole after 50 of the 100
      {100, "Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the <%1%> MHz sine folds onto DC", {"100"}},
  };
  std::vector<TTooltipLine> lines;
  for (const auto& [mhz, start, params] : cases) {
    TSimulationSettings s{TSignalForm::sfSine, 10, 8, {{6, mhz, 0.5}, {}, {}, 3}};
    TSpectrumResult spectrum;
    TSpectrumEngine().Compute(s, spectrum);
    TTexts found{"missing"};
    for (const TTooltipLine& l : SpectrumReportLines(s, spectrum, {})) found = l.key.starts_with(start) ? l.params : found;
    EXPECT_EQ(found, params) << mhz;
    for (const TDitherSettings d : {TDitherSettings{TDitherKind::dkRectangular}, {TDitherKind::dkTriangular, true}}) {
      s.chain.imperfections = {1, 100, 1, 1, 1, 0.5}, s.chain.dither = d;
      for (const auto& more : {ChainSettingLines(s), SpectrumReportLines(s, spectrum, {})})
        lines.insert(lines.end(), more.begin(), more.end());
    }
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
