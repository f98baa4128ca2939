#pragma once
// The names of the waveforms and dither kinds as the command line and lesson
// files write them.

#include <array>
#include <optional>
#include <string_view>

#include "model/chain_settings.h"
#include "model/signal_form.h"

namespace quantora {

// "sine", "3-term-sine", "sawtooth", "sinc", "chirp", in the order of the enumeration.
inline constexpr std::array<std::string_view, NumSignalForms> kWaveNames{"sine", "3-term-sine", "sawtooth", "sinc",
                                                                          "chirp"};
// "none", "rect", "tri", in the order of the enumeration.
inline constexpr std::array<std::string_view, 3> kDitherNames{"none", "rect", "tri"};

// The waveform of that exact name, or none.
std::optional<TSignalForm> ParseWaveName(std::string_view text);
std::string_view WaveName(TSignalForm form);  // "sine" for an enumerator outside the list

std::optional<TDitherKind> ParseDitherName(std::string_view text);
std::string_view DitherName(TDitherKind kind);  // "none" for an enumerator outside the list

}  // namespace quantora
