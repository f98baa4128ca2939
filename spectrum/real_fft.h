#pragma once
// The discrete Fourier transform of a real sequence, by FFTW3. A plan is made
// once for each length and reused for every later transform of that length.

#include <complex>
#include <cstddef>
#include <map>
#include <memory>
#include <span>

namespace quantora {

class TRealFft {
 public:
  TRealFft();
  ~TRealFft();
  TRealFft(const TRealFft&) = delete;
  TRealFft& operator=(const TRealFft&) = delete;

  // X_k = sum over n of x_n e^(-2 pi i k n / N) for k = 0 .. N/2 (N = x.size(),
  // at least 1). The result stays valid until the next transform of that length.
  std::span<const std::complex<double>> Transform(std::span<const double> x);

  // How many lengths have a plan (each made once).
  std::size_t PlanCount() const { return fPlans.size(); }

 private:
  struct TPlan;
  std::map<std::size_t, std::unique_ptr<TPlan>> fPlans;
};

}  // namespace quantora
