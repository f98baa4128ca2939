#pragma once
// The application's chart cursor slots 1..4: 1 pan, 2 zoom window, 3 zoom drag,
// 4 zoom window keeping the axes' direction. The first chart created registers
// the library's own images in the slots that are still empty; an application
// replaces or clears a slot with SetChartCursor. A slot without an image shows
// the default cursor.

#include <QCursor>
#include <optional>

namespace vqm {

constexpr int kChartCursorSlots = 4;

// Nothing for an empty slot or a number outside 1..4.
std::optional<QCursor> ChartCursor(int slot);
// Ignored for a number outside 1..4; std::nullopt empties the slot.
void SetChartCursor(int slot, std::optional<QCursor> cursor);
// Puts the library's images into the empty slots, once per application.
void RegisterDefaultChartCursors();

}  // namespace vqm
