#include "sound/sound_timeline.h"

#include "model/simulation.h"

namespace quantora {

double NsPerSoundSecond(TSignalForm form) { return PlaysOnce(form) ? kRecordNs / kOnceSeconds : 1e9 / kSlowDown; }

bool PlaysOnce(TSignalForm form) { return form == TSignalForm::sfSinc || form == TSignalForm::sfChirp; }

TSoundTimeline PartTimeline(TSignalForm form, double startNs) {
  TSoundTimeline timeline;
  timeline.nsPerSample = NsPerSoundSecond(form) / kSoundRate;
  if (PlaysOnce(form)) {
    timeline.played = kSoundRate * kOnceSeconds;  // the record, from its start
  } else {
    timeline.startNs = startNs;
    timeline.played = kSoundPartSamples;
  }
  return timeline;
}

std::vector<double> PlayedTimes(const TSoundTimeline& timeline) {
  std::vector<double> times(std::size_t(timeline.played));
  // Each time from its index, so that no rounding piles up over the part.
  for (int k = 0; k < timeline.played; ++k) times[std::size_t(k)] = timeline.startNs + k * timeline.nsPerSample;
  return times;
}

}  // namespace quantora
