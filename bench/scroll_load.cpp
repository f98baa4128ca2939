// Load program: arrow-key presses on the focused sampling-interval scroll bar
// of the real main window, back and forth over 1 .. 200, as a user holding the
// key makes them.
//
// What is timed, per change: from the key event handed to the window system
// (QTest::keyPress on the main window's QWindow: shortcut map, focus widget,
// the bar's handler, read-outs, Recompute) until the main window's update
// request that paints and flushes the backing store with the new pictures of
// both charts has returned. Paint events of both charts are counted; the first
// update request of the main window to return after both have painted ends the
// change. The event loop is then run until it is idle (the spectrum window, when
// open, follows then; its delay after the main window's flush is reported on its
// own), untimed, so that each press finds an idle program as a key repeat does.
//
//   scroll_load [--changes N] [--spectrum] [--by-interval]
//
// N defaults to 100000; --spectrum opens the spectrum window first (Ctrl+F)
// and keeps it open; --by-interval adds the median of each interval 1 .. 200.
// Prints median, p90, p99 and max in wall-clock time and in the thread's
// processor time, which other work on a busy machine does not inflate.
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <vector>

#include "app/ui/mainfrm.h"
#include "app/ui/spectrum_window.h"
#include "chart/rchart.h"

namespace {

double ThreadMicroseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double WallMicroseconds() {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Stamps the moment a watched top-level window's update request (paint and
// flush) returns with both watched charts painted since the last Arm().
class FlushWatch : public QApplication {
 public:
  using QApplication::QApplication;

  QWidget* mainWindow = nullptr;
  QWidget* charts[2] = {nullptr, nullptr};
  QWidget* otherWindow = nullptr;  // the spectrum window
  QWidget* otherChart = nullptr;

  void Arm() {
    fPainted[0] = fPainted[1] = fOtherPainted = false;
    mainWall = mainCpu = otherWall = -1;
  }
  bool MainDone() const { return mainWall >= 0; }
  bool OtherDone() const { return otherWall >= 0; }

  double mainWall = -1, mainCpu = -1, otherWall = -1;

  bool notify(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    const bool result = QApplication::notify(receiver, event);
    if (type == QEvent::Paint) {
      for (int i = 0; i < 2; ++i) fPainted[i] = fPainted[i] || receiver == charts[i];
      fOtherPainted = fOtherPainted || (otherChart && receiver == otherChart);
    } else if (type == QEvent::UpdateRequest) {
      if (receiver == mainWindow && fPainted[0] && fPainted[1] && mainWall < 0) {
        mainWall = WallMicroseconds();
        mainCpu = ThreadMicroseconds();
      }
      if (otherWindow && receiver == otherWindow && fOtherPainted && otherWall < 0) otherWall = WallMicroseconds();
    }
    return result;
  }

 private:
  bool fPainted[2] = {false, false};
  bool fOtherPainted = false;
};

struct Figures {
  double median, p90, p99, max;
};

Figures Percentiles(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  auto at = [&values](double q) { return values[std::min(values.size() - 1, std::size_t(q * double(values.size())))]; };
  return {at(0.5), at(0.9), at(0.99), values.back()};
}

void Print(const char* what, const std::vector<double>& values) {
  if (values.empty()) return;
  const Figures f = Percentiles(values);
  std::printf("%-28s median %.3f ms  p90 %.3f ms  p99 %.3f ms  max %.3f ms\n", what, f.median / 1000, f.p90 / 1000,
              f.p99 / 1000, f.max / 1000);
}

// Runs the event loop until `done` or, as a guard, a few thousand rounds.
template <class Done>
void RunUntil(Done done) {
  for (int round = 0; !done() && round < 5000; ++round) QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  FlushWatch app(argc, argv);
  long changes = 100000;
  bool withSpectrum = false, byInterval = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--changes") && i + 1 < argc) changes = std::max(1L, std::atol(argv[++i]));
    else if (!std::strcmp(argv[i], "--spectrum")) withSpectrum = true;
    else if (!std::strcmp(argv[i], "--by-interval")) byInterval = true;
    else {
      std::fprintf(stderr, "usage: scroll_load [--changes N] [--spectrum] [--by-interval]\n");
      return 2;
    }
  }

  quantora::TFormStart start;
  start.showAbout = false;
  start.singleInstance = false;
  quantora::TForm1 form(start);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    std::fprintf(stderr, "scroll_load: the window was never exposed\n");
    return 1;
  }
  QCoreApplication::processEvents();  // the start-up sequence
  QWindow* window = form.windowHandle();
  if (withSpectrum) {
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    if (!form.Spectrum || !form.Spectrum->isVisible() || !QTest::qWaitForWindowExposed(form.Spectrum)) {
      std::fprintf(stderr, "scroll_load: Ctrl+F showed no spectrum window\n");
      return 1;
    }
    app.otherWindow = form.Spectrum;
    app.otherChart = form.Spectrum->RCSpectrum;
  }
  form.activateWindow();
  QApplication::setActiveWindow(&form);
  form.SBarSampleFreq->setFocus();
  QCoreApplication::processEvents();

  app.mainWindow = &form;
  app.charts[0] = form.RCSig;
  app.charts[1] = form.RCSample;
  QScrollBar* bar = form.SBarSampleFreq;
  std::vector<double> wall, cpu, spectrumAfter;
  wall.reserve(std::size_t(changes));
  cpu.reserve(std::size_t(changes));
  std::map<int, std::vector<double>> cpuByInterval;
  long failed = 0;
  bool up = true;
  for (long n = 0; n < changes; ++n) {
    if (bar->value() == bar->maximum()) up = false;
    if (bar->value() == bar->minimum()) up = true;
    const Qt::Key key = up ? Qt::Key_Right : Qt::Key_Left;
    const int valueBefore = bar->value();
    app.Arm();
    const double wallBegin = WallMicroseconds();
    const double cpuBegin = ThreadMicroseconds();
    QTest::keyPress(window, key);  // delivered through the window system, events processed
    RunUntil([&app] { return app.MainDone(); });
    QTest::keyRelease(window, key);
    if (withSpectrum) RunUntil([&app] { return app.OtherDone(); });
    QCoreApplication::processEvents();  // whatever is left: idle before the next press
    if (bar->value() == valueBefore || !app.MainDone() || (withSpectrum && !app.OtherDone())) {
      ++failed;
      continue;
    }
    wall.push_back(app.mainWall - wallBegin);
    cpu.push_back(app.mainCpu - cpuBegin);
    if (withSpectrum) spectrumAfter.push_back(app.otherWall - app.mainWall);
    if (byInterval) cpuByInterval[bar->value()].push_back(app.mainCpu - cpuBegin);
  }
  std::printf("%ld changes%s, platform %s\n", changes, withSpectrum ? " with the spectrum window open" : "",
              qPrintable(QGuiApplication::platformName()));
  Print("wall clock", wall);
  Print("thread processor", cpu);
  Print("spectrum shown after that", spectrumAfter);
  for (auto& [interval, values] : cpuByInterval)
    std::printf("T = %3d ns: median processor %.3f ms\n", interval, Percentiles(values).median / 1000);
  if (failed) {
    std::printf("%ld presses changed nothing or were never shown\n", failed);
    return 1;
  }
  return 0;
}
