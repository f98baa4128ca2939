#pragma once
// How the read-out turns its number into the text of its field. Pure computation:
// no toolkit, no locale. Texts are UTF-8.

#include <cstdint>
#include <string>

#include "drawbase/rounding.h"

namespace vqm {

// The conversion a read-out applies; the ordinal values are the stored values.
enum TDisplay : std::uint8_t {
  dtFloat,      // general format, Precision significant digits
  dtFixP,       // fixed point, Precision decimals
  dtExp,        // scientific, Precision significant digits
  dtHex,        // hexadecimal integer, the last min(Precision, 8) digits
  dtZeroInt,    // decimal integer padded with leading zeros to Precision digits
  dtInt,        // decimal integer
  dtDateTime,   // date and time by DTFormat (days since 30 December 1899)
  dtState,      // the fixed StateText
  dtBin,        // binary integer, the last Precision digits
  dtOct,        // octal integer, the last min(Precision, 12) digits
  dtDeg,        // degrees with decimals and a degree sign
  dtDegMin,     // degrees and decimal minutes
  dtDegMinSec,  // degrees, minutes and decimal seconds
};

inline constexpr int kMaxPrecision = 15;

// The formatting settings of a read-out, with the read-out's defaults.
struct TNumberFormat {
  TDisplay DisplayType = dtFixP;
  int Precision = 2;           // 0 .. kMaxPrecision: decimals, significant or minimum digits
  bool Comma = false;          // decimal separator "," instead of "."
  bool ForcePlusSign = false;  // a positive value gets a leading "+"
  std::string DTFormat = "mmm-dd, yyyy";       // pattern of dtDateTime
  std::string StateText = "undefined";         // the text of dtState
  std::string OverflowIndicator = "*********";  // shown when the value cannot be shown
};

// The field text of a value before the width test of the control. A value the
// display type cannot show gives the overflow indicator unchanged (no separator
// or sign step is applied to it).
std::string FormatValueText(double value, const TNumberFormat& format);

}  // namespace vqm
