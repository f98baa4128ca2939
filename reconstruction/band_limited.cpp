#include "reconstruction/band_limited.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace quantora {
namespace {

// Independent partial sums, so that the compiler can keep them in one vector
// register without reordering a single sum.
constexpr std::size_t kLanes = 8;

// Sum over n in [from, to) of a_n / (u - n), where a_n = (-1)^n y_n. Division
// is the slow operation, so four terms share one: a/x + b/y + c/z + d/w =
// ((a y + b x) z w + (c w + d z) x y) / (x y z w). No product overflows: a
// time that far from the record has no fraction left and never gets here
// (|u| < 2^52, so x y z w < 2^208), and it rounds no worse than the four
// quotients summed, which cancel in the same way.
double AlternatingSum(const std::vector<double>& a, const std::vector<double>& index, std::size_t from,
                      std::size_t to, double u) {
  double lane[kLanes] = {};
  const std::size_t whole = from + (to - from) / (4 * kLanes) * (4 * kLanes);
  for (std::size_t n = from; n < whole; n += 4 * kLanes)
    for (std::size_t k = 0; k < kLanes; ++k) {
      const std::size_t i = n + k, j = i + kLanes, l = j + kLanes, m = l + kLanes;
      const double x = u - index[i], y = u - index[j], z = u - index[l], w = u - index[m];
      const double xy = x * y, zw = z * w;
      lane[k] += ((a[i] * y + a[j] * x) * zw + (a[l] * w + a[m] * z) * xy) / (xy * zw);
    }
  double sum = 0;
  for (std::size_t n = whole; n < to; ++n) sum += a[n] / (u - index[n]);
  for (const double part : lane) sum += part;
  return sum;
}

// Times are taken in blocks of kBlock sample intervals. The samples within
// kNear of a block's centre are summed term by term; the rest, all at least
// kNear away from the centre while a time is at most kBlock / 2 from it,
// become one power series about the centre:
//   sum a_n / (v + d_n) = sum_k v^k (-1)^k sum a_n / d_n^(k+1),  d_n = c - n.
// Each term is a_n / d_n times (v / d_n)^k with |v / d_n| <= 1/4, so kTerms
// powers leave less than 4^-kTerms / (3/4) of the sum of |a_n / d_n| behind:
// about 5e-15 of it, far below any volt the chart or the figures can show.
constexpr double kBlock = 32;
constexpr double kNear = 2 * kBlock;
constexpr std::size_t kTerms = 24;

// Four doubles added and multiplied as one (one vector register where there
// is one): the compiler cannot regroup a sum of its own accord.
constexpr std::size_t kWidth = 4;
typedef double TFour __attribute__((vector_size(kWidth * sizeof(double))));

class TFarSeries {
 public:
  // The coefficients of the samples outside [near, nearEnd) about `centre`.
  TFarSeries(const std::vector<double>& a, std::size_t near, std::size_t nearEnd, double centre)
      : fCentre(centre) {
    const std::size_t farCount = a.size() - (nearEnd - near);
    std::vector<double> term(farCount), ratio(farCount);
    // The far samples' distances, the near ones left out: plain loops, so that
    // the divisions go four at a time.
    for (std::size_t n = 0; n < near; ++n) ratio[n] = centre - double(n);
    for (std::size_t n = nearEnd; n < a.size(); ++n) ratio[n - (nearEnd - near)] = centre - double(n);
    for (std::size_t j = 0; j < farCount; ++j) ratio[j] = -1.0 / ratio[j];
    for (std::size_t n = 0; n < near; ++n) term[n] = -a[n] * ratio[n];
    for (std::size_t n = nearEnd; n < a.size(); ++n) term[n - (nearEnd - near)] = -a[n] * ratio[n - (nearEnd - near)];
    // The powers go eight at a time over four far samples at a time, in
    // registers: memory is touched once per eight powers, not once per power.
    constexpr std::size_t kGroup = 8;
    static_assert(kTerms % kGroup == 0);
    const std::size_t whole = farCount / kWidth * kWidth;
    for (std::size_t first = 0; first < kTerms; first += kGroup) {
      TFour lane[kGroup] = {};
      for (std::size_t n = 0; n < whole; n += kWidth) {
        TFour t, r;
        std::memcpy(&t, &term[n], sizeof t);
        std::memcpy(&r, &ratio[n], sizeof r);
        for (TFour& power : lane) {
          power += t;
          t *= r;
        }
        std::memcpy(&term[n], &t, sizeof t);
      }
      for (std::size_t k = 0; k < kGroup; ++k) {
        double sum = 0;
        for (std::size_t n = whole; n < farCount; ++n) {
          sum += term[n];
          term[n] *= ratio[n];
        }
        for (std::size_t l = 0; l < kWidth; ++l) sum += lane[k][l];
        fCoefficients[first + k] = sum;
      }
    }
  }

  // Adds the series at each of the times u[0 .. count) to sum[0 .. count):
  // Horner's rule over all the times at once, so that no time waits for the
  // multiply before it.
  void AddAt(const double* u, std::size_t count, double* sum) const {
    std::vector<double> v(count), part(count, 0.0);
    for (std::size_t i = 0; i < count; ++i) v[i] = u[i] - fCentre;
    for (std::size_t k = kTerms; k-- > 0;)
      for (std::size_t i = 0; i < count; ++i) part[i] = part[i] * v[i] + fCoefficients[k];
    for (std::size_t i = 0; i < count; ++i) sum[i] += part[i];
  }

