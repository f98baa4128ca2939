#include "scale/tick_pass.h"

#include <cmath>

#include "scale/tick_generators.h"
#include "scale/tick_math.h"

namespace vqm {

bool TTickValues::Add(double v) {
  if (fCount >= kCapacity) return false;
  fValues[size_t(fCount++)] = v;
  return true;
}

namespace detail {

TTick& TTickSink::Add(double v, TTickKind kind, int length, bool drawn, bool record) {
  TTick& t = fPass.Ticks.emplace_back();
  t.Value = v;
  t.Kind = kind;
  t.Pixel = PixelOf(v);
  t.Length = length;
  t.Drawn = drawn;
  t.Recorded = record && fPass.Values.Add(v);
  return t;
}

std::string CutLabel(std::string label) {
  if (label.size() > size_t(kMaxLabelLength)) label.resize(size_t(kMaxLabelLength));
  return label;
}

int TTickSink::PixelOf(double v) const { return ValueToPixel(fMapping, Options.Range, fWidth, v); }

void TTickSink::SetMessage(TDateTimeMessage message, int pixel) {
  fPass.Message = message;
  fPass.MessagePixel = pixel;
}

}  // namespace detail

void RunTickPass(const TTickOptions& options, const TAxisMapping& mapping, int width, TTickPass& pass) {
  pass.Generator = TTickGenerator::None;
  pass.Message = TDateTimeMessage::None;
  pass.MessagePixel = 0;
  pass.Ticks.clear();
  pass.Values.Clear();
  if (!std::isfinite(options.Range.Low) || !std::isfinite(options.Range.High)) return;
  detail::TTickSink sink(options, mapping, width, pass);
  if (options.LabelType == ftDateTime) {
    detail::GenerateDateTimeTicks(sink);
    return;
  }
  if (options.LabelType == ftTime && detail::GenerateTimeTicks(sink)) return;
  if (options.Range.Logarithmic && detail::GenerateLogTicks(sink)) return;
  detail::GenerateLinearTicks(sink);
}

TTickPass RunTickPass(const TTickOptions& options, const TAxisMapping& mapping, int width) {
  TTickPass pass;
  RunTickPass(options, mapping, width, pass);
  return pass;
}

}  // namespace vqm
