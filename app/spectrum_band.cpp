#include "app/spectrum_band.h"

#include <algorithm>

#include "spectrum/analog_components.h"

namespace quantora {

// Why: at 1 ns fs/2 is 500 MHz and the whole band 2500 MHz, and the sine's
// 4 MHz line would sit a pixel from the axis. Three times the highest
// component leaves room for its line and the labels beside it. fs/2, and the
// sampled spectrum up to it, are the point of the window: the band reaches a
// quarter past fs/2 as long as the lowest component still stands a sixteenth
// of the axis (some 40 pixels) from its start. Farther out the marker's label
// says where fs/2 lies, and "Show everything" shows the whole band.
double StartBandMHz(TSignalForm form, const TSpectrumResult& spectrum) {
  const std::span<const TAnalogComponent> components = MainComponents(form);
  if (components.empty()) return spectrum.bandMHz;  // nothing to centre on: the whole band
  double lowest = components.front().frequencyMHz, highest = lowest;
  for (const TAnalogComponent& c : components) {
    lowest = std::min(lowest, c.frequencyMHz);
    highest = std::max(highest, c.frequencyMHz);
  }
  double band = 3 * highest;
  const double pastNyquist = 1.25 * spectrum.nyquistMHz;
  if (pastNyquist <= 16 * lowest) band = std::max(band, pastNyquist);
  return std::min(band, spectrum.bandMHz);
}

bool ZoomFitsBand(double lowMHz, double highMHz, double bandMHz) {
  return lowMHz >= 0 && highMHz <= bandMHz && lowMHz < highMHz;
}

}  // namespace quantora
