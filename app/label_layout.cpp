#include "app/label_layout.h"

#include <algorithm>
#include <numeric>

namespace quantora {

bool Overlap(const TLabelBox& a, const TLabelBox& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

namespace {

// The first box placed before that `box` runs into, or nullptr.
const TLabelBox* Collision(const TLabelBox& box, const std::vector<const TLabelBox*>& placed) {
  for (const TLabelBox* other : placed)
    if (Overlap(box, *other)) return other;
  return nullptr;
}

// `box` moved in steps of its row (height + gap) in `direction` (-1 up, +1
// down) until it is clear. Each step clears at least the box it ran into, so
// it ends after at most one step per placed box.
TLabelBox Clear(TLabelBox box, const std::vector<const TLabelBox*>& placed, int direction, double gap) {
  while (const TLabelBox* hit = Collision(box, placed))
    box.top = direction < 0 ? hit->top - gap - box.height : hit->Bottom() + gap;
  return box;
}

}  // namespace

std::vector<TLabelBox> LayOutLabels(const std::vector<TLabelBox>& wanted, double areaTop, double gap) {
  std::vector<std::size_t> order(wanted.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&wanted](std::size_t a, std::size_t b) { return wanted[a].left < wanted[b].left; });
  std::vector<TLabelBox> placed(wanted);
  std::vector<const TLabelBox*> done;
  done.reserve(wanted.size());
  for (std::size_t i : order) {
    TLabelBox box = Clear(wanted[i], done, -1, gap);
    if (box.top < areaTop) box = Clear(wanted[i], done, +1, gap);
    placed[i] = box;
    done.push_back(&placed[i]);
  }
  return placed;
}

}  // namespace quantora