 private:
  double fCentre;
  std::array<double, kTerms> fCoefficients{};
};

// The samples of the record near the block `block`: [first, end).
struct TNearSamples {
  std::size_t first, end;
};
TNearSamples NearSamples(double block, std::size_t count) {
  const double centre = (block + 0.5) * kBlock;
  const double low = std::clamp(std::ceil(centre - kNear), 0.0, double(count));
  const double high = std::clamp(std::floor(centre + kNear) + 1, low, double(count));
  return {std::size_t(low), std::size_t(high)};
}

// sin(pi (u - n)) = (-1)^n sin(pi u): one sine per time instead of one per
// sample, and the sum is of a_n / (u - n). The sine is taken of the distance f
// from the nearest whole m, sin(pi u) = (-1)^m sin(pi f), which stays exact
// where u is near a sample and the pulse's term is large. Here |pi f| <= pi/2,
// where sine's own series to x^23 leaves less than 1e-20 (x^25 / 25!), so it
// is summed for every time at once instead of one library call at a time.
// Returns sin(pi u) / pi at each u.
std::vector<double> SinesOverPi(const double* u, std::size_t count) {
  constexpr std::size_t kPowers = 12;  // x, x^3, .. x^23
  constexpr std::array<double, kPowers> kSeries = [] {
    std::array<double, kPowers> c{};
    double factorial = 1;
    for (std::size_t k = 0; k < kPowers; ++k) {
      if (k > 0) factorial *= double(2 * k) * double(2 * k + 1);
      c[k] = (k % 2 ? -1.0 : 1.0) / factorial;
    }
    return c;
  }();
  std::vector<double> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double m = std::nearbyint(u[i]);
    const double x = std::numbers::pi * (u[i] - m), square = x * x;
    double series = kSeries[kPowers - 1];
    for (std::size_t k = kPowers - 1; k-- > 0;) series = series * square + kSeries[k];
    // m odd: half of it is not whole (from 2^53 on every double is even).
    const double half = 0.5 * m;
    out[i] = (std::nearbyint(half) == half ? x : -x) * series / std::numbers::pi;
  }
  return out;
}

class TSincSum {
 public:
  explicit TSincSum(const std::vector<double>& y) : fY(y), fAlternating(y.size()), fIndex(y.size()) {
    for (std::size_t n = 0; n < y.size(); ++n) {
      fAlternating[n] = n % 2 ? -y[n] : y[n];
      fIndex[n] = double(n);
    }
  }

  // The times [from, to), all finite and in the block `block` (u in sample intervals).
  void Block(const std::vector<double>& u, std::size_t from, std::size_t to, double block, std::vector<double>& out) {
    const std::size_t count = fY.size();
    const TNearSamples near = NearSamples(block, count);
    // The series pays when the block has more times than about half its
    // powers: a power of a far sample costs a multiply and an add, a term of
    // the sum about four times that.
    const bool series = near.end - near.first < count && 2 * (to - from) > kTerms;
    std::vector<double> sum(to - from);
    for (std::size_t i = from; i < to; ++i)
      sum[i - from] = series ? AlternatingSum(fAlternating, fIndex, near.first, near.end, u[i])
                             : AlternatingSum(fAlternating, fIndex, 0, count, u[i]);
    if (series) TFarSeries(fAlternating, near.first, near.end, (block + 0.5) * kBlock).AddAt(&u[from], to - from, sum.data());
    const std::vector<double> sine = SinesOverPi(&u[from], to - from);
    for (std::size_t i = from; i < to; ++i) {
      const double m = std::nearbyint(u[i]);
      if (u[i] == m)  // on an instant every pulse but its own is zero
        out[i] = m >= 0 && m < double(count) ? fY[std::size_t(m)] : 0.0;
      else
        out[i] = sine[i - from] * sum[i - from];
    }
  }

 private:
  const std::vector<double>& fY;
  std::vector<double> fAlternating, fIndex;
};

}  // namespace

std::vector<double> BandLimitedReconstruction(const TSampleRecord& record, std::span<const double> times) {
  const double interval = RecordInterval(record);
  std::vector<double> u(times.size()), out(times.size(), 0.0);
  for (std::size_t i = 0; i < times.size(); ++i) {
    u[i] = times[i] / interval;
    if (!std::isfinite(u[i])) out[i] = std::numeric_limits<double>::quiet_NaN();
  }
  // Consecutive times of one block share its series; a grid's times come in
  // order, so each block is one run.
  TSincSum sum(record.values);
  for (std::size_t from = 0; from < times.size();) {
    const double block = std::isfinite(u[from]) ? std::floor(u[from] / kBlock) : 0;
    std::size_t to = from + 1;
    while (to < times.size() && std::isfinite(u[to]) && std::floor(u[to] / kBlock) == block) ++to;
    if (std::isfinite(u[from])) sum.Block(u, from, to, block, out);
    from = to;
  }
  return out;
}

}  // namespace quantora
