#include "model/converter.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "model/quantizer.h"
#include "model/seeded_random.h"

namespace quantora {
namespace {

std::vector<double> NonlinearTransitions(int top, double inl, double dnl, std::uint32_t seed) {
  std::vector<double> widths(std::size_t(std::max(top - 1, 0)));
  double sum = 0;
  for (std::size_t k = 0; k < widths.size(); ++k) {
    widths[k] = std::max(0.0, 1.0 + dnl * GaussianAt(seed, TRandomStream::rsCodeWidths, k + 1));
    sum += widths[k];
  }
  const double scale = sum > 0 ? double(widths.size()) / sum : 0.0;
  std::vector<double> t(static_cast<std::size_t>(top));
  t[0] = 0.5;
  for (std::size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] + (scale > 0 ? widths[k - 1] * scale : 1.0);
  if (top > 1)
    for (std::size_t k = 0; k < t.size(); ++k) {
      const double p = double(k) / double(top - 1);
      t[k] += 4.0 * inl * p * (1.0 - p);
      if (k > 0) t[k] = std::max(t[k], t[k - 1]);  // a bow steeper than a code folds codes away
    }
  return t;
}

// The tables cost a Gaussian draw per code (65535 at 16 bits): the last one
// made is kept, as the settings rarely change between updates.
std::shared_ptr<const std::vector<double>> Transitions(int top, double inl, double dnl, std::uint32_t seed) {
  struct TKey {
    int top;
    double inl, dnl;
    std::uint32_t seed;
    bool operator==(const TKey&) const = default;
  };
  static std::mutex guard;
  static TKey lastKey{};
  static std::shared_ptr<const std::vector<double>> last;
  const TKey key{top, inl, dnl, dnl > 0 ? seed : 0};
  std::lock_guard lock(guard);
  if (!last || !(lastKey == key)) {
    last = std::make_shared<const std::vector<double>>(NonlinearTransitions(top, inl, dnl, seed));
    lastKey = key;
  }
  return last;
}

}  // namespace

TConverter::TConverter(int bits, const TImperfections& imperfections, const TDitherSettings& dither,
                       std::uint32_t seed)
    : fBits(std::clamp(bits, MinBits, MaxBits)),
      fTop((1 << fBits) - 1),
      fLsb(10.0 / fTop),
      fImperfections(imperfections),
      fDither(dither),
      fDraws(dither.kind != TDitherKind::dkNone ? TDrawTable::Of(seed) : nullptr),
      fIdeal(imperfections.offsetErrorLsb == 0 && imperfections.gainErrorPercent == 0 && imperfections.inlLsb == 0 &&
             imperfections.dnlLsb == 0 && dither.kind == TDitherKind::dkNone) {
  if (imperfections.inlLsb != 0 || imperfections.dnlLsb > 0)
    fTransitions = Transitions(fTop, imperfections.inlLsb, imperfections.dnlLsb, seed);
}

double TConverter::DitherLsb(std::int64_t sample) const {
  const auto index = std::uint64_t(sample);
  switch (fDither.kind) {
    case TDitherKind::dkNone: return 0.0;
    case TDitherKind::dkRectangular: return fDraws->Uniform(TRandomStream::rsDither, 2 * index) - 0.5;
    case TDitherKind::dkTriangular:
      return fDraws->Uniform(TRandomStream::rsDither, 2 * index) +
             fDraws->Uniform(TRandomStream::rsDither, 2 * index + 1) - 1.0;
  }
  return 0.0;
}

// The input as the quantizer sees it: gain and offset error applied, `ditherLsb` added.
double TConverter::ConverterInput(double input, double ditherLsb) const {
  const double gained = input * (1.0 + fImperfections.gainErrorPercent / 100.0);
  return gained + (fImperfections.offsetErrorLsb + ditherLsb) * fLsb;
}

int TConverter::CodeOfLevel(double lsbAboveBottom) const {
  const std::vector<double>& t = *fTransitions;
  return int(std::upper_bound(t.begin(), t.end(), lsbAboveBottom) - t.begin());
}

// The level of a code, formed as the design's quantizer forms it.
double TConverter::CodeVolts(int code) const {
  const long double top = fTop;
  return static_cast<double>(static_cast<long double>(code) / top * 2.0L * 5.0L - 5.0L);
}

int TConverter::Code(double input, std::int64_t sample) const {
  const double x = fIdeal ? input : ConverterInput(input, DitherLsb(sample));
  if (fTransitions) return CodeOfLevel((x + 5.0) / fLsb);
  const double level = Quantize(fBits, std::clamp(x, -5.0, 5.0));
  return int(std::lround((level + 5.0) / fLsb));
}

double TConverter::Output(double input, std::int64_t sample) const {
  if (fIdeal) return std::clamp(Quantize(fBits, input), -5.0, 5.0);
  const double dither = DitherLsb(sample);
  const double x = ConverterInput(input, dither);
  const double level =
      fTransitions ? CodeVolts(CodeOfLevel((x + 5.0) / fLsb)) : std::clamp(Quantize(fBits, x), -5.0, 5.0);
  return fDither.subtract ? level - dither * fLsb : level;
}

std::vector<double> TConverter::TransitionLevels() const {
  if (fTransitions) return *fTransitions;
  std::vector<double> ideal(static_cast<std::size_t>(fTop));
  for (int k = 1; k <= fTop; ++k) ideal[std::size_t(k - 1)] = k - 0.5;
  return ideal;
}

}  // namespace quantora
