#include "sound/sound_clip.h"

#include <algorithm>
#include <span>

#include "model/signal_chain.h"
#include "model/simulation.h"
#include "reconstruction/reconstruct.h"
#include "reconstruction/sample_record.h"
#include "sound/pcm_levels.h"
#include "sound/sound_timeline.h"
#include "sound/windowed_sinc.h"

namespace quantora {
namespace {

std::vector<double> AnalogVolts(const TSimulationSettings& settings, std::span<const double> times) {
  const TSignalChain chain(settings);
  std::vector<double> volts(times.size());
  for (std::size_t k = 0; k < times.size(); ++k) volts[k] = chain.Analog(times[k]);
  return volts;
}

// The pulse and the chirp: the record the charts show, reconstructed as there.
// A repeating signal: the samples up to beyond the last time, the sinc sum
// over a window of them (the whole sum over seconds of samples is too slow).
std::vector<double> OutputVolts(const TSimulationSettings& settings, TReconstruction kind,
                                std::span<const double> times) {
  if (PlaysOnce(settings.form)) return Reconstruct(kind, OutputRecord(settings, kRecordNs), times);
  const double interval = std::max(settings.interval, 1);
  const double endNs = (times.empty() ? 0.0 : times.back()) + (kSincHalfWidth + 1) * interval;
  const TSampleRecord record = OutputRecord(settings, endNs);
  return kind == TReconstruction::rcBandLimited ? WindowedSincReconstruction(record, times)
                                                : Reconstruct(kind, record, times);
}

}  // namespace

std::optional<TSoundPart> ParseSoundPart(std::string_view text) {
  if (text == "analog") return TSoundPart::spAnalog;
  if (text == "output") return TSoundPart::spOutput;
  return std::nullopt;
}

std::vector<double> SoundPartVolts(const TSimulationSettings& settings, TReconstruction kind, TSoundPart part) {
  const double lead = part == TSoundPart::spOutput ? kSincHalfWidth * double(std::max(settings.interval, 1)) : 0.0;
  const TSoundTimeline timeline = PartTimeline(settings.form, lead);
  const std::vector<double> times = PlayedTimes(timeline);
  std::vector<double> volts =
      part == TSoundPart::spAnalog ? AnalogVolts(settings, times) : OutputVolts(settings, kind, times);
  FadeEnds(volts);
  volts.resize(kSoundPartSamples, 0.0);  // silence after a single pass
  return volts;
}

std::vector<std::int16_t> SoundSamples(const TSimulationSettings& settings, TReconstruction kind,
                                       std::optional<TSoundPart> only) {
  std::vector<double> volts;
  for (const TSoundPart part : {TSoundPart::spAnalog, TSoundPart::spOutput}) {
    if (only && *only != part) continue;
    const std::vector<double> partVolts = SoundPartVolts(settings, kind, part);
    volts.insert(volts.end(), partVolts.begin(), partVolts.end());
  }
  return ToPcm16(volts);
}

}  // namespace quantora
