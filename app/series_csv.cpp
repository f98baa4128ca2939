#include "app/series_csv.h"

#include <array>
#include <charconv>
#include <memory>

#include "app/file_replace.h"
#include "app/message_text.h"
#include "reconstruction/reconstructed_series.h"

namespace quantora {
namespace {

constexpr int kSignificantDigits = 17;

void AppendNumber(std::string& out, double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                    kSignificantDigits);
  out.append(buffer, result.ptr);
}

// The header, then one row per point i = 1 .. points from `row(i)`, and the
// reconstruction's value last when there is one.
template <typename Row>
std::string CsvText(int points, Row row, const std::vector<double>* reconstructed) {
  std::string out = reconstructed ? "i,t_ns,analog_V,sampled_V,error_V,reconstructed_V\n"
                                  : "i,t_ns,analog_V,sampled_V,error_V\n";
  out.reserve(std::size_t(points) * (reconstructed ? 120 : 96));
  for (int i = 1; i <= points; ++i) {
    out += std::to_string(i);
    for (double value : row(i)) {
      out += ',';
      AppendNumber(out, value);
    }
    if (reconstructed) {
      out += ',';
      AppendNumber(out, (*reconstructed)[std::size_t(i - 1)]);
    }
    out += '\n';
  }
  return out;
}

}  // namespace

std::string SeriesCsv(const TSimulationResult& result, const std::vector<double>* reconstructed) {
  return CsvText(
      NumPoints,
      [&](int i) { return std::array{GridTime(i), result.Analog[i - 1], result.Sampled[i - 1], result.Error[i - 1]}; },
      reconstructed);
}

std::string SeriesCsv(const TWindowResult& result, const std::vector<double>* reconstructed) {
  return CsvText(
      int(result.Time.size()),
      [&](int i) {
        const auto k = std::size_t(i - 1);
        return std::array{result.Time[k], result.Analog[k], result.Sampled[k], result.Error[k]};
      },
      reconstructed);
}

std::string SettingCsv(const TSimulationSettings& settings, const TTimeWindow& window,
                       TReconstruction reconstruction) {
  const bool hold = reconstruction == TReconstruction::rcHold;
  if (window == TTimeWindow{}) {
    // About 48 KiB of series: kept off the stack of the caller.
    auto result = std::make_unique<TSimulationResult>();
    ComputeSeries(settings, TimeAxisEnd, *result);
    if (hold) return SeriesCsv(*result);
    const std::vector<double> output = ReconstructedSeries(reconstruction, settings, TimeAxisEnd, *result).output;
    return SeriesCsv(*result, &output);
  }
  TWindowResult result;
  ComputeSeriesOver(settings, TimeAxisEnd, window, result);
  if (hold) return SeriesCsv(result);
  const std::vector<double> output = ReconstructedOnGrid(reconstruction, settings, TimeAxisEnd, result);
  return SeriesCsv(result, &output);
}

bool ExportSeriesCsv(const TSimulationSettings& settings, const TTimeWindow& window, const std::string& path,
                     std::string& error, TReconstruction reconstruction) {
  return WriteExport(SettingCsv(settings, window, reconstruction), path, error);
}

bool WriteExport(const std::string& text, const std::string& path, std::string& error) {
  if (path == "-") {
    std::string reason;
    if (WriteStandardOutput(text, reason)) return true;
    error = "quantora: cannot write to standard output: " + reason;
    return false;
  }

  std::string reason;
  if (WriteFileReplacing(path, text, reason)) return true;
  error = "quantora: cannot write " + QuotedForMessage(path) + ": " + reason;
  return false;
}

}  // namespace quantora
