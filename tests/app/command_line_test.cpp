// Parsing the program's arguments into what it should do.
#include "app/command_line.h"
#include "app/message_text.h"
#include "app/program_help.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <vector>

namespace quantora {
namespace {

TCommandLine Parse(std::vector<std::string_view> args) { return ParseCommandLine(args); }

TEST(CommandLineTest, NoArgumentsRunsTheWindowWithStartUpSettings) {
  const TCommandLine parsed = Parse({});
  EXPECT_EQ(parsed.action, TProgramAction::paRunWindow);
  EXPECT_EQ(parsed.settings.form, TSignalForm::sfSine);
  EXPECT_EQ(parsed.settings.interval, 10);
  EXPECT_EQ(parsed.settings.bits, 8);
  EXPECT_TRUE(parsed.errorMessage.empty());
}

TEST(CommandLineTest, ExportWithEveryOption) {
  const TCommandLine parsed =
      Parse({"--wave", "3-term-sine", "--export-csv", "out.csv", "--interval", "200", "--bits", "1"});
  EXPECT_EQ(parsed.action, TProgramAction::paExportCsv);
  EXPECT_EQ(parsed.exportPath, "out.csv");
  EXPECT_EQ(parsed.settings.form, TSignalForm::sfThreeTermSine);
  EXPECT_EQ(parsed.settings.interval, 200);
  EXPECT_EQ(parsed.settings.bits, 1);
}

TEST(CommandLineTest, EveryWaveNameInListOrder) {
  const std::vector<std::string_view> names{"sine", "3-term-sine", "sawtooth", "sinc", "chirp"};
  for (int index = 0; index < NumSignalForms; ++index) {
    const TCommandLine parsed = Parse({"--wave", names[index]});
    EXPECT_EQ(parsed.settings.form, static_cast<TSignalForm>(index)) << names[index];
    EXPECT_EQ(parsed.action, TProgramAction::paRunWindow);
  }
}

TEST(CommandLineTest, StandardOutputAndRangeEnds) {
  const TCommandLine low = Parse({"--export-csv", "-", "--interval", "1", "--bits", "16"});
  EXPECT_EQ(low.exportPath, "-");
  EXPECT_EQ(low.settings.interval, 1);
  EXPECT_EQ(low.settings.bits, 16);
}

TEST(CommandLineTest, WindowOptions) {
  const TCommandLine parsed = Parse({"--export-png", "w.png", "--samples", "off", "--sampled", "off",
                                     "--error", "on", "--language", "de"});
  EXPECT_EQ(parsed.action, TProgramAction::paExportPng);
  EXPECT_EQ(parsed.exportPath, "w.png");
  EXPECT_FALSE(parsed.options.showPoints);
  EXPECT_FALSE(parsed.options.showSampled);
  EXPECT_TRUE(parsed.options.showError);
  EXPECT_EQ(parsed.language, "de");
  // The design's check boxes when nothing is said.
  const TCommandLine plain = Parse({"--language", "en"});
  EXPECT_EQ(plain.action, TProgramAction::paRunWindow);
  EXPECT_TRUE(plain.options.showPoints);
  EXPECT_TRUE(plain.options.showSampled);
  EXPECT_FALSE(plain.options.showError);
  for (std::vector<std::string_view> bad :
       {std::vector<std::string_view>{"--error", "yes"}, {"--samples", "ON"}, {"--language", "fr"},
        {"--export-png", ""}, {"--sampled"}}) {
    const TCommandLine failed = Parse(bad);
    EXPECT_EQ(failed.action, TProgramAction::paFail) << bad[0];
    EXPECT_NE(failed.errorMessage.find(bad[0]), std::string::npos) << failed.errorMessage;
  }
}

TEST(CommandLineTest, StatsTakesNoValueAndKeepsTheSettings) {
  const TCommandLine parsed = Parse({"--stats", "--bits", "16", "--wave", "sinc"});
  EXPECT_EQ(parsed.action, TProgramAction::paShowStats);
  EXPECT_EQ(parsed.settings.bits, 16);
  EXPECT_EQ(parsed.settings.form, TSignalForm::sfSinc);
  EXPECT_NE(HelpText().find("--stats"), std::string::npos);
  EXPECT_NE(HelpText().find("\n  --amplitude V "), std::string::npos);  // the chain's options from their table
  EXPECT_NE(HelpText().find("dither), 0 .. 2147483647"), std::string::npos);
  for (std::vector<std::string_view> both : {std::vector<std::string_view>{"--stats", "--export-csv", "-"},
                                             {"--export-png", "w.png", "--stats"}, {"--stats", "--stats"},
                                             {"--export-spectrum-csv", "s.csv", "--export-csv", "-"}})
    EXPECT_EQ(Parse(both).action, TProgramAction::paFail) << both[0] << " " << both[1];
  const TCommandLine spectrum = Parse({"--export-spectrum-csv", "-", "--interval", "150"});
  EXPECT_EQ(spectrum.action, TProgramAction::paExportSpectrumCsv);
  EXPECT_EQ(spectrum.exportPath, "-");
  EXPECT_EQ(spectrum.settings.interval, 150);
}

TEST(CommandLineTest, HelpWinsOverEverythingElse) {
  EXPECT_EQ(Parse({"--help"}).action, TProgramAction::paShowHelp);
  EXPECT_EQ(Parse({"--bits", "99", "-h"}).action, TProgramAction::paShowHelp);
  // Every option of the table (which the manual page is written from) starts a
  // line of the help text, and no line is wider than a terminal.
  const std::string help = HelpText();
  for (const TOptionHelp& option : ProgramHelp().options) {
    const std::string head = "\n  " + option.option + (option.argument.empty() ? "" : " " + option.argument);
    const std::size_t at = help.find(head);  // then its text, or a line break when the head is long
    ASSERT_NE(at, std::string::npos) << option.option;
    EXPECT_TRUE(help[at + head.size()] == ' ' || help[at + head.size()] == '\n') << option.option;
  }
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
  // The layout, pinned where it shows: descriptions in column 23, continued
  // there, paragraphs filled to 80 columns and set apart by an empty line.
  for (const char* block : {
           "\n  --export-csv FILE   write the simulated series as CSV to FILE (- for standard\n"
           "                      output) instead of opening the window\n",
           "\n  --wave NAME         sine (default), 3-term-sine, sawtooth, sinc or chirp\n",
           "\n  --stats             print the quantization figures of the setting, one per\n"
           "                      line: step,",
           "\n\nBeside a running window, a start hands its command line to that window and ends\n"
           "(status 0):",
       })
    EXPECT_NE(help.find(block), std::string::npos) << block;
}

// Arguments that are not our "--" options are the program's parameters (the
// host link keeps them and hands them to a running instance), never an error.
TEST(CommandLineTest, ParametersAndHostArgumentsAreLeftToTheHostLink) {
  const TCommandLine parsed =
      Parse({"/serverhandle=abc", "stray", "--bits", "4", "/SERVERHANDLE=abc", "-x", "--no-about", "file.txt"});
  EXPECT_EQ(parsed.action, TProgramAction::paRunWindow);
  EXPECT_EQ(parsed.settings.bits, 4);
  EXPECT_FALSE(parsed.showAbout);
  EXPECT_TRUE(Parse({"stray"}).showAbout);
  EXPECT_EQ(Parse({"--export-png", "w.png", "--no-about"}).action, TProgramAction::paExportPng);
}

TEST(CommandLineTest, TimeRangeTakesTwoNanosecondValuesInsideTheAxis) {
  EXPECT_FALSE(Parse({"--bits", "16"}).timeRange);
  const TCommandLine parsed = Parse({"--time-range", "0.5", "1000", "--bits", "16"});
  ASSERT_TRUE(parsed.timeRange);
  EXPECT_EQ(std::pair(parsed.timeRange->from, parsed.timeRange->to), std::pair(0.5, 1000.0));
  EXPECT_EQ(parsed.settings.bits, 16);
}

TEST(CommandLineTest, BadArgumentsFailNamingTheCulprit) {
  struct TCase {
    std::vector<std::string_view> args;
    std::string_view named;
  };
  const std::vector<TCase> cases{
      {{"--interval", "0"}, "'0'"},          {{"--interval", "201"}, "'201'"},
      {{"--interval", "7x"}, "'7x'"},        {{"--interval", " 7"}, "' 7'"},
      {{"--interval", "-3"}, "--interval"},  {{"--interval", "+7"}, "'+7'"},
      {{"--interval", "99999999999"}, "'99999999999'"},
      {{"--bits", "0"}, "'0'"},              {{"--bits", "17"}, "'17'"},
      {{"--bits", "8.0"}, "'8.0'"},          {{"--bits", ""}, "''"},
      {{"--wave", "square"}, "'square'"},    {{"--wave", "Sine"}, "'Sine'"},
      {{"--frobnicate"}, "'--frobnicate'"},  {{"--no-about", "--no-about"}, "--no-about given twice"},
      {{"--bits"}, "--bits"},                {{"--export-csv"}, "--export-csv"},
      {{"--export-csv", ""}, "--export-csv"}, {{"--export-csv", "x.csv", "--wave"}, "--wave"},
      {{"--wave", "--bits", "4"}, "--wave"},
      {{"--interval", "7", "--interval", "9"}, "--interval given twice"},
      {{"--export-csv", "a", "--export-csv", "b"}, "--export-csv given twice"},
      {{"--export-png", "a.png", "--export-csv", "b"}, "--export-png and --export-csv exclude each other"},
      {{"--wave", "sine\n\x1b[2J"}, "'sine\\n\\x1b[2J'"},
      {{"--time-range", "10"}, "needs two values"}, {{"--time-range", "20", "10"}, "'20' '10'"},
      {{"--export-png", "w.png", "--scale", "2.5"}, "'2.5' for --scale"}, {{"--scale", "2"}, "--scale needs --export-png"},
      {{"--time-range", "5", "5"}, "'5' '5'"}, {{"--time-range", "-1", "5"}, "'-1'"}, {{"--time-range", "0", "1e3x"}, "'1e3x'"},
      {{"--reconstruction", "Sinc"}, "'Sinc' for --reconstruction"}, {{"--reconstruction"}, "--reconstruction"},
  };
  for (const TCase& c : cases) {
    const TCommandLine parsed = Parse(c.args);
    SCOPED_TRACE(parsed.errorMessage);
    EXPECT_EQ(parsed.action, TProgramAction::paFail);
    EXPECT_NE(parsed.errorMessage.find(c.named), std::string::npos);
    EXPECT_EQ(parsed.errorMessage.find('\n'), std::string::npos);
    EXPECT_TRUE(parsed.exportPath.empty());
  }
}

// Each option of the signal chain: a good value changes just its setting and
// is handed over as given; a bad one (no change) fails naming value and option.
TEST(CommandLineTest, ChainOptionsInsideTheirRanges) {
  const struct { std::vector<std::string_view> args; void (*change)(TChainSettings&); } cases[] = {  // nullptr: refused
      {{"--amplitude", "7.5"}, [](TChainSettings& c) { c.generator.amplitudeV = 7.5; }},
      {{"--amplitude", "10"}, [](TChainSettings& c) { c.generator.amplitudeV = 10; }},
      {{"--frequency", "0.1"}, [](TChainSettings& c) { c.generator.frequencyMHz = 0.1; }},
      {{"--offset", "-5"}, [](TChainSettings& c) { c.generator.offsetV = -5; }},
      {{"--noise", "1e3"}, [](TChainSettings& c) { c.imperfections.noiseMv = 1000; }},
      {{"--jitter", "2.5"}, [](TChainSettings& c) { c.imperfections.jitterPs = 2.5; }},
      {{"--offset-error", "-100"}, [](TChainSettings& c) { c.imperfections.offsetErrorLsb = -100; }},
      {{"--gain-error", "20"}, [](TChainSettings& c) { c.imperfections.gainErrorPercent = 20; }},
      {{"--inl", "-16"}, [](TChainSettings& c) { c.imperfections.inlLsb = -16; }},
      {{"--dnl", "2"}, [](TChainSettings& c) { c.imperfections.dnlLsb = 2; }},
      {{"--dither", "rect"}, [](TChainSettings& c) { c.dither.kind = TDitherKind::dkRectangular; }},
      {{"--dither", "tri", "--subtract-dither"},
       [](TChainSettings& c) { c.dither = {TDitherKind::dkTriangular, true}; }},
      {{"--seed", "2147483647"}, [](TChainSettings& c) { c.seed = 2147483647; }},
      {{"--seed", "0"}, [](TChainSettings& c) { c.seed = 0; }},
      {{"--amplitude", "10.01"}, nullptr}, {{"--amplitude", "5V"}, nullptr}, {{"--frequency", "0"}, nullptr},
      {{"--offset", "5.5"}, nullptr},      {{"--noise", "-1"}, nullptr},     {{"--jitter", "5001"}, nullptr},
      {{"--offset-error", "101"}, nullptr}, {{"--gain-error", "nan"}, nullptr}, {{"--inl", "inf"}, nullptr},
      {{"--dnl", " 1"}, nullptr},          {{"--dither", "triangular"}, nullptr}, {{"--seed", "2147483648"}, nullptr},
      {{"--seed", "1.5"}, nullptr},        {{"--seed", "-1"}, nullptr},
  };
  for (const auto& c : cases) {
    const TCommandLine parsed = Parse(c.args);
    SCOPED_TRACE(testing::Message() << c.args[0] << ' ' << c.args[1] << ": " << parsed.errorMessage);
    if (!c.change) {
      EXPECT_EQ(parsed.action, TProgramAction::paFail);
      const std::string named = std::string("'").append(c.args[1]).append("' for ").append(c.args[0]);
      EXPECT_NE(parsed.errorMessage.find(named), std::string::npos);
      continue;
    }
    TChainSettings expected, handed;
    c.change(expected);
    ApplyGivenChain(parsed.given.chain, handed);
    EXPECT_EQ(parsed.action, TProgramAction::paRunWindow);
    EXPECT_EQ(parsed.settings.chain, expected);
    EXPECT_EQ(handed, expected);
  }
}

TEST(CommandLineTest, ReconstructionByNameIsHandedOverAsGiven) {
  const std::pair<std::string_view, TReconstruction> cases[] = {{"hold", TReconstruction::rcHold},
                                                                {"linear", TReconstruction::rcLinear},
                                                                {"sinc", TReconstruction::rcBandLimited},
                                                                {"filter", TReconstruction::rcFilter}};
  for (const auto& [name, kind] : cases) {
    const TCommandLine parsed = Parse({"--stats", "--reconstruction", name});
    EXPECT_EQ(parsed.options.reconstruction, kind) << name;
    EXPECT_EQ(parsed.given.reconstruction, kind) << name;
  }
  EXPECT_FALSE(Parse({}).given.reconstruction);
}

TEST(CommandLineTest, MessagesQuoteWhatATerminalWouldObey) {
  const struct {
    std::string_view text, quoted;
  } cases[] = {
      {"plain name.csv", "'plain name.csv'"},
      {"a\nb\tc\rd", "'a\\nb\\tc\\rd'"},
      {"it's a\\b", "'it\\'s a\\\\b'"},
      {std::string_view("\0\x1b\x7f", 3), "'\\x00\\x1b\\x7f'"},
      {"Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac \xf0\x9f\x98\x80", "'Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac \xf0\x9f\x98\x80'"},
      {"\xc2\x9b" "31m", "'\\xc2\\x9b31m'"},      // C1 control (CSI)
      {"bad\xff.png", "'bad\\xff.png'"},           // not UTF-8
      {"\xc3", "'\\xc3'"},                         // cut short
      {"\xc0\xaf", "'\\xc0\\xaf'"},               // overlong '/'
      {"\xed\xa0\x80", "'\\xed\\xa0\\x80'"},     // a surrogate
      {"\xf4\x90\x80\x80", "'\\xf4\\x90\\x80\\x80'"},  // above U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedForMessage(c.text), c.quoted) << c.quoted;
}

}  // namespace
}  // namespace quantora
