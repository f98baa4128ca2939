// Writes the manual page quantora.1 from the option table that --help prints,
// so that the two cannot drift apart:  quantora_manpage OUT.1
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "app/program_help.h"

namespace {

// Text for roff: hyphens as minus signs (options are typed), backslashes
// escaped, and a line never starting with a control character.
std::string Roff(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.1\n", argv[0]);
    return 2;
  }
  const quantora::THelp help = quantora::ProgramHelp();
  std::string page;
  page += ".TH QUANTORA 1 \"\" \"Quantora Lab " + std::string(quantora::kProgramVersion) + "\" \"User Commands\"\n";
  page += ".SH NAME\nquantora \\- " + Roff(help.summary) + "\n";
  page += ".SH SYNOPSIS\n.B quantora\n[\\fIOPTION\\fR]...\n";
  page += ".SH DESCRIPTION\n" + Roff(help.description) + "\n";
  page += ".SH OPTIONS\n";
  for (const quantora::TOptionHelp& option : help.options) {
    page += ".TP\n.B " + Roff(option.option);
    if (!option.argument.empty()) page += " \\fI" + Roff(option.argument) + "\\fR";
    page += '\n';  // appended piece by piece: GCC 12 warns falsely on "\n" + string
    page += Roff(option.text);
    page += '\n';
  }
  std::string_view closing = help.closing;
  for (std::size_t end; (end = closing.find('\n')) != std::string_view::npos || !closing.empty();) {
    if (end == std::string_view::npos) end = closing.size();
    page += ".PP\n" + Roff(closing.substr(0, end)) + "\n";
    closing.remove_prefix(std::min(closing.size(), end + 1));
  }
  page += ".SH EXIT STATUS\n" + Roff(help.exitStatus) + "\n";
  page += ".SH FILES\n" + Roff(help.files) + "\n";
  page += ".SH SEE ALSO\n" + Roff(help.homePage) + "\n";

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << page;
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
