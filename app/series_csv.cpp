#include "app/series_csv.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace quantora {
namespace {

// The upper end of the analog chart's time axis, which bounds the instants.
constexpr double kTimeAxisEnd = 1000.0;
constexpr int kSignificantDigits = 17;

void AppendNumber(std::string& out, double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                    kSignificantDigits);
  out.append(buffer, result.ptr);
}

bool WriteAll(std::FILE* stream, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
         std::fflush(stream) == 0;
}

std::string SystemReason() { return std::strerror(errno); }

// Takes back a file left half-written. Only a regular file: the path may name a
// device such as /dev/full, which must never be removed.
void RemovePartialFile(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_regular_file(path, ignored)) std::filesystem::remove(path, ignored);
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
  ComputeSeries(settings.form, settings.interval, settings.bits, kTimeAxisEnd, *result);
  const std::string text = SeriesCsv(*result);

  if (path == "-") {
    if (WriteAll(stdout, text)) return true;
    error = "quantora: cannot write to standard output: " + SystemReason();
    return false;
  }

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    error = "quantora: cannot open '" + path + "' for writing: " + SystemReason();
    return false;
  }
  const bool written = WriteAll(file, text);
  const std::string reason = written ? std::string() : SystemReason();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  RemovePartialFile(path);
  error = "quantora: cannot write '" + path + "': " + (reason.empty() ? SystemReason() : reason);
  return false;
}

}  // namespace quantora
