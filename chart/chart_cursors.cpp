#include "chart/chart_cursors.h"

#include <QPixmap>
#include <array>
#include <cstdio>

#include "chart/cursors/cursor_pan.xpm"
#include "chart/cursors/cursor_zoom_drag.xpm"
#include "chart/cursors/cursor_zoom_window.xpm"
#include "chart/cursors/cursor_zoom_window_pos.xpm"

namespace vqm {

namespace {

struct TCursorTable {
  std::array<std::optional<QCursor>, kChartCursorSlots> cursors;
  bool defaultsRegistered = false;
};

TCursorTable& Table() {
  static TCursorTable table;
  return table;
}

// An XPM image with its hot spot (the values after the size in its first line).
QCursor FromXpm(const char* const* xpm) {
  int w = 0, h = 0, colours = 0, chars = 0, hotX = 0, hotY = 0;
  std::sscanf(xpm[0], "%d %d %d %d %d %d", &w, &h, &colours, &chars, &hotX, &hotY);
  return QCursor(QPixmap(xpm), hotX, hotY);
}

}  // namespace

std::optional<QCursor> ChartCursor(int slot) {
  if (slot < 1 || slot > kChartCursorSlots) return std::nullopt;
  return Table().cursors[std::size_t(slot - 1)];
}

void SetChartCursor(int slot, std::optional<QCursor> cursor) {
  if (slot < 1 || slot > kChartCursorSlots) return;
  Table().cursors[std::size_t(slot - 1)] = std::move(cursor);
}

void RegisterDefaultChartCursors() {
  TCursorTable& t = Table();
  if (t.defaultsRegistered) return;
  t.defaultsRegistered = true;
  const char* const* images[kChartCursorSlots] = {cursor_pan_xpm, cursor_zoom_window_xpm, cursor_zoom_drag_xpm,
                                                  cursor_zoom_window_pos_xpm};
  for (int i = 0; i < kChartCursorSlots; ++i)
    if (!t.cursors[std::size_t(i)]) t.cursors[std::size_t(i)] = FromXpm(images[i]);
}

}  // namespace vqm
