#include "app/series_csv.h"

#include <array>
#include <charconv>
#include <memory>

#include "app/file_replace.h"
#include "app/message_text.h"

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

// The header, then one row per point i = 1 .. points from `row(i)`.
template <typename Row>
std::string CsvText(int points, Row row) {
  std::string out = "i,t_ns,analog_V,sampled_V,error_V\n";
  out.reserve(std::size_t(points) * 96);
  for (int i = 1; i <= points; ++i) {
    out += std::to_string(i);
    for (double value : row(i)) {
      out += ',';
      AppendNumber(out, value);
    }
    out += '\n';
  }
  return out;
}

}  // namespace

std::string SeriesCsv(const TSimulationResult& result) {
  return CsvText(NumPoints, [&](int i) {
    return std::array{GridTime(i), result.Analog[i - 1], result.Sampled[i - 1], result.Error[i - 1]};
  });
}

std::string SeriesCsv(const TWindowResult& result) {
  return CsvText(int(result.Time.size()), [&](int i) {
    const auto k = std::size_t(i - 1);
    return std::array{result.Time[k], result.Analog[k], result.Sampled[k], result.Error[k]};
  });
}

std::string SettingCsv(const TSimulationSettings& settings, const TTimeWindow& window) {
  if (window == TTimeWindow{}) {
    // About 48 KiB of series: kept off the stack of the caller.
    auto result = std::make_unique<TSimulationResult>();
    ComputeSeries(settings, TimeAxisEnd, *result);
    return SeriesCsv(*result);
  }
  TWindowResult result;
  ComputeSeriesOver(settings, TimeAxisEnd, window, result);
  return SeriesCsv(result);
}

bool ExportSeriesCsv(const TSimulationSettings& settings, const TTimeWindow& window, const std::string& path,
                     std::string& error) {
  return WriteExport(SettingCsv(settings, window), path, error);
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
