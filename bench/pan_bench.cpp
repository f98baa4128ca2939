// One pan step on a zoomed chart of the main window, as the user drags it: the
// mouse move, the new ranges of the sampled chart and of the analog chart that
// follows its time range, both series recomputed over the new range and both
// charts repainted. 16 bits, T = 10 ns, both charts zoomed to 495 .. 505 ns,
// the error shown. Reports the median and the worst step of each sweep, in
// wall-clock time and in the thread's processor time (which a machine busy with
// other work does not inflate).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "app/ui/chart_menu.h"
#include "app/ui/mainfrm.h"
#include "chart/rchart.h"

namespace {

double ThreadMicroseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double Median(std::vector<double>& values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

void Move(QWidget* chart, QPoint p, Qt::MouseButtons buttons) {
  QMouseEvent event(QEvent::MouseMove, p, chart->mapToGlobal(p), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(chart, &event);
}

void BM_PanStepZoomed(benchmark::State& state) {
  quantora::TFormStart start;
  start.showAbout = false;
  start.singleInstance = false;
  quantora::TForm1 form(start);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QCoreApplication::processEvents();  // the start-up sequence
  form.SBarReso->setValue(16);
  form.CBoxQNoise->setChecked(true);
  form.ZoomTimeRange({495.0, 505.0});
  vqm::TRChart* chart = form.RCSample;
  chart->SetMouseAction(vqm::maPan);
  const QPoint centre(chart->MarginLeft() + chart->DataWidth() / 2, chart->MarginTop() + chart->DataHeight() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, centre, chart->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(chart, &press);
  Move(chart, centre, Qt::LeftButton);  // arms the pan

  std::vector<double> perStep, perStepCpu;
  double medianSum = 0, medianCpuSum = 0, worst = 0;
  for (auto _ : state) {
    perStep.clear();
    perStepCpu.clear();
    for (int step = -40; step <= 40; ++step) {  // right and back, a pixel per step
      const QPoint p = centre + QPoint(step < 0 ? -step - 20 : step - 20, 0);
      const auto begin = std::chrono::steady_clock::now();
      const double cpuBegin = ThreadMicroseconds();
      Move(chart, p, Qt::LeftButton);
      perStepCpu.push_back(ThreadMicroseconds() - cpuBegin);
      perStep.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count());
    }
    worst = std::max(worst, *std::max_element(perStep.begin(), perStep.end()));
    medianSum += Median(perStep);
    medianCpuSum += Median(perStepCpu);
  }
  state.counters["median_step_us"] = medianSum / double(state.iterations());
  state.counters["median_step_cpu_us"] = medianCpuSum / double(state.iterations());
  state.counters["worst_step_us"] = worst;
  state.counters["items"] = form.RCSig->ItemCount() + chart->ItemCount();
}
BENCHMARK(BM_PanStepZoomed)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
