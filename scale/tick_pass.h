#pragma once
// One tick pass of an axis: a pure function of the range, the label type and the
// options that yields, in drawing order, every tick with its value, kind, pixel
// position, tick length and label, plus the list of tick values that the chart
// reads for its grid lines. Painting an axis only walks this list.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "drawbase/enums.h"
#include "scale/axis_mapping.h"
#include "scale/tick_date_text.h"

namespace vqm {

enum class TTickKind : std::uint8_t {
  Major,         // long tick; labelled when labels are on
  Short,         // unlabelled subdivision of a linear, time or date/time axis
  Intermediate,  // unlabelled 3, 4, 6, 7, 8, 9 tick within a logarithmic decade
};

// Which generator produced a pass; it decides tick lengths and the event order.
enum class TTickGenerator : std::uint8_t { None, Linear, Logarithmic, Time, DateTime };

struct TTick {
  double Value = 0.0;
  TTickKind Kind = TTickKind::Major;
  int Pixel = 0;          // ValueToPixel(Value)
  int Length = 0;         // pixels from the base line toward the inside
  bool Drawn = true;      // false: only the tick event is raised (undrawn log ticks)
  bool Recorded = false;  // its value went into the tick value list
  bool HasLabel = false;  // a label is written (possibly empty text)
  std::string Label;      // UTF-8
  std::string DateLine;   // date/time axes: the date one line further from the
                          // axis than the clock label; empty for none
};

// The tick values one pass records, at most kCapacity; later ones are dropped.
class TTickValues {
 public:
  static constexpr int kCapacity = 50;
  void Clear() { fCount = 0; }
  // Appends v when there is room; returns whether it was recorded.
  bool Add(double v);
  int Count() const { return fCount; }
  // Value i, 1-based; 0.0 outside 1..Count().
  double At(int i) const { return (i >= 1 && i <= fCount) ? fValues[size_t(i - 1)] : 0.0; }

 private:
  std::array<double, kCapacity> fValues{};
  int fCount = 0;
};

struct TTickOptions {
  TAxisRange Range;
  TScaleType Type = sctXB;
  TFigType LabelType = ftNum;
  int DecPlaces = -2;  // -3..12, see AutoDecPlaces
  int MinTicks = 3;    // 2..10 major intervals at least
  bool ShortTicks = true;
  std::string_view UserTickText;   // items separated by '|'
  std::string_view ScaleInscript;  // decoration with '&' where the number goes
  TDTLabel DateFormat = AxisDateFormat();  // date/time labels
  const TMonthNames* MonthNames = nullptr;  // names for "mmm"; nullptr: English
};

struct TTickPass {
  TTickGenerator Generator = TTickGenerator::None;
  std::vector<TTick> Ticks;  // in drawing order
  TTickValues Values;
  // A date/time axis that cannot show dates shows this text instead of ticks,
  // at this pixel along the axis (the middle of the range).
  TDateTimeMessage Message = TDateTimeMessage::None;
  int MessagePixel = 0;
};

// Runs one tick pass into `pass`, reusing its storage. `width` is the scale's
// width (ValueToPixel needs it for logarithmic values <= 0).
void RunTickPass(const TTickOptions& options, const TAxisMapping& mapping, int width, TTickPass& pass);
TTickPass RunTickPass(const TTickOptions& options, const TAxisMapping& mapping, int width);

// Whether the per-tick event comes before the label (vertical scales with the
// linear or the logarithmic generator) or after it (everywhere else).
constexpr bool EventBeforeLabel(TTickGenerator g, TScaleType t) {
  return IsVertical(t) && (g == TTickGenerator::Linear || g == TTickGenerator::Logarithmic);
}

}  // namespace vqm
