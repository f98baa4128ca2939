#include "app/whole_number.h"

#include <charconv>

namespace quantora {

std::optional<int> ParseWhole(std::string_view text, int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
    return std::nullopt;
  return value;
}

}  // namespace quantora
