#pragma once
// Label texts of axis ticks. Pure computation: no toolkit, and no dependence on
// the C locale (the decimal point is always ".").

#include <string>
#include <string_view>

namespace vqm {

// decimals >= 0: fixed point with exactly that many decimals, "-" for negative
// values ("-4.0", "200"); a value that rounds to zero carries no sign.
// decimals < 0: two significant digits in scientific form with a sign character
// (space or "-") and a two-digit exponent (" 1.2E+05", "-3.4E-02"); a value whose
// exponent needs three digits, or that is not finite, shows as eight asterisks.
// `digits` (2 or more) significant digits instead of two: " 4.80002E+00".
std::string FormatTickNumber(double v, int decimals, int digits = 2);

// Item n (1-based) of a list separated by '|'. Past the last item: the text after
// the last separator (the last item again, or empty when the text ends with '|').
std::string_view UserTickItem(std::string_view text, int n);

// The label decorated by the inscript: the text before the first '&', the label,
// the text after it; without '&' the inscript goes in front. An empty label stays empty.
std::string ApplyInscript(std::string_view label, std::string_view inscript);

// Kinds of clock texts built by TimePartsToText.
enum TTimeTextKind : int {
  ttkHMSms = 0,    // HH:MM:SS.ZZZ
  ttkHMS = 1,      // HH:MM:SS
  ttkHhMM = 2,     // H2hMM
  ttkHhMMSS = 3,   // H2hMM'SS"
  ttkHM = 4,       // HH:MM
  ttk12Hour = 5,   // H2:MM with "a" before noon, "p" from noon on; hour 0 shows as 12
};

// HH, MM, SS: two digits with a leading zero; H2: the hour right-aligned in two
// characters keeping the space; ZZZ: milliseconds padded with zeros to three.
std::string TimePartsToText(long long h, int m, int s, TTimeTextKind kind, int ms);

// Seconds as a sign character (space or "-") and hours:minutes:seconds, with
// ".ZZZ" milliseconds when asked. Hours may exceed 23.
std::string SecondsToText(double v, bool withMilliseconds);

}  // namespace vqm
