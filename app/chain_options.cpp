#include "app/chain_options.h"

#include <array>
#include <charconv>

#include "app/quantization_text.h"

namespace quantora {
namespace {

using TChain = TChainSettings;

const std::array<TChainNumberOption, 9> kNumberOptions{{
    {"--amplitude", "V", "amplitude_V", "peak amplitude of the generator's sine", "; beyond 5 V the converter clips",
     kAmplitudeRange, [](TChain& c) -> double& { return c.generator.amplitudeV; }, &TGivenChain::amplitudeV},
    {"--frequency", "MHz", "frequency_MHz",
     "frequency of the sine", "; the other waveforms' time axis scales by the same factor", kFrequencyRange,
     [](TChain& c) -> double& { return c.generator.frequencyMHz; }, &TGivenChain::frequencyMHz},
    {"--offset", "V", "offset_V", "DC offset the generator adds", "", kOffsetRange,
     [](TChain& c) -> double& { return c.generator.offsetV; }, &TGivenChain::offsetV},
    {"--noise", "mV", "noise_mV", "standard deviation of the Gaussian input noise", "", kNoiseRange,
     [](TChain& c) -> double& { return c.imperfections.noiseMv; }, &TGivenChain::noiseMv},
    {"--jitter", "ps", "jitter_ps",
     "standard deviation of the aperture jitter (the Gaussian error of each sampling instant)", "", kJitterRange,
     [](TChain& c) -> double& { return c.imperfections.jitterPs; }, &TGivenChain::jitterPs},
    {"--offset-error", "LSB", "offset_error_LSB", "offset error of the converter", "", kOffsetErrorRange,
     [](TChain& c) -> double& { return c.imperfections.offsetErrorLsb; }, &TGivenChain::offsetErrorLsb},
    {"--gain-error", "%", "gain_error_percent", "gain error of the converter", "", kGainErrorRange,
     [](TChain& c) -> double& { return c.imperfections.gainErrorPercent; }, &TGivenChain::gainErrorPercent},
    {"--inl", "LSB", "inl_LSB", "integral nonlinearity, the peak of a bow at mid-scale", "", kInlRange,
     [](TChain& c) -> double& { return c.imperfections.inlLsb; }, &TGivenChain::inlLsb},
    {"--dnl", "LSB", "dnl_LSB",
     "differential nonlinearity, the standard deviation of the code widths drawn at random",
     "; a width that reaches zero is a missing code",
     kDnlRange, [](TChain& c) -> double& { return c.imperfections.dnlLsb; }, &TGivenChain::dnlLsb},
}};

}  // namespace

std::span<const TChainNumberOption> ChainNumberOptions() { return kNumberOptions; }

const TChainNumberOption* FindChainNumberOption(std::string_view option) {
  for (const TChainNumberOption& entry : kNumberOptions)
    if (entry.option == option) return &entry;
  return nullptr;
}

std::optional<double> ParseChainNumber(std::string_view text, TSettingRange range) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
  // Holds also refuses "nan"; "inf" is outside every range.
  if (text.empty() || error != std::errc() || stop != end || !range.Holds(value)) return std::nullopt;
  return value == 0 ? 0.0 : value;  // "-0" is the default 0, not a setting of its own
}

std::string SettingRangeText(TSettingRange range) {
  return ExactNumberText(range.min) + " .. " + ExactNumberText(range.max);
}

void ApplyGivenChain(const TGivenChain& given, TChainSettings& chain) {
  for (const TChainNumberOption& entry : kNumberOptions)
    if (const std::optional<double>& value = given.*entry.given) entry.field(chain) = *value;
  chain.dither.kind = given.dither.value_or(chain.dither.kind);
  chain.dither.subtract = given.subtractDither.value_or(chain.dither.subtract);
  chain.seed = given.seed.value_or(chain.seed);
}

std::string ChainSettingsText(const TChainSettings& chain) {
  TChainSettings values = chain;  // the fields are reached through the table's accessors
  std::string text;
  for (const TChainNumberOption& entry : kNumberOptions)
    text += std::string(entry.statsName) + ' ' + ExactNumberText(entry.field(values)) + '\n';
  text += "dither " + std::string(DitherName(chain.dither.kind)) + '\n';
  text += std::string("subtract_dither ") + (chain.dither.subtract ? "on" : "off") + '\n';
  text += "seed " + std::to_string(chain.seed) + '\n';
  return text;
}

}  // namespace quantora
