#include "app/spectrum_band.h"

#include <algorithm>

#include "spectrum/analog_components.h"

namespace quantora {

// Why: at 1 ns fs/2 is 500 MHz and the whole band 2500 MHz, and the sine's
// 4 MHz line would sit a pixel from the axis. Three times the highest
// component leaves room for its line and the labels beside it. fs/2 is the
// point of the window wherever something folds or is about to (fs/2 below four
// times that component), so the band reaches past it there; farther out
// nothing folds, the marker's label says where fs/2 lies, and "Show
// everything" shows the whole band.
double StartBandMHz(TSignalForm form, const TSpectrumResult& spectrum) {
  double highest = 0;
  for (const TAnalogComponent& c : MainComponents(form)) highest = std::max(highest, c.frequencyMHz);
  if (highest <= 0) return spectrum.bandMHz;  // nothing to centre on: the whole band
  double band = 3 * highest;
  if (spectrum.nyquistMHz <= 4 * highest) band = std::max(band, 1.25 * spectrum.nyquistMHz);
  return std::min(band, spectrum.bandMHz);
}

bool ZoomFitsBand(double lowMHz, double highMHz, double bandMHz) {
  return lowMHz >= 0 && highMHz <= bandMHz && lowMHz < highMHz;
}

}  // namespace quantora
