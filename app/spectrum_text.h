#pragma once
// The spectrum of a setting as text: the converter figures for --stats, the
// spectra as a CSV table and its export, and the lines the spectrum window shows.

#include <string>
#include <vector>

#include "app/quantization_text.h"
#include "app/simulation_settings.h"
#include "spectrum/spectrum_engine.h"

namespace quantora {

// For the sine, four more --stats lines: snr_dB, sinad_dB, sfdr_dB, enob_bits
// ("nan" where the record cannot show it, "inf" without noise or spur). Other
// waveforms are no converter test: nothing.
std::string ConverterStatsText(TSignalForm form, const TSpectrumResult& spectrum);

// "frequency_MHz,sampled_dBFS,analog_dBFS", then one row per frequency at which
// either spectrum has a bin, rising: the sampled one up to fs/2, the analog one
// up to the band shown. A field is empty where that spectrum has no bin.
std::string SpectrumCsv(const TSpectrumResult& spectrum);

// The spectrum of `settings` as that CSV table.
std::string SettingSpectrumCsv(const TSimulationSettings& settings);

// Computes the spectrum of `settings` and writes its CSV table to `path` ("-"
// is standard output), as the series export does.
bool ExportSpectrumCsv(const TSimulationSettings& settings, const std::string& path, std::string& error);

// The spectrum window's explanation, line by line (keys with parameters, as the
// resolution's tooltip): sampling, what the colours show, the held staircase's
// images and what the filter leaves of them, the window used and
// why, and for the sine the figures beside the rule and the time-domain SQNR,
// with what the chain's jitter and dither do to them.
std::vector<TTooltipLine> SpectrumReportLines(const TSimulationSettings& settings, const TSpectrumResult& spectrum,
                                              const TQuantizationFigures& timeDomain);

}  // namespace quantora
