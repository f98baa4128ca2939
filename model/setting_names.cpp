#include "model/setting_names.h"

#include <cstddef>
#include <span>

namespace quantora {
namespace {

// The index of `text` in `names`, or none.
std::optional<std::size_t> IndexOf(std::span<const std::string_view> names, std::string_view text) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == text) return i;
  return std::nullopt;
}

std::string_view NameAt(std::span<const std::string_view> names, int index) {
  return index >= 0 && std::size_t(index) < names.size() ? names[std::size_t(index)] : names[0];
}

}  // namespace

std::optional<TSignalForm> ParseWaveName(std::string_view text) {
  if (const auto index = IndexOf(kWaveNames, text)) return TSignalForm(*index);
  return std::nullopt;
}

std::string_view WaveName(TSignalForm form) { return NameAt(kWaveNames, int(form)); }

std::optional<TDitherKind> ParseDitherName(std::string_view text) {
  if (const auto index = IndexOf(kDitherNames, text)) return TDitherKind(*index);
  return std::nullopt;
}

std::string_view DitherName(TDitherKind kind) { return NameAt(kDitherNames, int(kind)); }

}  // namespace quantora
