#include "numlab/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "drawbase/date_time_text.h"

namespace vqm {

namespace {

// The integer display types accept -2^31 .. 2^32 - 1; the zero-padded one only up to 2^31 - 1.
constexpr double kIntRangeLow = -2147483648.0;
constexpr double kIntRangeHigh = 4294967295.0;
constexpr double kZeroIntRangeHigh = 2147483647.0;
// Values from here on have no 64-bit integer.
constexpr double kInt64Limit = 9223372036854775808.0;

constexpr int kMaxHexDigits = 8;
constexpr int kMaxBinDigits = 32;
constexpr int kMaxOctDigits = 12;
constexpr int kOctDigitsOf32Bits = 11;
constexpr int kMaxDegreeDecimals = 8;

constexpr const char* kDegreeSign = "\u00B0";

using TText = std::optional<std::string>;  // nullopt: the value cannot be shown

// Joins pieces of text (also keeps GCC 12 from a false -Wrestrict on "lit" + string).
std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::string out;
  for (std::string_view piece : pieces) out += piece;
  return out;
}

// ---- Floating-point conversions (locale-free: std::to_chars) ----

std::string NonFiniteText(double v) {
  if (std::isnan(v)) return "NAN";
  return v < 0 ? "-INF" : "INF";
}

// Fixed point with the given decimals, "." as the separator.
std::string FixedText(double v, int decimals) {
  std::array<char, 400> buf;  // the largest double has 309 integer digits
  const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals);
  return std::string(buf.data(), r.ptr);
}

// A finite non-negative value rounded to `significant` digits: its digits and decimal exponent.
struct TDecimal {
  std::string Digits;  // exactly `significant` digits, the first one non-zero (or "0...")
  int Exponent = 0;    // value = 0.Digits... x 10^(Exponent + 1)
};

TDecimal ToDecimal(double magnitude, int significant) {
  std::array<char, 64> buf;
  const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific,
                               significant - 1);
  const std::string_view text(buf.data(), size_t(r.ptr - buf.data()));
  const size_t e = text.find('e');
  TDecimal d;
  for (char ch : text.substr(0, e))
    if (ch != '.') d.Digits += ch;
  std::from_chars(text.data() + e + 2, text.data() + text.size(), d.Exponent);
  if (text[e + 1] == '-') d.Exponent = -d.Exponent;
  return d;
}

// "E", a sign and at least three exponent digits.
std::string ExponentText(int exponent) {
  std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return Concat({"E", exponent < 0 ? "-" : "+", digits});
}

std::string Mantissa(const std::string& digits) {
  return digits.size() == 1 ? digits : Concat({digits.substr(0, 1), ".", std::string_view(digits).substr(1)});
}

void TrimTrailingZeros(std::string& digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

// Scientific: one digit before the point, `significant` digits in all.
std::string ExpText(double v, int significant) {
  if (!std::isfinite(v)) return NonFiniteText(v);
  const TDecimal d = ToDecimal(std::fabs(v), significant);
  return Concat({v < 0 ? "-" : "", Mantissa(d.Digits), ExponentText(d.Exponent)});
}

// General: fixed notation when the integer digits fit the precision and the
// value is at least 0.00001, else scientific; trailing zeros removed.
std::string GeneralText(double v, int significant) {
  if (!std::isfinite(v)) return NonFiniteText(v);
  if (v == 0) return "0";
  TDecimal d = ToDecimal(std::fabs(v), significant);
  TrimTrailingZeros(d.Digits);
  const std::string_view sign = v < 0 ? "-" : "";
  const std::string_view digits = d.Digits;
  if (d.Exponent < -5 || d.Exponent >= significant)
    return Concat({sign, Mantissa(d.Digits), ExponentText(d.Exponent)});
  if (d.Exponent < 0) return Concat({sign, "0.", std::string(size_t(-d.Exponent - 1), '0'), digits});
  const size_t intDigits = size_t(d.Exponent) + 1;
  if (digits.size() <= intDigits) return Concat({sign, digits, std::string(intDigits - digits.size(), '0')});
  return Concat({sign, digits.substr(0, intDigits), ".", digits.substr(intDigits)});
}

// ---- Integer conversions ----

bool InRange(double v, double low, double high) { return v >= low && v <= high; }  // false for NaN

std::int64_t RoundToInt64(double v) { return std::int64_t(RoundHalfEven(v)); }

// The last `keep` characters of a text (all of it when it is shorter).
std::string LastChars(const std::string& text, int keep) {
  return text.size() > size_t(keep) ? text.substr(text.size() - size_t(keep)) : text;
}

// Digits of `bits` in base 2^bitsPerDigit, exactly `count` of them, most significant first.
std::string PowerOfTwoDigits(std::uint64_t bits, int bitsPerDigit, int count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out(size_t(count), '0');
  const std::uint64_t mask = (std::uint64_t(1) << bitsPerDigit) - 1;
  for (int i = count - 1; i >= 0 && bits != 0; --i) {
    out[size_t(i)] = kDigits[bits & mask];
    bits >>= bitsPerDigit;
  }
  return out;
}

TText HexText(double v, int precision) {
  if (!InRange(v, kIntRangeLow, kIntRangeHigh)) return std::nullopt;
  const int p = std::min(precision, kMaxHexDigits);
  // A negative number shows its 64-bit two's complement: 16 digits before the cut.
  const auto bits = std::uint64_t(RoundToInt64(v));
  int digits = 1;
  while (digits < 16 && (bits >> (4 * digits)) != 0) ++digits;
  return LastChars(PowerOfTwoDigits(bits, 4, std::max(digits, p)), p);
}

TText BinText(double v, int precision) {
  if (!InRange(v, kIntRangeLow, kIntRangeHigh)) return std::nullopt;
  const int p = std::min(precision, kMaxBinDigits);
  const auto low32 = std::uint64_t(std::uint32_t(RoundToInt64(v)));
  return LastChars(PowerOfTwoDigits(low32, 1, std::max(p, 1)), p);
}

TText OctText(double v, int precision) {
  if (!InRange(v, kIntRangeLow, kIntRangeHigh)) return std::nullopt;
  const int p = std::min(precision, kMaxOctDigits);
  const auto low32 = std::uint64_t(std::uint32_t(RoundToInt64(v)));
  return LastChars(PowerOfTwoDigits(low32, 3, std::min(std::max(p, 1), kOctDigitsOf32Bits)), p);
}

// Decimal integer with at least `minDigits` digits; a minus sign stays in front of the zeros.
std::string DecimalText(std::int64_t n, int minDigits) {
  const std::uint64_t magnitude = n < 0 ? 0 - std::uint64_t(n) : std::uint64_t(n);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < size_t(minDigits)) digits.insert(0, size_t(minDigits) - digits.size(), '0');
  return Concat({n < 0 ? "-" : "", digits});
}

