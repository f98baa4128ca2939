#include "spectrum/real_fft.h"

#include <fftw3.h>

#include <algorithm>
#include <new>

namespace quantora {

// FFTW's buffers are aligned for its vector code; the plan is bound to them.
struct TRealFft::TPlan {
  explicit TPlan(std::size_t n)
      : input(fftw_alloc_real(n)), output(fftw_alloc_complex(n / 2 + 1)) {
    if (!input || !output) throw std::bad_alloc();
    // FFTW_ESTIMATE: the plan is made at once, without timing trial runs.
    plan = fftw_plan_dft_r2c_1d(int(n), input, output, FFTW_ESTIMATE);
    if (!plan) throw std::bad_alloc();
  }
  ~TPlan() {
    if (plan) fftw_destroy_plan(plan);
    fftw_free(output);
    fftw_free(input);
  }
  double* input = nullptr;
  fftw_complex* output = nullptr;
  fftw_plan plan = nullptr;
};

TRealFft::TRealFft() = default;
TRealFft::~TRealFft() = default;

std::span<const std::complex<double>> TRealFft::Transform(std::span<const double> x) {
  const std::size_t n = std::max<std::size_t>(x.size(), 1);
  std::unique_ptr<TPlan>& plan = fPlans[n];
  if (!plan) plan = std::make_unique<TPlan>(n);
  std::fill_n(plan->input, n, 0.0);
  std::copy(x.begin(), x.end(), plan->input);
  fftw_execute(plan->plan);
  // fftw_complex is laid out as std::complex<double> (FFTW's documented guarantee).
  return {reinterpret_cast<const std::complex<double>*>(plan->output), n / 2 + 1};
}

}  // namespace quantora
