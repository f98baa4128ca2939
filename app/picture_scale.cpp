#include "app/picture_scale.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace quantora {

std::optional<double> ParsePictureScale(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  if (std::find(kPictureScales.begin(), kPictureScales.end(), value) == kPictureScales.end()) return std::nullopt;
  return value;
}

std::string PictureScaleText(double scale) {
  char text[16];
  std::snprintf(text, sizeof text, "%g", scale);
  return text;
}

std::string PictureScalesText() {
  std::string text;
  for (std::size_t i = 0; i < kPictureScales.size(); ++i) {
    if (i > 0) text += i + 1 == kPictureScales.size() ? " or " : ", ";
    text += PictureScaleText(kPictureScales[i]);
  }
  return text;
}

}  // namespace quantora
