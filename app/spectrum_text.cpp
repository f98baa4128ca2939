#include "app/spectrum_text.h"

#include <cmath>

#include "app/chain_text.h"
#include "app/number_text.h"
#include "app/series_csv.h"
#include "spectrum/analog_components.h"

namespace quantora {
namespace {

std::string Optional(const std::optional<double>& db) { return db ? DecibelText(*db) : "\u2014"; }

// Sampled every T ns, a sine of f MHz advances by T f / 1000 of a period from
// one sample to the next: the phases repeat after the least m samples that
// advance it by whole periods (250 / gcd(250, T) for the 4 MHz sine). None
// within the record: `samples`, every phase new.
std::size_t SamplePhases(int interval, double frequencyMHz, std::size_t samples) {
  const double periodsPerSample = std::max(interval, 1) * frequencyMHz / 1000.0;
  for (std::size_t m = 1; m < samples; ++m) {
    const double periods = double(m) * periodsPerSample;
    if (std::fabs(periods - std::round(periods)) <= 1e-9 * std::max(1.0, periods)) return m;
  }
  return samples;
}

// Whether the sine's quantization error repeats with it, from the phases it meets.
TTooltipLine PhasesLine(std::size_t phases, std::size_t samples) {
  if (phases < samples)
    return {"The sine meets only <%1%> different sample phases and then repeats them, so its quantization error is no "
            "noise: it repeats with the signal and lands on the harmonics, which is why the measured values can stray "
            "from the rule.",
            {std::to_string(phases)}};
  return {"The samples meet the sine at ever new phases, so the error is close to noise and the measured values come "
          "near the rule.",
          {}};
}

void AppendRow(std::string& out, double mhz, const double* sampled, const double* analog) {
  out += ExactNumberText(mhz);
  out += ',';
  if (sampled) out += ExactNumberText(*sampled);
  out += ',';
  if (analog) out += ExactNumberText(*analog);
  out += '\n';
}

// Why the sine's record cannot measure our figures.
TTooltipLine UnmeasurableLine(const TSpectrumResult& s, double sineMHz) {
  const std::string sine = ExactNumberText(sineMHz);
  switch (s.measurability) {
    case TMeasurability::mbNoSignal:
      // Folded onto DC the samples meet the sine at one phase, its first: 0.
      if (AliasFrequency(sineMHz, s.samplingMHz) < s.nyquistMHz / 2)
        return {"Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the <%1%> MHz sine folds onto DC, so every "
                "sample meets it at the same phase, on a zero crossing, and the samples hold no sine. The staircase "
                "shows only the sign of each sample's rounding residue: the level half a step above or below 0 V.",
                {sine}};
      return {"Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the <%1%> MHz sine folds onto fs/2, so every "
              "sample falls on a zero crossing and the samples hold no sine. The staircase shows only the sign of "
              "each sample's rounding residue: the level half a step above or below 0 V.",
              {sine}};
    case TMeasurability::mbTooFewSamples:
      return {"Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: the record ends inside a period and holds only "
              "<%1%> samples; beside the lines of DC, the fundamental and its harmonics that leaves too few bins to "
              "measure the noise (that needs <%2%> samples).",
              {std::to_string(s.samples), std::to_string(kLeastCutSamples)}};
    case TMeasurability::mbLinesMerge:
    case TMeasurability::mbMeasurable:  // with no figures all the same: a sine too weak to count
      break;
  }
  return {"Sine: SNR, SINAD, SFDR and ENOB \u2014, not measurable: <%1%> samples give too few bins, so the "
          "fundamental's line, <%2%> bins wide, runs into the line of DC or into its own mirror image at fs/2.",
          {std::to_string(s.samples), std::to_string(2 * LineHalfWidth(s.window.kind))}};
}

// Why the staircase needs its filter, and what the filter leaves of the images.
std::vector<TTooltipLine> HeldImageLines(const THeldImages& held) {
  std::vector<TTooltipLine> lines = {
      {"Purple: the images the held staircase puts above fs/2, around k fs +- f, under the hold's sin(x)/x (dashed, "
       "drawn from the strongest line): a staircase is no band-limited signal. Teal, dotted: the reconstruction "
       "filter, a 4th-order Butterworth with its corner at fs/2.",
       {}}};
  if (held.strongest && held.leftByFilter && held.strongest->levelDbfs > kFloorDbfs)
    lines.push_back({"The strongest image stands at <%1%> dBFS (<%2%> MHz); the filter leaves the images at most "
                     "<%3%> dBFS (<%4%> MHz).",
                     {FixedText(held.strongest->levelDbfs, 1), FixedText(held.strongest->frequencyMHz, 2),
                      FixedText(held.leftByFilter->levelDbfs, 1), FixedText(held.leftByFilter->frequencyMHz, 2)}});
  return lines;
}

}  // namespace

std::string ConverterStatsText(TSignalForm form, const TSpectrumResult& spectrum) {
  if (form != TSignalForm::sfSine) return {};
  const double none = std::nan("");
  const std::optional<TConverterFigures>& f = spectrum.figures;
  const std::optional<TFitFigures>& fit = spectrum.fitFigures;
  const std::pair<const char*, double> lines[] = {
      {"snr_dB", f ? f->snrDb.value_or(none) : none},
      {"sinad_dB", f ? f->sinadDb : none},
      {"sfdr_dB", f ? f->sfdrDb.value_or(none) : none},
      {"enob_bits", f ? f->enobBits : none},
      {"sinad_fit_dB", fit ? fit->sinadDb : none},
      {"enob_fit_bits", fit ? fit->enobBits : none},
  };
  std::string text;
  for (const auto& [name, value] : lines) text += std::string(name) + " " + ExactNumberText(value) + "\n";
  return text;
}

std::string SpectrumCsv(const TSpectrumResult& s) {
  std::string out = "frequency_MHz,sampled_dBFS,analog_dBFS\n";
  std::size_t i = 0, j = 0;
  const std::size_t sampledBins = s.sampled.dbfs.size();
  const std::size_t analogBins = std::min(s.analog.dbfs.size(), std::size_t(s.bandMHz / s.analogBinMHz) + 1);
  // Both lists rise; a frequency in both (whole periods put the sampled bins
  // on whole MHz) is one row.
  while (i < sampledBins || j < analogBins) {
    const double fs = i < sampledBins ? double(i) * s.sampledBinMHz : INFINITY;
    const double fa = j < analogBins ? double(j) * s.analogBinMHz : INFINITY;
    const bool same = std::fabs(fs - fa) <= 1e-9 * std::max(1.0, fa);
    if (same || fs < fa) {
      AppendRow(out, fs, &s.sampled.dbfs[i++], same ? &s.analog.dbfs[j++] : nullptr);
    } else {
      AppendRow(out, fa, nullptr, &s.analog.dbfs[j++]);
    }
  }
  return out;
}

std::string SettingSpectrumCsv(const TSimulationSettings& settings) {
  TSpectrumEngine engine;
  TSpectrumResult spectrum;
  engine.Compute(settings, spectrum);
  return SpectrumCsv(spectrum);
}

bool ExportSpectrumCsv(const TSimulationSettings& settings, const std::string& path, std::string& error) {
  return WriteExport(SettingSpectrumCsv(settings), path, error);
}

std::vector<TTooltipLine> SpectrumReportLines(const TSimulationSettings& settings, const TSpectrumResult& s,
                                              const TQuantizationFigures& timeDomain) {
  const TSignalForm form = settings.form;
  const double sineMHz = settings.chain.generator.frequencyMHz;
  std::vector<TTooltipLine> lines = {
      {"Sampling at <%1%> MHz: <%2%> samples, bins <%3%> MHz apart; fs/2 = <%4%> MHz (red line).",
       {FixedText(s.samplingMHz, 2), std::to_string(s.samples), FixedText(s.sampledBinMHz, 3), FixedText(s.nyquistMHz, 2)}},
      {"Blue: the sampled, held and quantized values up to fs/2. Green: the analog signal up to <%1%> MHz. "
       "Dashed: where a component above fs/2 lands, at |f - k fs|.",
       {FixedText(s.bandMHz, 1)}},
  };
  const std::vector<TTooltipLine> images = HeldImageLines(s.held);
  lines.insert(lines.end(), images.begin(), images.end());
  switch (s.window.reason) {
    case TWindowReason::wrWholePeriods:
      lines.push_back({"No window: the <%1%> samples hold whole periods of the signal, so every component falls "
                       "on one bin and nothing leaks.",
                       {std::to_string(s.samples)}});
      break;
    case TWindowReason::wrWholeEvent:
      lines.push_back({"No window: the record holds the whole pulse or chirp, so nothing outside it can leak in.", {}});
      break;
    case TWindowReason::wrCutPeriods:
      lines.push_back({"Hann window: the record ends inside a period, and without a window the strong lines would "
                       "leak over the noise floor; the price is lines 4 bins wide.",
                       {}});
      break;
  }
  if (form != TSignalForm::sfSine) {
    lines.push_back({"The converter figures need a sine test signal: choose the sine to see SNR, SINAD, SFDR and ENOB.", {}});
    return lines;
  }
  const double ruleEnob = (timeDomain.sqnrRuleDb - 1.76) / 6.02;
  if (s.figures) {
    const TConverterFigures& f = *s.figures;
    lines.push_back({"Sine: fundamental <%1%> MHz at <%2%> dBFS; SNR <%3%>, SINAD <%4%>, SFDR <%5%>, ENOB <%6%> bit, "
                     "measured against the exact input samples.",
                     {FixedText(f.fundamentalMHz, 2), FixedText(f.fundamentalDbfs, 2), Optional(f.snrDb),
                      DecibelText(f.sinadDb), Optional(f.sfdrDb), FixedText(f.enobBits, 2)}});
  } else {
    lines.push_back(UnmeasurableLine(s, sineMHz));
  }
  if (s.fitFigures)
    lines.push_back({"As the standard defines them, from a sine fitted to the output alone: SINAD <%1%>, ENOB <%2%> bit.",
                     {DecibelText(s.fitFigures->sinadDb), FixedText(s.fitFigures->enobBits, 2)}});
  else
    lines.push_back({"As the standard defines them, from a sine fitted to the output alone: SINAD and ENOB \u2014, not "
                     "measurable: the record has too few samples for the fit, or no sine in it.",
                     {}});
  if (timeDomain.ruleAmplitudeV == kRuleSineAmplitude)
    lines.push_back({"Rule 6.02 n + 1.76 dB, corrected for the 4.8 V sine: <%1%> (ENOB <%2%> bit); SQNR in the time "
                     "domain (--stats): <%3%>.",
                     {DecibelText(timeDomain.sqnrRuleDb), FixedText(ruleEnob, 2), DecibelText(timeDomain.sqnrMeasuredDb)}});
  else
    lines.push_back({"Rule 6.02 n + 1.76 dB, corrected for a sine of <%1%> V: <%2%> (ENOB <%3%> bit); SQNR in the "
                     "time domain (--stats): <%4%>.",
                     {FixedText(timeDomain.ruleAmplitudeV, 2), DecibelText(timeDomain.sqnrRuleDb), FixedText(ruleEnob, 2),
                      DecibelText(timeDomain.sqnrMeasuredDb)}});
  const std::vector<TTooltipLine> chain = ChainSpectrumLines(settings);
  lines.insert(lines.end(), chain.begin(), chain.end());
  if (!s.figures) return lines;
  // Noise, jitter and dither give every sample an error of its own: then the
  // phases no longer decide whether the error repeats.
  const TChainSettings& c = settings.chain;
  const bool drawnPerSample =
      c.imperfections.noiseMv > 0 || c.imperfections.jitterPs > 0 || c.dither.kind != TDitherKind::dkNone;
  if (!drawnPerSample) lines.push_back(PhasesLine(SamplePhases(settings.interval, sineMHz, s.samples), s.samples));
  lines.push_back({"Why the two differ: the fitted sine takes in the part of the error that lies at the signal's own "
                   "frequency, which then counts as signal; measured against the exact input it counts as error.",
                   {}});
  return lines;
}

}  // namespace quantora
