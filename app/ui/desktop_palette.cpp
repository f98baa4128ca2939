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

// Decided once per palette, not at every paint: building the style's standard
// palette to compare with is not cheap.
bool gDesktopPaletteInForce = false;

void TakeScheme() {
  gDesktopPaletteInForce = QApplication::palette() != QApplication::style()->standardPalette();
  vqm::SetThemeColors(gDesktopPaletteInForce ? vqm::ThemeColorsFrom(QApplication::palette())
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

bool DesktopPaletteInForce() { return gDesktopPaletteInForce; }

void FollowDesktopPalette() {
  TakeScheme();
  static QObject* watch = nullptr;
  if (watch) return;
  watch = new TPaletteWatch(qApp);  // ends with the application
  qApp->installEventFilter(watch);
}

}  // namespace quantora
