// The exports and figures of the ideal converter, byte for byte those of the
// program before the signal chain: every waveform x interval x resolution of
// the table below, concatenated in that order, as SHA-256.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <algorithm>
#include <string>

#include "app/series_csv.h"
#include "app/spectrum_text.h"
#include "app/stats_text.h"

namespace quantora {
namespace {

TEST(GoldenOutputsTest, IdealChainKeepsEveryExportAndFigureByteForByte) {
  const struct { const char* output; std::string (*text)(const TSimulationSettings&); const char* sha256; } cases[] = {
      {"--export-csv", [](const TSimulationSettings& s) { return SettingCsv(s); },
       "41ca2bb9266a63f55fe9b2b4f98e70391121b85f9dc9a792d6c8adb068f19df5"},
      {"--export-spectrum-csv", SettingSpectrumCsv, "d918ad61418601657b3da7a3ad05e3d3ce8ee4a9177e48a77dfc013d2f4b6397"},
      {"--stats", StatsText, "bf6376f680fc3a6194c637c6668de7f827e57637130814c44f66ff3be576ab32"},
  };
  for (const auto& c : cases) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int form = 0; form < NumSignalForms; ++form)
      for (int interval : {1, 7, 10, 125, 200})
        for (int bits : {1, 8, 16}) {
          const std::string text = c.text(TSimulationSettings{TSignalForm(form), interval, bits, {}});
          hash.addData(QByteArrayView(text.data(), qsizetype(text.size())));
        }
    EXPECT_EQ(hash.result().toHex().toStdString(), c.sha256) << c.output;
  }
}

// Away from the ideal chain the figures follow its settings, every one named.
TEST(GoldenOutputsTest, OtherChainsStatsStartWithTheirSettings) {
  TSimulationSettings settings;
  settings.chain.generator.amplitudeV = 6;
  settings.chain.imperfections.gainErrorPercent = -1.5;
  const std::string text = StatsText(settings);
  EXPECT_EQ(text.substr(0, text.find("step_V")),
            "amplitude_V 6\nfrequency_MHz 4\noffset_V 0\nnoise_mV 0\njitter_ps 0\noffset_error_LSB 0\n"
            "gain_error_percent -1.5\ninl_LSB 0\ndnl_LSB 0\ndither none\nsubtract_dither off\nseed 1\n");
}

// A reconstruction other than the staircase adds its name and error figure
// last, and leaves everything before them as it was; the CSV adds a column.
TEST(GoldenOutputsTest, ReconstructionAddsItsFigureAndColumn) {
  const struct { TReconstruction kind; int interval, bits; double lowV, highV; } cases[] = {
      {TReconstruction::rcBandLimited, 10, 16, 0.0, 0.048},  // the sine again, within 1 % of 4.8 V
      {TReconstruction::rcBandLimited, 150, 8, 1.0, 10.0},   // the alias, not the sine
      {TReconstruction::rcLinear, 10, 16, 0.0, 0.048},
      {TReconstruction::rcFilter, 10, 16, 0.5, 10.0},        // the filter's delay
  };
  for (const auto& c : cases) {
    const TSimulationSettings settings{TSignalForm::sfSine, c.interval, c.bits, {}};
    const std::string plain = StatsText(settings), text = StatsText(settings, c.kind);
    const std::string head = "reconstruction " + std::string(ReconstructionName(c.kind)) +
                             "\nreconstruction_error_rms_V ";
    SCOPED_TRACE(text.substr(plain.size()));
    ASSERT_EQ(text.substr(0, plain.size() + head.size()), plain + head);
    const double rms = std::stod(text.substr(plain.size() + head.size()));
    EXPECT_TRUE(rms >= c.lowV && rms <= c.highV);
    const std::string csv = SettingCsv(settings, {}, c.kind);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "i,t_ns,analog_V,sampled_V,error_V,reconstructed_V");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), ','), 5 * (NumPoints + 1));
    // Row 1152 (t = 562.5 ns, a crest): the last column is the curve, within the stats' error of the analog.
    std::size_t row = 0;
    for (int line = 0; line < 1152; ++line) row = csv.find('\n', row) + 1;
    const std::string fields = csv.substr(row, csv.find('\n', row) - row);
    const double analog = std::stod(fields.substr(fields.find(',', fields.find(',') + 1) + 1));
    EXPECT_NEAR(std::stod(fields.substr(fields.rfind(',') + 1)), analog, 3 * c.highV) << fields;
  }
  EXPECT_EQ(StatsText(TSimulationSettings{}, TReconstruction::rcHold), StatsText(TSimulationSettings{}));
}

}  // namespace
}  // namespace quantora
