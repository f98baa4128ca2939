// The spectrum window's explanation says which window and why, and for the
// sine how many sample phases it meets.
#include "app/spectrum_text.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

TEST(SpectrumTextTest, ExplainsTheWindowAndTheSamplePhases) {
  struct TCase {
    TSignalForm form;
    int interval;
    const char* windowKey;  // the start of the window's sentence
    const char* phasesKey;  // the start of the phase sentence ("" for none)
    std::string phases;     // its parameter
  };
  const TCase cases[] = {
      {TSignalForm::sfSine, 25, "No window: the <%1%> samples", "The sine meets only", "10"},
      {TSignalForm::sfSine, 6, "Hann window", "The sine meets only", "125"},  // 167 samples, 125 phases
      {TSignalForm::sfSine, 7, "Hann window", "The samples meet the sine at ever new", ""},
      {TSignalForm::sfChirp, 10, "No window: the record holds the whole", "", ""},
  };
  TSpectrumEngine engine;
  TSpectrumResult spectrum;
  for (const TCase& c : cases) {
    engine.Compute(c.form, c.interval, 8, spectrum);
    TQuantizationFigures timeDomain;
    const std::vector<TTooltipLine> lines = SpectrumReportLines(c.form, c.interval, spectrum, timeDomain);
    auto line = [&lines](const char* start) -> const TTooltipLine* {
      for (const TTooltipLine& l : lines)
        if (l.key.starts_with(start)) return &l;
      return nullptr;
    };
    EXPECT_NE(line(c.windowKey), nullptr) << c.interval;
    if (*c.phasesKey) {
      const TTooltipLine* phases = line(c.phasesKey);
      ASSERT_NE(phases, nullptr) << c.interval;
      EXPECT_EQ(phases->params, c.phases.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.phases});
    } else {
      EXPECT_NE(line("The converter figures need a sine"), nullptr);
    }
  }
}

}  // namespace
}  // namespace quantora
