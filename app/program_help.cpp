#include "app/program_help.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "app/chain_options.h"
#include "app/picture_scale.h"
#include "app/quantization_text.h"
#include "app/simulation_settings.h"

namespace quantora {
namespace {

constexpr std::size_t kLineWidth = 80;
constexpr std::size_t kTextColumn = 22;  // where an option's description starts

// `text` broken into lines of at most kLineWidth columns; the first line
// continues after `used` columns, the others start at column `indent`.
std::string Wrapped(const std::string& text, std::size_t used, std::size_t indent) {
  std::istringstream words(text);
  std::string out, word;
  std::size_t column = used;
  bool lineStart = true;
  while (words >> word) {
    if (!lineStart && column + 1 + word.size() > kLineWidth) {
      out += '\n' + std::string(indent, ' ');
      column = indent;
      lineStart = true;
    }
    if (!lineStart) out += ' ', ++column;
    out += word;
    column += word.size();
    lineStart = false;
  }
  return out + '\n';
}

}  // namespace

std::string RangeText(int low, int high) { return std::to_string(low) + " .. " + std::to_string(high); }

THelp ProgramHelp() {
  const TSimulationSettings defaults;
  THelp help;
  help.summary = "a simulation of analog-to-digital conversion";
  help.description =
      "Quantora Lab shows how a signal is discretized in time and in amplitude. Without an export "
      "option the window opens with the given starting values.";
  help.options = {
      {"--export-csv", "FILE",
       "write the simulated series as CSV to FILE (- for standard output) instead of opening the window"},
      {"--export-png", "FILE",
       "render the window at its design size to the picture FILE instead of opening it; the name's "
       "ending chooses the format (.png, .jpg, .bmp, ...; none: PNG)"},
      {"--scale", "K",
       "with --export-png: the picture at K times the window's size, K one of " + PictureScalesText() +
           " (default 1), drawn at that resolution for worksheets and slides"},
      {"--export-pdf", "FILE",
       "the window at its design size as a one-page PDF with vector curves and real text, instead of "
       "opening it"},
      {"--export-spectrum-csv", "FILE",
       "write the spectra of the setting as CSV to FILE (- for standard output): frequency_MHz, "
       "sampled_dBFS (the quantized samples, up to fs/2) and analog_dBFS (up to 2.5 fs), a field empty "
       "where that spectrum has no bin"},
      {"--export-linearity-csv", "FILE",
       "measure the converter's static linearity as a test bench does (the code-density test: a sine "
       "slightly past both ends of the range, 2^(bits+6) samples, at least 65536, through the input noise, "
       "dither and nonlinearity of the setting) and write it as CSV to FILE (- for standard output): code, "
       "dnl_set_LSB, inl_set_LSB, dnl_measured_LSB, inl_measured_LSB, one row per code; the end codes' DNL "
       "and code 0's INL are 0, the INL is against the line through the end transitions"},
      {"--export-wav", "FILE",
       "write the setting's sound as a WAV file (16-bit PCM mono, 48 kHz) to FILE (- for standard output): "
       "two seconds of the analog signal, then two of the converter's output, slowed down so that the 4 MHz "
       "sine sounds at 440 Hz (an alias sounds lower); the sinc pulse and the chirp play their record once, "
       "in one second, then a second of silence"},
      {"--wav-part", "analog|output", "with --export-wav: only that half of the sound, two seconds"},
      {"--stats", "",
       "print the quantization figures of the setting, one per line: step, largest and RMS "
       "quantization error (held value minus level), hold error (analog minus held value), RMS total "
       "error, measured SQNR (nan when the samples hold no signal, as at 125 ns) and the rule "
       "6.02 n + 1.76 dB corrected for the 4.8 V sine; for the sine also snr_dB, sinad_dB, sfdr_dB and "
       "enob_bits from its spectrum, measured against the exact samples (nan where the record is too "
       "short to part the lines of DC, the sine and fs/2, inf without noise or spur), and sinad_fit_dB "
       "and enob_fit_bits as the standard defines them, from a sine fitted to the output (nan where the "
       "record is too short for the fit). When the signal chain is not the ideal converter (an option from "
       "--amplitude to --dither set to other than its default), its settings come first, one per line: "
       "amplitude_V, frequency_MHz, offset_V, noise_mV, jitter_ps, offset_error_LSB, gain_error_percent, "
       "inl_LSB, dnl_LSB, dither, subtract_dither and seed. With --reconstruction other than hold two lines "
       "follow at the end: reconstruction NAME and reconstruction_error_rms_V, the RMS of the analog signal minus "
       "the reconstruction over the middle half of the record (250 to 750 ns), away from its ends, where every "
       "reconstruction lacks the samples beyond them"},
      {"--wave", "NAME", "sine (default), 3-term-sine, sawtooth, sinc or chirp"},
      {"--interval", "N",
       "sampling interval in ns, " + RangeText(MinInterval, MaxInterval) + " (default " +
           std::to_string(defaults.interval) + ")"},
      {"--bits", "N",
       "converter resolution in bits, " + RangeText(MinResolution, MaxResolution) + " (default " +
           std::to_string(defaults.bits) + ")"},
      {"--dither", "none|rect|tri",
       "dither added before the quantizer: none (default), rectangular (1 LSB peak to peak) or triangular "
       "(2 LSB)"},
      {"--subtract-dither", "", "take the known dither off the converter's output again"},
      {"--seed", "N",
       "seed of every random draw (noise, jitter, code widths, dither), " + RangeText(0, int(kMaxSeed)) +
           " (default " + std::to_string(defaults.chain.seed) + "): the same seed gives the same samples"},
      {"--samples", "on|off", "show the sampling points (default on)"},
      {"--sampled", "on|off", "show the sampled signal (default on)"},
      {"--error", "on|off", "show the quantization error (default off)"},
      {"--reconstruction", "hold|linear|sinc|filter",
       "how the sampled chart turns the samples back into a curve: hold, the staircase (default); linear, "
       "straight lines between the samples; sinc, the band-limited sum of a sinc pulse per sample; filter, the "
       "staircase through a 4th-order Butterworth low-pass with its corner at fs/2. Other than hold the curve is "
       "drawn over a grey copy of the analog signal, the error is the analog signal minus it, and --export-csv "
       "adds a column reconstructed_V"},
      {"--time-range", "FROM TO",
       "zoom both charts to the time range from FROM to TO ns (0 <= FROM < TO <= 1000), in the window and "
       "in --export-csv, --export-png and --export-pdf: the series are recomputed over that range (the CSV "
       "keeps its number of rows); not with --stats or --export-spectrum-csv, whose figures are of the "
       "whole record, nor with --export-linearity-csv, which has a test sine of its own, nor with "
       "--export-wav, whose sound runs for seconds (status 2)"},
      {"--lesson", "FILE",
       "start from the setting of the lesson FILE (.qlesson, see docs/lesson-format.md) before the window or any "
       "export opens; the options given beside it change that setting. A bad lesson gives one line naming the file "
       "and the field (status 2); fields this version does not know are named and ignored. A parameter ending "
       ".qlesson names the lesson as well"},
      {"--step", "N",
       "with --lesson: the lesson's setting with the changes of its steps 1 to N, so that a worksheet shows step N"},
      {"--language", "en|de",
       "use the English or German texts (default: the language last chosen in the charts' menu, else the table "
       "quantora.itl)"},
      {"--no-about", "",
       "open the window without the About dialog that otherwise comes up once at start (for scripts "
       "and tests)"},
      {"--help", "", "show this list and exit"},
  };
  // The signal chain's numbers after --bits, in the order of the chain.
  const auto chainAt = std::find_if(help.options.begin(), help.options.end(),
                                    [](const TOptionHelp& o) { return o.option == "--dither"; });
  TChainSettings chainDefaults = defaults.chain;
  std::vector<TOptionHelp> numbers;
  for (const TChainNumberOption& entry : ChainNumberOptions())
    numbers.push_back({std::string(entry.option), std::string(entry.unit),
                       std::string(entry.help) + " in " + std::string(entry.unit) + ", " +
                           SettingRangeText(entry.range) + " (default " +
                           ExactNumberText(entry.field(chainDefaults)) + ")" + std::string(entry.helpNote)});
  help.options.insert(chainAt, numbers.begin(), numbers.end());
  help.closing =
      "Beside a running window, a start hands its command line to that window and ends (status 0): the "
      "window takes the setting options given (--wave, --interval, --bits, the signal chain's from --amplitude "
      "to --seed, --samples, --sampled, --error, --reconstruction, --time-range, --language) as if the user had set them, keeps "
      "the others as they are, and comes to the front. "
      "Other arguments are the program's parameters. Exports, --stats and --help never show the About "
      "dialog, never meet a running window and run without a display.\n"
      "Each option may be given once, and only one of --export-csv, --export-png, --export-pdf, "
      "--export-spectrum-csv, --export-linearity-csv, --export-wav and --stats per run. "
      "An export replaces its file only when it was written completely.";
  help.exitStatus =
      "0 when all went well, 1 when a file or standard output could not be written, 2 for a bad "
      "argument (one line on standard error names it), 3 when the window has no display to open on.";
  help.files =
      "quantora.itl and quantora.de.itl, the English and German texts, and quantora.png, the window "
      "icon: beside the program, or else in ../share/quantora relative to the program's folder.";
  help.homePage = "https://www.quantora.org/lab/";
  return help;
}

std::string HelpText() {
  const THelp help = ProgramHelp();
  std::string text = "Usage: quantora [options]\n";
  text += Wrapped(help.description, 0, 0) + "\n";
  for (const TOptionHelp& option : help.options) {
    std::string head = "  " + option.option;
    if (!option.argument.empty()) head += ' ' + option.argument;
    if (head.size() + 1 > kTextColumn) head += '\n';  // the text starts on a line of its own
    head.resize(head.size() + 1 > kTextColumn ? head.size() + kTextColumn : kTextColumn, ' ');
    text += head + Wrapped(option.text, kTextColumn, kTextColumn);
  }
  std::istringstream paragraphs(help.closing);
  for (std::string paragraph; std::getline(paragraphs, paragraph);) {
    text += '\n';
    text += Wrapped(paragraph, 0, 0);
  }
  return text;
}

}  // namespace quantora
