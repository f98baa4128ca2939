// The simulation's two charts after a computation, and a few chart variants.
#include <QDir>
#include <cmath>

#include "app/plotting.h"
#include "app/simulation_charts.h"
#include "chart/rchart.h"
#include "gallery.h"

namespace gallery {

namespace {

using vqm::TRChart;

// The simulation's Recompute with every flag on.
void Plot(TRChart& analog, TRChart& sampled, quantora::TSignalForm form, int interval, int bits) {
  quantora::TRecomputeInputs inputs;
  inputs.settings = {form, interval, bits, {}};
  inputs.options = {true, true, true};
  inputs.xMax = analog.Scale1X()->RangeHigh();
  quantora::Recompute(inputs, analog, sampled);
}

bool Save(TRChart& chart, const QString& folder, const QString& name) {
  return chart.FrameImage().Image().save(QDir(folder).filePath(name));
}

}  // namespace

int RenderCharts(const QString& folder) {
  int written = 0;
  TRChart analog, sampled;
  quantora::ApplySimulationChartSettings(analog, quantora::TSimulationChart::Analog);
  quantora::ApplySimulationChartSettings(sampled, quantora::TSimulationChart::Sampled);
  for (TRChart* c : {&analog, &sampled}) {
    c->resize(358, 436);
    c->show();
  }
  struct Case {
    quantora::TSignalForm form;
    int interval, bits;
    const char* name;
  };
  const Case cases[] = {{quantora::TSignalForm::sfSine, 10, 8, "sine_T10_8bit"},
                        {quantora::TSignalForm::sfSine, 50, 3, "sine_T50_3bit"},
                        {quantora::TSignalForm::sfChirp, 1, 4, "chirp_T1_4bit"}};
  for (const Case& c : cases) {
    Plot(analog, sampled, c.form, c.interval, c.bits);
    written += Save(analog, folder, QStringLiteral("chart_analog_%1.png").arg(c.name));
    written += Save(sampled, folder, QStringLiteral("chart_sampled_%1.png").arg(c.name));
  }

  // A new chart with a box shadow, a logarithmic X axis with decade grid and an area.
  TRChart plain;
  plain.resize(300, 220);
  plain.show();
  plain.SetCaption(QStringLiteral("Logarithmic"));
  plain.SetShadowStyle(vqm::ssBox);
  plain.SetShadowWidth(6);
  plain.Scale1X()->SetRangeLow(1);
  plain.Scale1X()->SetRangeHigh(1000);
  plain.Scale1X()->SetLogarithmic(true);
  plain.SetGridStyle(vqm::gsLines);
  plain.SetGridColor(vqm::clSilver);
  plain.SetGridDx(-1);
  plain.SetGridDy(0);
  plain.BackGroundImg().SetAreaMode(vqm::bamVStripe);
  plain.BackGroundImg().SetAreaLeft(10);
  plain.BackGroundImg().SetAreaRight(100);
  plain.MoveTo(1, 0);
  for (int i = 0; i <= 60; ++i) plain.DrawTo(std::pow(10.0, i / 20.0), (i % 20) / 20.0);
  plain.ShowItems();
  written += Save(plain, folder, QStringLiteral("chart_log_shadow.png"));
  return written;
}

}  // namespace gallery
