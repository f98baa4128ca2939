#include "model/grid_signal.h"

#include <mutex>

#include "model/waveforms.h"

namespace quantora {

const TGridSignal* GridSignal(TSignalForm form) {
  const int index = static_cast<int>(form);
  if (index < 0 || index >= NumSignalForms) return nullptr;
  static std::array<TGridSignal, NumSignalForms> tables;
  static std::array<std::once_flag, NumSignalForms> filled;
  std::call_once(filled[index], [&] {
    TGridSignal& t = tables[index];
    for (int i = 1; i <= NumPoints; ++i) t.analog[i - 1] = SignalValue(form, GridTime(i));
    for (int n = 0; n < GridHoldInstants; ++n) t.held[n] = HeldSignalValue(form, n);
  });
  return &tables[index];
}

}  // namespace quantora
