#pragma once
// A whole decimal number typed or given on the command line.

#include <optional>
#include <string_view>

namespace quantora {

// A whole decimal number in [low, high], the whole text and nothing else.
std::optional<int> ParseWhole(std::string_view text, int low, int high);

}  // namespace quantora
