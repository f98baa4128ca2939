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
  // DC and, for even N, the Nyquist bin have no mirror image among the negative frequencies.
  const auto sides = [n](std::size_t k) { return k == 0 || 2 * k == n ? 1.0 : 2.0; };
  for (std::size_t k = 0; k < bins.size(); ++k) {
    const double magnitude = std::abs(bins[k]);
    out.power[k] = sides(k) * magnitude * magnitude / (double(n) * sumOfSquares);
  }
  double meanSquare = 0;
  for (double v : x) meanSquare += v * v / double(n);
  // In a short record a line near DC or fs/2 meets its own mirror image and
  // the two add up; no sine in the record is stronger than one that holds the
  // record's whole power.
  const double strongest = std::sqrt(2 * meanSquare);
  for (std::size_t k = 0; k < bins.size(); ++k) {
    const double amplitude = std::min(sides(k) * std::abs(bins[k]) / sum, strongest);
    out.dbfs[k] = amplitude > 0 ? std::max(20.0 * std::log10(amplitude / kFullScaleVolts), kFloorDbfs) : kFloorDbfs;
  }
}

}  // namespace quantora
