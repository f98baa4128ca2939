// The spectrum window's explanation: which window and why, and how many sample
// phases the sine meets.
#include "app/spectrum_text.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

// The parameters of the line whose key starts with `start`; {"missing"} without one.
std::vector<std::string> Params(const std::vector<TTooltipLine>& lines, std::string_view start) {
  for (const TTooltipLine& line : lines)
    if (line.key.starts_with(start)) return line.params;
  return {"missing"};
}

TEST(SpectrumTextTest, ExplainsTheWindowAndTheSamplePhases) {
  struct TCase {
    TSignalForm form;
    int interval;
    const char *window, *phases;  // the starts of two sentences
    std::vector<std::string> params;  // of the second
  };
  const TCase cases[] = {
      {TSignalForm::sfSine, 25, "No window: the <%1%> samples", "The sine meets only", {"10"}},
      {TSignalForm::sfSine, 6, "Hann window", "The sine meets only", {"125"}},  // in 167 samples
      {TSignalForm::sfSine, 7, "Hann window", "The samples meet the sine at ever new", {}},
      {TSignalForm::sfChirp, 10, "No window: the record holds the whole", "The converter figures need a sine", {}},
      // The standard's figures beside ours, and why a record cannot measure them.
      {TSignalForm::sfSine, 25, "No window", "As the standard defines them, from a sine fitted to the output alone: "
       "SINAD <", {"48.62 dB", "7.78"}},  // at 8 bits
      {TSignalForm::sfSine, 125, "No window", "Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the <%1%> MHz "
       "sine folds onto fs/2", {"4"}},
      {TSignalForm::sfSine, 60, "Hann window", "Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the record "
       "ends", {"17", "32"}},
      {TSignalForm::sfSine, 150, "Hann window", "Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: <", {"7", "4"}},
  };
  TSpectrumEngine engine;
  TSpectrumResult spectrum;
  for (const TCase& c : cases) {
    const TSimulationSettings settings{c.form, c.interval, 8, {}};
    engine.Compute(settings, spectrum);
    const std::vector<TTooltipLine> lines = SpectrumReportLines(settings, spectrum, TQuantizationFigures{});
    EXPECT_NE(Params(lines, c.window), std::vector<std::string>{"missing"}) << c.interval;
    EXPECT_EQ(Params(lines, c.phases), c.params) << c.interval;
  }
  // The staircase's images, named while there is a signal to image.
  TSimulationSettings silent{TSignalForm::sfSine, 10, 8, {}};
  engine.Compute(silent, spectrum);
  EXPECT_EQ(Params(SpectrumReportLines(silent, spectrum, {}), "The strongest image"),
            (std::vector<std::string>{"-28.0", "96.00", "-50.7", "96.00"}));
  silent.chain.generator.amplitudeV = 0;
  engine.Compute(silent, spectrum);
  EXPECT_EQ(Params(SpectrumReportLines(silent, spectrum, {}), "The strongest image"), std::vector<std::string>{"missing"});
}

}  // namespace
}  // namespace quantora
