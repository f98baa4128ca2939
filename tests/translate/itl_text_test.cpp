// The byte-wise text rules behind the table: letter case, key normalisation,
// translation conversion and placeholders.
#include "translate/itl_text.h"

#include <gtest/gtest.h>

namespace glossator {
namespace {

TEST(ItlText, LowerCaseFoldsOnlyAsciiCapitals) {
  EXPECT_EQ(LowerAscii("ABC xyz [Z]"), "abc xyz [z]");
  // Latin-1 capital A with grave and the UTF-8 bytes of "Ä" stay as they are.
  EXPECT_EQ(LowerAscii("\xC0" "B"), "\xC0" "b");
  EXPECT_EQ(LowerAscii("\xC3\x84" "X"), "\xC3\x84" "x");
  EXPECT_TRUE(EqualsIgnoringAsciiCase("[Exit]=Exit|$$", "[EXIT]=EXIT|$$"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC0", "\xE0"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("Exit", "Exit "));
}

TEST(ItlText, ReplaceAllResumesAfterInsertedText) {
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("xyx", "x", ""), "y");
  EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
  EXPECT_EQ(ReplaceAll("aAa", "a", "b", TMatchCase::mcIgnoreAscii), "bbb");
  EXPECT_EQ(ReplaceAll("aAa", "a", "b"), "bAb");
  // A pattern cut off at the end of the text is not a match.
  EXPECT_EQ(ReplaceAll("ab<%1", "<%1%>", "x"), "ab<%1");
}

// The table-level cases (CR LF, blank-only keys) are in glossator_test.cpp.
TEST(ItlText, KeyNormalisation) {
  EXPECT_EQ(NormaliseKey("a\tb"), "a b");
  EXPECT_EQ(NormaliseKey("\t\r\n x"), "x");
  // One trailing blank survives, as in "f(sample) = ".
  EXPECT_EQ(NormaliseKey("F(sample) =   "), "f(sample) = ");
}

TEST(ItlText, TranslationConversion) {
  EXPECT_EQ(ConvertTranslation("  keep  blanks ", ""), "  keep  blanks ");
  // A doubled backslash: the second backslash and the n make the break.
  EXPECT_EQ(ConvertTranslation("a\\\\nb", ""), "a\\\nb");
  EXPECT_EQ(ConvertTranslation("<%AppName%> and <%appname%>", "Quantora"), "Quantora and Quantora");
  // The inserted name is not scanned again, even if it holds the pattern.
  EXPECT_EQ(ConvertTranslation("<%APPNAME%>", "<%APPNAME%>x"), "<%APPNAME%>x");
  // The name is inserted after the "\n" step, so a "\n" inside it stays.
  EXPECT_EQ(ConvertTranslation("<%APPNAME%>", "a\\nb"), "a\\nb");
}

TEST(ItlText, ParametersInAscendingOrder) {
  EXPECT_EQ(SubstituteParameters("Value <%1%> of <%2%>", {"3", "5"}), "Value 3 of 5");
  EXPECT_EQ(SubstituteParameters("<%1%><%1%>", {"x"}), "xx");
  // Text inserted for 1 that holds placeholder 2 is expanded by step 2 ...
  EXPECT_EQ(SubstituteParameters("<%1%>", {"<%2%>", "two"}), "two");
  // ... but text inserted for 2 is never scanned for 1 again.
  EXPECT_EQ(SubstituteParameters("<%2%>", {"one", "<%1%>"}), "<%1%>");
  // Placeholders without a parameter, and parameters without a placeholder.
  EXPECT_EQ(SubstituteParameters("<%3%> <%10%>", {"a", "b", "c"}), "c <%10%>");
  EXPECT_EQ(SubstituteParameters("<%1%>", {}), "<%1%>");
}

}  // namespace
}  // namespace glossator
