// The two tables shipped with the program: every text the windows mark and
// every key the start-up looks up has an entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "translate/glossator.h"
#include "translate/itl_text.h"

namespace glossator {
namespace {

const std::string kTableDir = QUANTORA_TRANSLATION_TABLES;

// The texts marked "XL_" on the main window and the About dialog, without the prefix.
const std::vector<std::string> kMarkedTexts = {
    "Analog/Digital Conversion", "Signal Wave Form", "Sine", "3-Term Sine", "Sawtooth", "Sinc", "Chirp",
    "About", "Exit", "Original Signal", "Sampled Signal", "Time [ns]", "Amplitude [V]", "f(sample) = ",
    "t(sample) = ", "Resolution", "Show Sampling Points", "Show Sampled Signal", "Show Quantization Error",
    "MMExplain", "HomePage", "OK",
    // The "Signal and converter" window.
    "Signal and converter", "Generator", "Amplitude:", "Frequency:", "DC offset:", "Imperfections of the converter",
    "Noise:", "Jitter:", "Offset error:", "Gain error:", "Integral nonlinearity (INL):",
    "Differential nonlinearity (DNL):", "Dither and random draws", "Dither:", "None", "Rectangular, 1 LSB peak to peak",
    "Triangular, 2 LSB peak to peak", "Subtract after the quantizer", "Seed:", "Back to the ideal converter",
    "Amplitude in V", "Frequency of the sine in MHz", "DC offset in V", "Input noise, standard deviation in mV",
    "Aperture jitter, standard deviation in ps", "Offset error in LSB", "Gain error in percent",
    "Integral nonlinearity, peak in LSB", "Differential nonlinearity, standard deviation in LSB", "Dither",
    "Seed of the random draws"};
// The keys the start-up sequence looks up in code.
const std::vector<std::string> kStartupKeys = {"AppIconName", "Quantora Lab", "HomePageURL", "$dlglanguage$"};

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Holds(const TGlossator& table, const std::string& key) {
  const auto& keys = table.Keys();
  return std::find(keys.begin(), keys.end(), LowerAscii(key)) != keys.end();
}

class ShippedTable : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { ASSERT_TRUE(table.LoadFromFile(Path())); }
  std::string Path() const { return kTableDir + "/" + GetParam(); }
  TGlossator table;
};

TEST_P(ShippedTable, HoldsEveryRequiredKeyOnce) {
  for (const auto* list : {&kMarkedTexts, &kStartupKeys}) {
    for (const std::string& key : *list) {
      EXPECT_TRUE(Holds(table, key)) << key;
      EXPECT_FALSE(table.Translate(key).empty()) << key;
    }
  }
  const std::set<std::string> unique(table.Keys().begin(), table.Keys().end());
  EXPECT_EQ(unique.size(), table.Keys().size()) << "duplicate keys";
  // Nothing in the file is lost to a stray terminator or a missing one.
  const std::string bytes = ReadFile(Path());
  std::size_t records = 0;
  for (auto at = bytes.find("|$$"); at != std::string::npos; at = bytes.find("|$$", at + 3)) ++records;
  EXPECT_EQ(records, table.Keys().size());
  EXPECT_EQ(bytes.find_first_not_of(" \r\n", bytes.rfind("|$$") + 3), std::string::npos);
}

TEST_P(ShippedTable, ExplanationIsSeveralCleanLines) {
  const std::string text = table.Translate("MMExplain");
  EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 3);
  EXPECT_EQ(text.find("\n "), std::string::npos) << "a line starts with a blank";
  EXPECT_EQ(text.find("  "), std::string::npos);
  EXPECT_EQ(text.find('\\'), std::string::npos);
  EXPECT_NE(text.back(), '\n');
}

TEST_P(ShippedTable, NumericLabelTextsKeepTheirTrailingBlank) {
  EXPECT_EQ(table.Translate("f(sample) = ").back(), ' ');
  EXPECT_EQ(table.Translate("t(sample) = ").back(), ' ');
}

INSTANTIATE_TEST_SUITE_P(Tables, ShippedTable, ::testing::Values("quantora.itl", "quantora.de.itl"));

TEST(ShippedTables, LanguagesAndTheGermanTexts) {
  TGlossator english;
  TGlossator german;
  ASSERT_TRUE(english.LoadFromFile(kTableDir + "/quantora.itl"));
  ASSERT_TRUE(german.LoadFromFile(kTableDir + "/quantora.de.itl"));
  EXPECT_EQ(english.Translate("$dlglanguage$"), "lgEnglish");
  EXPECT_EQ(LowerAscii(german.Translate("$dlglanguage$")), "lggerman");
  // Both name the same keys in the same order, so neither misses a text.
  EXPECT_EQ(english.Keys(), german.Keys());
  // The English table keeps the design texts, adding only the "&" of an Alt
  // shortcut; the German one translates them.
  const auto withoutShortcut = [](std::string text) {
    if (const auto at = text.find('&'); at != std::string::npos) text.erase(at, 1);
    return text;
  };
  for (const std::string& key : kMarkedTexts) {
    if (key != "MMExplain" && key != "HomePage") {
      EXPECT_EQ(withoutShortcut(english.Translate(key)), key);
    }
  }
  EXPECT_EQ(german.Translate("Exit"), "&Beenden");
  EXPECT_EQ(german.Translate("Resolution"), "Aufl\xC3\xB6sung");
  EXPECT_NE(german.Translate("MMExplain"), english.Translate("MMExplain"));
  EXPECT_EQ(german.Translate("AppIconName"), english.Translate("AppIconName"));
  EXPECT_EQ(german.Translate("3-Term Sine"), "Sinus (3 Terme)");
}

// The explanation describes the window as it is: the two charts stand side by
// side, and one more bit divides the step 10 V / (2^n - 1) by about two, not
// exactly (1 -> 2 bits divides it by three).
TEST(ShippedTables, ExplanationMatchesTheWindow) {
  const struct {
    const char* table;
    std::vector<std::string> says, neverSays;
  } cases[] = {
      {"quantora.itl", {"Left: ", "\nRight: ", "10 V / (2^n \u2212 1)", "about half"}, {"Top", "Bottom", "halves"}},
      {"quantora.de.itl", {"Links: ", "\nRechts: ", "10 V / (2^n \u2212 1)", "etwa halb"}, {"Oben", "Unten", "halbiert"}},
  };
  for (const auto& c : cases) {
    TGlossator table;
    ASSERT_TRUE(table.LoadFromFile(kTableDir + "/" + c.table));
    const std::string text = table.Translate("MMExplain");
    for (const std::string& part : c.says) EXPECT_NE(text.find(part), std::string::npos) << c.table << ": " << part;
    for (const std::string& part : c.neverSays) EXPECT_EQ(text.find(part), std::string::npos) << c.table << ": " << part;
  }
}

}  // namespace
}  // namespace glossator
