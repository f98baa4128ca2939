#pragma once
// The tick generators behind RunTickPass (internal to the scale library). Each
// appends its ticks to the pass in drawing order through TTickSink.

#include "scale/tick_pass.h"

namespace vqm::detail {

// Tick lengths in pixels.
constexpr int kShortTickLength = 4;
constexpr int kMajorTickHorizontal = 7;
constexpr int kMajorTickVertical = 6;
constexpr int kLogTickVertical = 6;  // every tick of a vertical logarithmic axis
// No pass produces more ticks than this, whatever the floating-point corner.
constexpr int kMaxTicksPerPass = 10000;

class TTickSink {
 public:
  TTickSink(const TTickOptions& options, const TAxisMapping& mapping, int width, TTickPass& pass)
      : Options(options), fMapping(mapping), fWidth(width), fPass(pass) {}

  const TTickOptions& Options;
  bool Vertical() const { return IsVertical(Options.Type); }
  int MajorLength() const { return Vertical() ? kMajorTickVertical : kMajorTickHorizontal; }
  bool Full() const { return int(fPass.Ticks.size()) >= kMaxTicksPerPass; }
  void SetGenerator(TTickGenerator g) { fPass.Generator = g; }
  int PixelOf(double v) const;
  void SetMessage(TDateTimeMessage message, int pixel);

  // Appends a tick at v; its value is recorded when `record` and there is room.
  TTick& Add(double v, TTickKind kind, int length, bool drawn, bool record);

 private:
  const TAxisMapping& fMapping;
  int fWidth;
  TTickPass& fPass;
};

void GenerateLinearTicks(TTickSink& sink);
// False when the range is less than a decade (or not positive): the caller then
// runs the linear generator.
bool GenerateLogTicks(TTickSink& sink);
// False when the range needs a step outside the time table: the caller then runs
// the logarithmic or the linear generator.
bool GenerateTimeTicks(TTickSink& sink);
// Calendar axes: clock, day, month or year ticks by the span per interval, or
// one of the two messages.
void GenerateDateTimeTicks(TTickSink& sink);

// A number label cut to the label length limit.
std::string CutLabel(std::string label);

}  // namespace vqm::detail
