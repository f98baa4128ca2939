#include "sound/wav_file.h"

namespace quantora {
namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string WavFileBytes(std::span<const std::int16_t> samples, int sampleRate) {
  constexpr std::uint32_t kBytesPerSample = 2, kChannels = 1, kPcmFormat = 1, kFmtSize = 16;
  const auto dataBytes = std::uint32_t(samples.size() * kBytesPerSample);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutLittleEndian(out, 4 + (8 + kFmtSize) + (8 + dataBytes), 4);  // everything after this field
  out += "WAVEfmt ";
  PutLittleEndian(out, kFmtSize, 4);
  PutLittleEndian(out, kPcmFormat, 2);
  PutLittleEndian(out, kChannels, 2);
  PutLittleEndian(out, std::uint32_t(sampleRate), 4);
  PutLittleEndian(out, std::uint32_t(sampleRate) * kChannels * kBytesPerSample, 4);  // bytes per second
  PutLittleEndian(out, kChannels * kBytesPerSample, 2);                               // bytes per frame
  PutLittleEndian(out, 8 * kBytesPerSample, 2);                                       // bits per sample
  out += "data";
  PutLittleEndian(out, dataBytes, 4);
  for (const std::int16_t sample : samples) PutLittleEndian(out, std::uint16_t(sample), 2);
  return out;
}

}  // namespace quantora
