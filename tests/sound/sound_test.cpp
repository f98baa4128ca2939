// The sound of a setting: the pitch the ear hears, the levels, the WAV file.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>

#include "model/signal_chain.h"
#include "reconstruction/sample_record.h"
#include "sound/pcm_levels.h"
#include "sound/sound_clip.h"
#include "sound/sound_timeline.h"
#include "sound/wav_file.h"
#include "sound/windowed_sinc.h"
#include "spectrum/real_fft.h"

namespace quantora {
namespace {

std::uint32_t Field(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
  return value;
}

// The strongest frequency (Hz) of one part as the WAV file holds it.
double StrongestHz(const TSimulationSettings& settings, TReconstruction kind, TSoundPart part) {
  const std::string wav = WavFileBytes(SoundSamples(settings, kind, part), kSoundRate);
  std::vector<double> x(Field(wav, 40, 4) / 2);
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = double(std::int16_t(Field(wav, 44 + 2 * i, 2)));
  TRealFft fft;
  const auto spectrum = fft.Transform(x);
  std::size_t peak = 1;
  for (std::size_t k = 1; k < spectrum.size(); ++k)
    if (std::abs(spectrum[k]) > std::abs(spectrum[peak])) peak = k;
  return double(peak) * kSoundRate / double(x.size());
}

TEST(Sound, TheSineSoundsAt440HzAndItsAliasLower) {
  struct TCase {
    int interval;
    TSoundPart part;
    TReconstruction kind;
    double hz;
  } const cases[] = {
      {10, TSoundPart::spAnalog, TReconstruction::rcHold, 440.0},
      {10, TSoundPart::spOutput, TReconstruction::rcHold, 440.0},
      {150, TSoundPart::spOutput, TReconstruction::rcHold, 293.333},  // |4 - 6.667| MHz slowed alike
      {150, TSoundPart::spOutput, TReconstruction::rcBandLimited, 293.333},
      {150, TSoundPart::spOutput, TReconstruction::rcFilter, 293.333},
      {7, TSoundPart::spOutput, TReconstruction::rcLinear, 440.0},  // T does not divide the period
  };
  for (const TCase& c : cases) {
    TSimulationSettings settings;
    settings.interval = c.interval;
    settings.bits = 16;
    EXPECT_NEAR(StrongestHz(settings, c.kind, c.part), c.hz, 1.0) << "T = " << c.interval << " ns";
  }
}

// Over seconds of samples the sinc sum takes a window of them: below fs/2 it
// still returns the sine within 1 % of its amplitude.
TEST(Sound, WindowedSincReturnsTheSineBelowHalfTheRate) {
  TSimulationSettings settings;
  settings.bits = 16;
  for (const int interval : {10, 50}) {
    settings.interval = interval;
    const TSignalChain chain(settings);
    const TSampleRecord record = OutputRecord(settings, 20000);
    std::vector<double> times;
    for (double t = 5000; t < 15000; t += 3.7) times.push_back(t);
    const std::vector<double> back = WindowedSincReconstruction(record, times);
    double worst = 0;
    for (std::size_t i = 0; i < times.size(); ++i) worst = std::max(worst, std::abs(back[i] - chain.Analog(times[i])));
    EXPECT_LT(worst, 0.048) << "T = " << interval << " ns";
  }
}

TEST(Sound, LevelsClampAndThePulsePlaysOnce) {
  const double volts[] = {5.0, -5.0, 7.0, -7.0, NAN, 0.0};
  const std::int16_t expected[] = {29490, -29490, 32767, -32768, 0, 0};
  const std::vector<std::int16_t> pcm = ToPcm16(volts);
  for (std::size_t i = 0; i < pcm.size(); ++i) EXPECT_EQ(pcm[i], expected[i]) << volts[i] << " V";

  TSimulationSettings pulse;
  pulse.form = TSignalForm::sfSinc;
  const std::vector<double> part = SoundPartVolts(pulse, TReconstruction::rcHold, TSoundPart::spOutput);
  const auto loudest = [&](std::size_t from, std::size_t to) {
    double m = 0;
    for (std::size_t k = from; k < to; ++k) m = std::max(m, std::abs(part[k]));
    return m;
  };
  EXPECT_NEAR(loudest(0, kSoundRate), 4.0, 0.05);  // the 4 V peak, in the first second
  EXPECT_EQ(loudest(kSoundRate, part.size()), 0.0);
}

TEST(Sound, WavHeaderDescribesSixteenBitMonoPcm) {
  const std::string wav = WavFileBytes(SoundSamples(TSimulationSettings{}, TReconstruction::rcHold), kSoundRate);
  const std::uint32_t dataBytes = 2 * 2 * kSoundPartSamples;  // both parts
  ASSERT_EQ(wav.size(), 44 + dataBytes);
  EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8) + wav.substr(36, 4), "RIFFWAVEfmt data");
  const std::uint32_t fields[][3] = {{4, 4, 36 + dataBytes}, {16, 4, 16}, {20, 2, 1},  {22, 2, 1},
                                     {24, 4, 48000},         {28, 4, 96000}, {32, 2, 2}, {34, 2, 16},
                                     {40, 4, dataBytes}};
  for (const auto& f : fields) EXPECT_EQ(Field(wav, f[0], int(f[1])), f[2]) << "at byte " << f[0];
}

}  // namespace
}  // namespace quantora
