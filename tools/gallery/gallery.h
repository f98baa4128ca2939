#pragma once
// The component gallery: each part renders its components in their modes to PNG
// files in the given folder and returns how many it wrote.

#include <QString>

namespace gallery {

int RenderScales(const QString& folder);
int RenderDateTimeAxes(const QString& folder);
int RenderReadouts(const QString& folder);
int RenderCharts(const QString& folder);
int RenderChartOverlays(const QString& folder);
int RenderChartMouse(const QString& folder);
int RenderWindows(const QString& folder);
int RenderHighDensity(const QString& folder);
// The main window as the README shows it (docs/window.png), to `file`.
bool RenderReadmePicture(const QString& file);

}  // namespace gallery
