#pragma once
// The ways back from the converter's samples to a continuous curve, and their
// names as the command line writes them.

#include <array>
#include <optional>
#include <string_view>

namespace quantora {

enum class TReconstruction {
  rcHold,         // the staircase the hold stage presents (the default)
  rcLinear,       // straight lines between consecutive samples
  rcBandLimited,  // the sum of sinc pulses of every sample (ideal reconstruction)
  rcFilter,       // the staircase through a low-pass filter with its corner at fs/2
};

inline constexpr int NumReconstructions = 4;

// "hold", "linear", "sinc", "filter", in the order of the enumeration.
inline constexpr std::array<std::string_view, NumReconstructions> kReconstructionNames{
    "hold", "linear", "sinc", "filter"};

// The name of `kind`; an enumerator outside the list gives "hold".
std::string_view ReconstructionName(TReconstruction kind);

// The reconstruction of that exact name; anything else (case, blanks) gives none.
std::optional<TReconstruction> ParseReconstruction(std::string_view text);

}  // namespace quantora
