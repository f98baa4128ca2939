#include "app/series_csv.h"

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

}  // namespace

std::string SeriesCsv(const TSimulationResult& result) {
  std::string out = "i,t_ns,analog_V,sampled_V,error_V\n";
  out.reserve(NumPoints * 96);
  for (int i = 1; i <= NumPoints; ++i) {
    out += std::to_string(i);
    for (double value : {GridTime(i), result.Analog[i - 1], result.Sampled[i - 1],
                         result.Error[i - 1]}) {
      out += ',';
      AppendNumber(out, value);
    }
    out += '\n';
  }
  return out;
}

bool ExportSeriesCsv(const TSimulationSettings& settings, const std::string& path,
                     std::string& error) {
  // About 48 KiB of series: kept off the stack of the caller.
  auto result = std::make_unique<TSimulationResult>();
  ComputeSeries(settings.form, settings.interval, settings.bits, TimeAxisEnd, *result);
  return WriteExport(SeriesCsv(*result), path, error);
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
