#pragma once
// Where each sound sample falls on the simulation's time axis. Every setting is
// slowed down by one factor, the one that turns the 4 MHz sine into 440 Hz, so
// an alias is heard as a lower tone than the signal's. The pulse and the chirp
// are slowed further: their 1000 ns record lasts one second.

#include <cstdint>
#include <vector>

#include "model/signal_form.h"

namespace quantora {

inline constexpr int kSoundRate = 48000;        // samples per second
inline constexpr int kSoundPartSeconds = 2;     // the analog signal, then the output, each this long
inline constexpr int kSoundPartSamples = kSoundRate * kSoundPartSeconds;
inline constexpr double kSlowDown = 4e6 / 440;  // the design's sine at 4 MHz sounds as 440 Hz
inline constexpr int kOnceSeconds = 1;          // how long the pulse and the chirp play

// The simulation's time that one second of sound covers (ns): 110000 ns at
// the common slow-down, the 1000 ns record for the pulse and the chirp.
double NsPerSoundSecond(TSignalForm form);

// The sine, the three-term sine and the sawtooth repeat for ever; the pulse
// and the chirp happen once.
bool PlaysOnce(TSignalForm form);

// The stretch of simulation time one part of the sound plays.
struct TSoundTimeline {
  double startNs = 0;     // the time of the first sound sample
  double nsPerSample = 0; // between two sound samples
  int played = 0;         // sound samples that carry the signal; the rest of the part is silent
};

// A part's timeline, starting at startNs. A signal that repeats fills the whole
// part; the pulse and the chirp play their record from 0 once and leave the
// second that follows silent.
TSoundTimeline PartTimeline(TSignalForm form, double startNs);

// The simulation time of each played sound sample.
std::vector<double> PlayedTimes(const TSoundTimeline& timeline);

}  // namespace quantora
