#pragma once
// A WAV file of 16-bit PCM mono sound, as every player reads it.

#include <cstdint>
#include <span>
#include <string>

namespace quantora {

// The whole file: the RIFF header with its "fmt " and "data" chunks, then the
// samples, every number little-endian whatever the machine.
std::string WavFileBytes(std::span<const std::int16_t> samples, int sampleRate);

}  // namespace quantora
