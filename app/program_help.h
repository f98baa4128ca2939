#pragma once
// What the program says about itself: the option table that --help prints and
// from which the build writes the manual page, so that the two cannot drift.

#include <string>
#include <string_view>
#include <vector>

namespace quantora {

inline constexpr std::string_view kProgramVersion = "1.0";

// One option: "--bits" with argument "N" and its description, one paragraph.
struct TOptionHelp {
  std::string option;
  std::string argument;  // empty for an option without a value
  std::string text;
};

struct THelp {
  std::string summary;      // one line: what the program is
  std::string description;  // what it does without options
  std::vector<TOptionHelp> options;  // in the order --help lists them
  std::string closing;      // rules that hold for every option; paragraphs separated by "\n"
  std::string exitStatus;   // the exit codes
  std::string files;        // the data files and where they are found
  std::string homePage;     // the project's web address
};

THelp ProgramHelp();

// "1 .. 200": a range of whole numbers as help and messages write it.
std::string RangeText(int low, int high);

// The text --help prints: usage, description, the options with their text
// wrapped at 80 columns, and the closing paragraph; ends with a newline.
std::string HelpText();

}  // namespace quantora
