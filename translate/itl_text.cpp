#include "translate/itl_text.h"

namespace glossator {

namespace {

char LowerAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view pattern, TMatchCase matchCase) {
  if (text.size() - pos < pattern.size()) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char a = text[pos + i];
    const char b = pattern[i];
    const bool same = matchCase == TMatchCase::mcExact ? a == b : LowerAsciiChar(a) == LowerAsciiChar(b);
    if (!same) return false;
  }
  return true;
}

}  // namespace

std::string LowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerAsciiChar(c);
  return result;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && MatchesAt(a, 0, b, TMatchCase::mcIgnoreAscii);
}

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement,
                       TMatchCase matchCase) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (MatchesAt(text, pos, pattern, matchCase)) {
      result.append(replacement);
      pos += pattern.size();
    } else {
      result.push_back(text[pos]);
      ++pos;
    }
  }
  return result;
}

std::string NormaliseKey(std::string_view rawKey) {
  std::string key = LowerAscii(rawKey);
  for (char& c : key) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  // Collapsing runs and dropping the leading blanks in one pass gives the same
  // result as replacing pairs until none is left and then trimming the front.
  std::string result;
  result.reserve(key.size());
  for (char c : key) {
    const bool blank = c == ' ';
    if (blank && (result.empty() || result.back() == ' ')) continue;
    result.push_back(c);
  }
  return result;
}

std::string ConvertTranslation(std::string_view rawTranslation, std::string_view appName) {
  std::string text = ReplaceAll(rawTranslation, "\r", " ");
  text = ReplaceAll(text, "\n", " ");
  text = ReplaceAll(text, "\\n", "\n");
  return ReplaceAll(text, "<%APPNAME%>", appName, TMatchCase::mcIgnoreAscii);
}

std::string SubstituteParameters(std::string_view text, const std::vector<std::string>& params) {
  std::string result(text);
  for (std::size_t n = 1; n <= params.size(); ++n) {
    const std::string placeholder = "<%" + std::to_string(n) + "%>";
    result = ReplaceAll(result, placeholder, params[n - 1]);
  }
  return result;
}

}  // namespace glossator
