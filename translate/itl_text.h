#pragma once
// Byte-wise text rules of the translation table: letter case, key normalisation,
// translation conversion and placeholder substitution. Pure functions on
// std::string; every byte outside A-Z and a-z is just a byte (UTF-8 sequences
// and accented Latin-1 letters pass through unchanged).

#include <string>
#include <string_view>
#include <vector>

namespace glossator {

// Only the 26 capitals A-Z become a-z; every other byte stays.
std::string LowerAscii(std::string_view text);

// Equal when compared byte by byte after LowerAscii on both sides.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// How ReplaceAll compares the pattern with the text.
enum class TMatchCase {
  mcExact,       // byte for byte
  mcIgnoreAscii  // A-Z and a-z are the same letter, all other bytes exact
};

// Replaces every occurrence of `pattern` left to right; scanning resumes after
// the inserted text, so the replacement is never scanned again. An empty
// pattern changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement,
                       TMatchCase matchCase = TMatchCase::mcExact);

// A key as the table stores it: lower case (A-Z only), CR, LF and tab each one
// blank, runs of blanks collapsed to one, leading blanks removed. A trailing
// blank stays.
std::string NormaliseKey(std::string_view rawKey);

// A translation as the table stores it: CR then LF each become one blank (no
// collapsing, no trimming), the two characters "\n" become a line feed, and
// "<%APPNAME%>" in any letter case becomes `appName`.
std::string ConvertTranslation(std::string_view rawTranslation, std::string_view appName);

// Replaces "<%1%>" by params[0], then "<%2%>" by params[1], and so on, so text
// inserted for a lower number is expanded by a later step.
std::string SubstituteParameters(std::string_view text, const std::vector<std::string>& params);

}  // namespace glossator
