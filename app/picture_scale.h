#pragma once
// The scales the window and the charts can be saved at as pictures, for
// worksheets and slides: at each the picture is drawn again at that resolution,
// never enlarged from the window's own pixels.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

inline constexpr std::array<double, 5> kPictureScales{1.0, 1.5, 2.0, 3.0, 4.0};

// One of kPictureScales written as a decimal number ("2", "1.5", "2.0"), the
// whole text and nothing else; nothing for any other text.
std::optional<double> ParsePictureScale(std::string_view text);

// "1, 1.5, 2, 3 or 4", for messages and the help text.
std::string PictureScalesText();

// "2" or "1.5": a scale as the user writes it.
std::string PictureScaleText(double scale);

}  // namespace quantora
