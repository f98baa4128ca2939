#pragma once
// The sound of a setting: two seconds of the analog signal, then two seconds
// of the converter's output as the chosen reconstruction returns it, both
// slowed down by the same factor (sound_timeline.h).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/chain_settings.h"
#include "reconstruction/reconstruction_kind.h"

namespace quantora {

enum class TSoundPart {
  spAnalog,  // the generator's signal
  spOutput,  // the converter's samples, reconstructed
};

// "analog" or "output"; anything else gives none.
std::optional<TSoundPart> ParseSoundPart(std::string_view text);

// One part in volts, kSoundPartSamples values. A signal that repeats keeps the
// sampling instants n T running over the whole slowed stretch (they need not
// meet the period), so it repeats without a seam at any interval and
// generator frequency; its output starts kSincHalfWidth instants in, where
// every reconstruction has samples on both sides and the filter has settled.
// The pulse and the chirp play their record once, the chart's own samples
// and reconstruction, then a second of silence. Each played stretch fades in
// and out over 5 ms.
std::vector<double> SoundPartVolts(const TSimulationSettings& settings, TReconstruction kind, TSoundPart part);

// Both parts, analog first, or only `only`, as 16-bit samples at kSoundRate.
std::vector<std::int16_t> SoundSamples(const TSimulationSettings& settings, TReconstruction kind,
                                       std::optional<TSoundPart> only = std::nullopt);

}  // namespace quantora
