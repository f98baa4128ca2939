#pragma once
// The setting's sound as a WAV file: --export-wav.

#include <optional>
#include <string>

#include "app/simulation_settings.h"
#include "reconstruction/reconstruction_kind.h"
#include "sound/sound_clip.h"

namespace quantora {

// The four seconds (or the one half `only`) as 16-bit PCM mono at 48 kHz,
// written to `path` ("-" is standard output) through WriteExport: false with
// a one-line message in `error`, an old file of that name kept.
bool ExportSoundWav(const TSimulationSettings& settings, TReconstruction kind, std::optional<TSoundPart> only,
                    const std::string& path, std::string& error);

}  // namespace quantora
