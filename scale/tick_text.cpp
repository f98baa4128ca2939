#include "scale/tick_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "scale/tick_math.h"

namespace vqm {

namespace {

constexpr std::string_view kOverflowText = "********";

std::string FixedText(double v, int decimals) {
  char buf[512];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return std::string(kOverflowText);
  std::string text(buf, r.ptr);
  // No "-0.00": a value that rounds to zero is written without a sign.
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string ScientificText(double v, int significant) {
  if (!std::isfinite(v)) return std::string(kOverflowText);
  char buf[64];
  const int decimals = std::clamp(significant, 2, 17) - 1;
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, decimals);
  // buf holds "d.d...e+XX" (two or more exponent digits).
  const std::string_view digits(buf, size_t(r.ptr - buf));
  const size_t ePos = digits.find('e');
  const int exponent = std::atoi(std::string(digits.substr(ePos + 1)).c_str());
  if (std::abs(exponent) > 99) return std::string(kOverflowText);
  std::string text;
  text.reserve(size_t(decimals) + 7);
  text += v < 0 ? '-' : ' ';
  text += digits.substr(0, ePos);
  text += 'E';
  text += exponent < 0 ? '-' : '+';
  text += char('0' + std::abs(exponent) / 10);
  text += char('0' + std::abs(exponent) % 10);
  return text;
}

void AppendTwoDigits(std::string& out, long long n, char fill) {
  if (n < 10) out += fill;
  out += std::to_string(n);
}

}  // namespace

std::string FormatTickNumber(double v, int decimals, int digits) {
  if (decimals >= 0) return FixedText(v, decimals);
  return ScientificText(v, digits);
}

std::string_view UserTickItem(std::string_view text, int n) {
  size_t start = 0;
  for (int item = 1; item < n; ++item) {
    const size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) break;  // fewer items: stay on the last one
    start = bar + 1;
  }
  const size_t end = text.find('|', start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string ApplyInscript(std::string_view label, std::string_view inscript) {
  if (label.empty()) return {};
  const size_t amp = inscript.find('&');
  std::string out;
  if (amp == std::string_view::npos) {
    out.reserve(inscript.size() + label.size());
    out += inscript;
    out += label;
  } else {
    out.reserve(inscript.size() + label.size());
    out += inscript.substr(0, amp);
    out += label;
    out += inscript.substr(amp + 1);
  }
  return out;
}

std::string TimePartsToText(long long h, int m, int s, TTimeTextKind kind, int ms) {
  std::string out;
  out.reserve(14);
  switch (kind) {
    case ttkHMSms:
    case ttkHMS:
      AppendTwoDigits(out, h, '0');
      out += ':';
      AppendTwoDigits(out, m, '0');
      out += ':';
      AppendTwoDigits(out, s, '0');
      if (kind == ttkHMSms) {
        out += '.';
        const std::string z = std::to_string(ms);
        if (z.size() < 3) out.append(3 - z.size(), '0');
        out += z;
      }
      break;
    case ttkHhMM:
    case ttkHhMMSS:
      AppendTwoDigits(out, h, ' ');
      out += 'h';
      AppendTwoDigits(out, m, '0');
      if (kind == ttkHhMMSS) {
        out += '\'';
        AppendTwoDigits(out, s, '0');
        out += '"';
      }
      break;
    case ttkHM:
      AppendTwoDigits(out, h, '0');
      out += ':';
      AppendTwoDigits(out, m, '0');
      break;
    case ttk12Hour: {
      const long long h12 = h == 0 ? 12 : (h > 12 ? h - 12 : h);
      AppendTwoDigits(out, h12, ' ');
      out += ':';
      AppendTwoDigits(out, m, '0');
      out += h < 12 ? 'a' : 'p';
      break;
    }
  }
  return out;
}

std::string SecondsToText(double v, bool withMilliseconds) {
  // Split whole milliseconds, rounded half to even, so that a tick value a hair
  // below a whole second (accumulated rounding) still shows that second and
  // never a fourth millisecond digit.
  const double totalMs = RoundHalfEven(std::fabs(v) * 1000.0);
  const double ms = std::fmod(totalMs, 1000.0);
  const double seconds = (totalMs - ms) / 1000.0;
  const double h = std::fmin(std::trunc(seconds / 3600.0), 1e18);  // keeps the cast defined
  const double m = std::trunc((seconds - 3600.0 * h) / 60.0);
  const double s = seconds - 3600.0 * h - 60.0 * m;
  std::string out(1, v >= 0 ? ' ' : '-');
  out += TimePartsToText((long long)h, int(m), int(s), withMilliseconds ? ttkHMSms : ttkHMS, int(ms));
  return out;
}

}  // namespace vqm
