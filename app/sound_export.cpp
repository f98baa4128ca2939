#include "app/sound_export.h"

#include "app/series_csv.h"
#include "sound/sound_timeline.h"
#include "sound/wav_file.h"

namespace quantora {

bool ExportSoundWav(const TSimulationSettings& settings, TReconstruction kind, std::optional<TSoundPart> only,
                    const std::string& path, std::string& error) {
  return WriteExport(WavFileBytes(SoundSamples(settings, kind, only), kSoundRate), path, error);
}

}  // namespace quantora
