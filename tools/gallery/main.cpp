// gallery FOLDER: renders every component of the library in its modes to PNG
// files in FOLDER. Doubles as a smoke test and as the picture to look at. It
// also keeps the README's picture of the window (docs/window.png) current.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "gallery.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallery FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "gallery: cannot create folder %s\n", argv[1]);
    return 1;
  }
  const int written = gallery::RenderScales(folder) + gallery::RenderDateTimeAxes(folder) +
                      gallery::RenderReadouts(folder) + gallery::RenderCharts(folder) +
                      gallery::RenderChartOverlays(folder) + gallery::RenderChartMouse(folder) +
                      gallery::RenderWindows(folder) + gallery::RenderHighDensity(folder);
  std::printf("gallery: %d pictures written to %s\n", written, argv[1]);
  const QString readmePicture = QStringLiteral(QUANTORA_DOCS_DIR "/window.png");
  if (!gallery::RenderReadmePicture(readmePicture)) {
    std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(readmePicture));
    return 1;
  }
  std::printf("gallery: the README's picture written to %s\n", qPrintable(readmePicture));
  return 0;
}
