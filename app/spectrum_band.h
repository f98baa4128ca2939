#pragma once
// The frequency band the spectrum chart opens on for a setting, and whether a
// user's zoom still fits a new setting's band.

#include "app/model/signal_form.h"
#include "spectrum/spectrum_engine.h"

namespace quantora {

// The upper end of the band shown first, in MHz: three times the waveform's
// highest main component, widened to show fs/2 while fs/2 lies within four
// times that component (with a quarter beyond it for its label); never beyond
// the whole band.
double StartBandMHz(TSignalForm form, const TSpectrumResult& spectrum);

// A frequency range the user zoomed to stays while it lies inside the new
// setting's whole band (0 .. bandMHz).
bool ZoomFitsBand(double lowMHz, double highMHz, double bandMHz);

}  // namespace quantora
