#pragma once
// The signal chain's settings on the command line: one table of the numeric
// options (name, unit, range, where the value goes), from which the parser, the
// help text, the hand-over to a running window and --stats all work.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/chain_settings.h"
#include "model/setting_names.h"  // ParseDitherName, DitherName

namespace quantora {

// The chain settings a command line names, each only when given: a second
// start changes just those in the running window.
struct TGivenChain {
  std::optional<double> amplitudeV, frequencyMHz, offsetV;
  std::optional<double> noiseMv, jitterPs, offsetErrorLsb, gainErrorPercent, inlLsb, dnlLsb;
  std::optional<TDitherKind> dither;
  std::optional<bool> subtractDither;  // only ever true: the option is a switch
  std::optional<std::uint32_t> seed;
};

// One option that takes a decimal number.
struct TChainNumberOption {
  std::string_view option;     // "--amplitude"
  std::string_view unit;       // "V": the help's argument and the message's unit
  std::string_view statsName;  // "amplitude_V": its line in --stats
  std::string_view help;       // what it sets, for the help text
  std::string_view helpNote;   // said after the range and default ("; ..."), or empty
  TSettingRange range;
  double& (*field)(TChainSettings&);
  std::optional<double> TGivenChain::*given;
};

// The generator's three, then the imperfections in the order of the chain.
std::span<const TChainNumberOption> ChainNumberOptions();
const TChainNumberOption* FindChainNumberOption(std::string_view option);

// A decimal number inside `range`, the whole text and nothing else.
std::optional<double> ParseChainNumber(std::string_view text, TSettingRange range);
// "lo .. hi" in the shortest decimals.
std::string SettingRangeText(TSettingRange range);

// Sets in `chain` each setting `given` names; the others stay.
void ApplyGivenChain(const TGivenChain& given, TChainSettings& chain);

// The chain's settings, one "name value" line each, in the table's order, then
// dither, subtract_dither (on|off) and seed.
std::string ChainSettingsText(const TChainSettings& chain);

}  // namespace quantora
