// The exports and figures of the ideal converter, byte for byte those of the
// program before the signal chain: every waveform x interval x resolution of
// the table below, concatenated in that order, as SHA-256.
#include <gtest/gtest.h>

#include <QCryptographicHash>
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

}  // namespace
}  // namespace quantora
