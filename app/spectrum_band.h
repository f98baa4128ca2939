#pragma once
// The frequency band the spectrum chart opens on for a setting, and whether a
// user's zoom still fits a new setting's band.

#include "model/signal_form.h"
#include "spectrum/spectrum_engine.h"

namespace quantora {

// The upper end of the band shown first, in MHz: three times the waveform's
// highest main component, widened to a quarter past fs/2 where the lowest
// component still stands clear of the axis then; never beyond the whole band.
double StartBandMHz(TSignalForm form, const TSpectrumResult& spectrum);

// A frequency range the user zoomed to stays while it lies inside the new
// setting's whole band (0 .. bandMHz).
bool ZoomFitsBand(double lowMHz, double highMHz, double bandMHz);

}  // namespace quantora
