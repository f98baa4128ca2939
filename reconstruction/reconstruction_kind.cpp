#include "reconstruction/reconstruction_kind.h"

namespace quantora {

std::string_view ReconstructionName(TReconstruction kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kReconstructionNames.size() ? kReconstructionNames[index] : kReconstructionNames[0];
}

std::optional<TReconstruction> ParseReconstruction(std::string_view text) {
  for (std::size_t i = 0; i < kReconstructionNames.size(); ++i)
    if (kReconstructionNames[i] == text) return static_cast<TReconstruction>(i);
  return std::nullopt;
}

}  // namespace quantora
