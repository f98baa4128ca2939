#pragma once
// The component gallery: each part renders its components in their modes to PNG
// files in the given folder and returns how many it wrote.

#include <QString>
#include <memory>

namespace quantora {
class TForm1;
struct TFormStart;
}  // namespace quantora

namespace gallery {

// The main window from `start`, without the About dialog or the single-instance
// lock, shown off screen after its start-up sequence.
std::unique_ptr<quantora::TForm1> ShownOffScreen(quantora::TFormStart start);

int RenderScales(const QString& folder);
int RenderDateTimeAxes(const QString& folder);
int RenderReadouts(const QString& folder);
int RenderCharts(const QString& folder);
int RenderChartOverlays(const QString& folder);
int RenderChartMouse(const QString& folder);
int RenderWindows(const QString& folder);
// The window at device pixel ratios 1, 1.5 and 2, and a detail side by side.
int RenderHighDensity(const QString& folder);
// The main window as the README shows it (docs/window.png), to `file`.
bool RenderReadmePicture(const QString& file);

}  // namespace gallery