TText ZeroIntText(double v, int precision) {
  if (!InRange(v, kIntRangeLow, kZeroIntRangeHigh)) return std::nullopt;
  return DecimalText(RoundToInt64(v), precision);
}

// No range check beyond what a 64-bit integer can hold.
TText IntText(double v) {
  if (!(std::fabs(v) < kInt64Limit)) return std::nullopt;
  const double rounded = RoundHalfEven(v);
  if (!(std::fabs(rounded) < kInt64Limit)) return std::nullopt;
  return DecimalText(std::int64_t(rounded), 0);
}

// ---- Degrees ----

std::string PadLeft(std::string text, int width) {
  if (text.size() < size_t(width)) text.insert(0, size_t(width) - text.size(), ' ');
  return text;
}

// A count of units of 10^-decimals written with that many decimals.
std::string ScaledText(std::int64_t units, std::int64_t scale, int decimals) {
  std::string text = std::to_string(units / scale);
  if (decimals > 0) {
    std::string fraction = std::to_string(units % scale);
    text += '.';
    text.append(size_t(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

std::int64_t PowerOfTen(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// Degrees with minutes (and seconds when `withSeconds`). The whole magnitude is
// rounded once to the last shown unit and then split, so that a carry moves into
// the next minute or degree instead of showing 60 minutes or 60 seconds.
TText SexagesimalText(double v, int decimals, bool withSeconds) {
  const std::int64_t scale = PowerOfTen(decimals);
  const double unitsPerDegree = (withSeconds ? 3600.0 : 60.0) * double(scale);
  const double total = RoundHalfEven(std::fabs(v) * unitsPerDegree);
  if (!(total < kInt64Limit)) return std::nullopt;
  const auto units = std::int64_t(total);
  const auto perDegree = std::int64_t(unitsPerDegree);
  const std::int64_t degrees = units / perDegree;
  std::int64_t rest = units % perDegree;

  // The sign belongs to the degrees, also when they are 0 (-0.5 shows -0° 30').
  std::string text = Concat({v < 0 && units != 0 ? "-" : "", std::to_string(degrees), kDegreeSign, " "});
  if (withSeconds) {
    const std::int64_t perMinute = 60 * scale;
    text += PadLeft(std::to_string(rest / perMinute), 2);
    text += "' ";
    rest %= perMinute;
    return Concat({text, PadLeft(ScaledText(rest, scale, decimals), decimals + 3), "\""});
  }
  return Concat({text, PadLeft(ScaledText(rest, scale, decimals), decimals + 3), "'"});
}

TText DegreeText(double v, TDisplay type, int precision) {
  if (!std::isfinite(v)) return std::nullopt;
  const int d = std::clamp(precision, 0, kMaxDegreeDecimals);
  if (type == dtDeg) return FixedText(v, d) + kDegreeSign;
  return SexagesimalText(v, d, type == dtDegMinSec);
}

// ---- Step 1 and step 2 ----

TText ConvertByType(double v, const TNumberFormat& f, int precision) {
  switch (f.DisplayType) {
    case dtFloat: return GeneralText(v, std::max(precision, 1));
    case dtFixP: return std::isfinite(v) ? FixedText(v, precision) : NonFiniteText(v);
    case dtExp: return ExpText(v, std::max(precision, 1));
    case dtHex: return HexText(v, precision);
    case dtZeroInt: return ZeroIntText(v, precision);
    case dtInt: return IntText(v);
    case dtDateTime: return FormatDateTimeText(v, f.DTFormat);
    case dtState: return f.StateText;
    case dtBin: return BinText(v, precision);
    case dtOct: return OctText(v, precision);
    case dtDeg:
    case dtDegMin:
    case dtDegMinSec: {
      TText text = DegreeText(v, f.DisplayType, precision);
      if (text && text->empty()) return std::nullopt;
      return text;
    }
  }
  return std::nullopt;
}

bool TakesSeparatorAndSign(TDisplay type) {
  return type != dtHex && type != dtDateTime && type != dtState && type != dtBin;
}

}  // namespace


std::string FormatValueText(double value, const TNumberFormat& format) {
  if (value == 0) value = 0.0;  // negative zero shows as zero
  const int precision = std::clamp(format.Precision, 0, kMaxPrecision);
  TText text = ConvertByType(value, format, precision);
  if (!text) return format.OverflowIndicator;
  if (TakesSeparatorAndSign(format.DisplayType)) {
    std::replace(text->begin(), text->end(), format.Comma ? '.' : ',', format.Comma ? ',' : '.');
    if (format.ForcePlusSign && value > 0) *text = Concat({"+", *text});
  }
  return *text;
}

}  // namespace vqm
