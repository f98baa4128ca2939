#include "desktop_palette.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>

#include "chart/rchart.h"
#include "design.h"
#include "drawbase/palette_scheme.h"
#include "numlab/numlab.h"

namespace quantora {

namespace {

void TakeScheme() {
  vqm::SetThemeColors(DesktopPaletteInForce() ? vqm::ThemeColorsFrom(QApplication::palette())
                                              : vqm::ClassicThemeColors());
}

void RepaintWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    ApplyDesignColorsAgain(window);
    // The charts keep their pictures: they are drawn again with the new scheme.
    for (vqm::TCustomRChart* chart : window->findChildren<vqm::TCustomRChart*>()) {
      chart->Paint();
      chart->update();
    }
    for (vqm::TNumLab* readout : window->findChildren<vqm::TNumLab*>()) readout->update();
    window->update();
  }
}

// Watches the application for a change of its palette (the desktop switching
// to a high-contrast scheme while the program runs).
class TPaletteWatch : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
      TakeScheme();
      RepaintWindows();
    }
    return false;
  }
};

}  // namespace

bool DesktopPaletteInForce() { return QApplication::palette() != QApplication::style()->standardPalette(); }

void FollowDesktopPalette() {
  TakeScheme();
  static QObject* watch = nullptr;
  if (watch) return;
  watch = new TPaletteWatch(qApp);  // ends with the application
  qApp->installEventFilter(watch);
}

}  // namespace quantora
