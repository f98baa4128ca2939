#include "model/generator.h"

#include "model/waveforms.h"

namespace quantora {
namespace {

// Every factor is exactly 1 and the offset is skipped at the defaults, so the
// design's values pass unchanged (adding 0 would turn -0 into +0).
double Scaled(const TGeneratorSettings& generator, double designValue) {
  const double value = designValue * (generator.amplitudeV / kDesignAmplitudeV);
  return generator.offsetV == 0.0 ? value : value + generator.offsetV;
}

}  // namespace

double TimeScale(const TGeneratorSettings& generator) { return generator.frequencyMHz / kDesignSineMHz; }

double GeneratorValue(TSignalForm form, const TGeneratorSettings& generator, double t) {
  return Scaled(generator, SignalValue(form, t * TimeScale(generator)));
}

double GeneratorHeldValue(TSignalForm form, const TGeneratorSettings& generator, double held) {
  return Scaled(generator, HeldSignalValue(form, held * TimeScale(generator)));
}

double GeneratorMovedValue(TSignalForm form, const TGeneratorSettings& generator, double instant) {
  return Scaled(generator, HeldSignalValueInDouble(form, instant * TimeScale(generator)));
}

}  // namespace quantora
