#pragma once
// Numbers as text for sentences, tables and files: locale-free ('.' whatever
// the program's C locale says), infinities and NaN spelt inf, -inf and nan.

#include <charconv>
#include <cmath>
#include <string>

namespace quantora {

template <typename... Format>
std::string NumberText(double value, Format... format) {
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (std::isnan(value)) return "nan";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
  return {buffer, result.ptr};
}

// A fixed number of decimals: "0.25" with 2.
inline std::string FixedText(double value, int decimals) {
  return NumberText(value, std::chars_format::fixed, decimals);
}

// At most `digits` significant digits, no trailing zeros: "4.8" and "100" with 4.
inline std::string SignificantText(double value, int digits) {
  return NumberText(value, std::chars_format::general, digits);
}

}  // namespace quantora
