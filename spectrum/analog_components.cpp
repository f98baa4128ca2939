#include "spectrum/analog_components.h"

#include <cmath>
#include <numbers>

namespace quantora {
namespace {

// Angular frequency in rad/ns as MHz.
constexpr double MHzOf(double radPerNs) { return radPerNs / (2 * std::numbers::pi) * 1000.0; }

constexpr TAnalogComponent kSine[] = {{4.0, TComponentKind::ckLine}};
constexpr TAnalogComponent kThreeTermSine[] = {
    {2.0, TComponentKind::ckLine}, {8.0, TComponentKind::ckLine}, {32.0, TComponentKind::ckLine}};
constexpr TAnalogComponent kSawtooth[] = {
    {4.0, TComponentKind::ckLine},  {8.0, TComponentKind::ckLine},  {12.0, TComponentKind::ckLine},
    {16.0, TComponentKind::ckLine}, {20.0, TComponentKind::ckLine}, {24.0, TComponentKind::ckLine},
    {28.0, TComponentKind::ckLine}, {32.0, TComponentKind::ckLine}, {36.0, TComponentKind::ckLine},
    {40.0, TComponentKind::ckLine}};
constexpr TAnalogComponent kSinc[] = {{MHzOf(0.1), TComponentKind::ckBandEdge}};
// The chirp's phase 0.0001 t^2 rises at 0.0002 t rad/ns.
constexpr TAnalogComponent kChirp[] = {{MHzOf(0.0002 * 1000.0), TComponentKind::ckBandEdge}};

}  // namespace

std::span<const TAnalogComponent> MainComponents(TSignalForm form) {
  switch (form) {
    case TSignalForm::sfSine: return kSine;
    case TSignalForm::sfThreeTermSine: return kThreeTermSine;
    case TSignalForm::sfSawtooth: return kSawtooth;
    case TSignalForm::sfSinc: return kSinc;
    case TSignalForm::sfChirp: return kChirp;
  }
  return {};
}

double AliasFrequency(double fMHz, double fsMHz) { return std::fabs(fMHz - std::round(fMHz / fsMHz) * fsMHz); }

}  // namespace quantora
