#include "spectrum/level_spectrum.h"

#include <algorithm>
#include <cmath>

namespace quantora {

void AnalyseRecord(std::span<const double> x, TWindowKind kind, TRealFft& fft, TBinSpectrum& out) {
  const std::size_t n = x.size();
  std::vector<double> weighted(x.begin(), x.end());
  double sum = double(n), sumOfSquares = double(n);
  if (kind != TWindowKind::wkRectangular) {
    std::vector<double> w;
    FillWindow(kind, n, w);
    sum = sumOfSquares = 0;
    for (std::size_t i = 0; i < n; ++i) {
      weighted[i] *= w[i];
      sum += w[i];
      sumOfSquares += w[i] * w[i];
    }
  }
  const std::span<const std::complex<double>> bins = fft.Transform(weighted);
  out.power.resize(bins.size());
  out.dbfs.resize(bins.size());
  for (std::size_t k = 0; k < bins.size(); ++k) {
    // DC and, for even N, the Nyquist bin have no mirror image among the negative frequencies.
    const bool single = k == 0 || 2 * k == n;
    const double magnitude = std::abs(bins[k]);
    out.power[k] = (single ? 1.0 : 2.0) * magnitude * magnitude / (double(n) * sumOfSquares);
    const double amplitude = (single ? 1.0 : 2.0) * magnitude / sum;
    out.dbfs[k] = amplitude > 0 ? std::max(20.0 * std::log10(amplitude / kFullScaleVolts), kFloorDbfs) : kFloorDbfs;
  }
}

}  // namespace quantora
