#pragma once
// The display list of a chart: the growing array of drawing items, the drawing
// state that every append copies into its item, the per-kind counters, and the
// sharing of one list by several charts. No window is needed for any of it; the
// chart plugs in how it repaints and who it is.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "chart/chart_item.h"
#include "chart/joint_layers.h"

namespace vqm {

class TCustomRChart;

// The state an append copies into its new item.
struct TDrawingState {
  TColor DataColor = clBlack;        // copied into Color
  TPenStyle PenStyle = psSolid;      // copied into PenStyle
  std::uint8_t LineWidth = 1;        // copied into LineWidth
  std::uint8_t ClassDefault = 0;     // copied into Class; 0..254 (255 is refused)
  std::int32_t ActiveLayer = 1;      // copied into Layer
  std::int32_t ItemTag = 0;          // copied into ItemTag; nothing here changes it
  TColor FillColor = clSilver;       // brush of the filled kinds; not copied by the three appends
};

// Storage of the items that leaves new entries unwritten when it grows: every
// entry below the count is written whole by its append, and the list reads the
// entries above the count as empty items, which is what growth made them.
template <typename T>
struct TUnfilledAllocator : std::allocator<T> {
  TUnfilledAllocator() = default;
  template <typename U>
  TUnfilledAllocator(const TUnfilledAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U*) noexcept {}
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

class TDisplayList {
 public:
  static constexpr int kMaxSharers = 4;
  static constexpr int kDefaultAllocSize = 1000;
  static constexpr int kMaxAllocSize = 1000000;

  using TKindCounters = std::array<std::int32_t, kItemKindCount>;
  using TItemArray = std::vector<TChartItem, TUnfilledAllocator<TChartItem>>;
  // Shows a refusal to share data; the default is a modal information box.
  using TInformationBox = std::function<void(const QString& message)>;
  // Runs before the array grows to the given number of entries; it may throw
  // std::bad_alloc, as the allocation itself may.
  using TAllocationHook = std::function<void(std::size_t newLength)>;

  explicit TDisplayList(TCustomRChart* host = nullptr);
  ~TDisplayList();
  TDisplayList(const TDisplayList&) = delete;
  TDisplayList& operator=(const TDisplayList&) = delete;

  // The three appends; coordinates are stored as given (world units of the layer).
  void MoveTo(double x, double y);
  void DrawTo(double x, double y);
  void Line(double x1, double y1, double x2, double y2);
  // DrawTo(x[i], y[i]) for every i of the shorter span, in one call: the
  // array grows and the partners hear of it once, not once per point.
  void DrawTo(std::span<const double> x, std::span<const double> y);
  // Empties the list and releases the array (capacity 0), counters to 0.
  void Clear();

  int Count() const { return fCount; }
  int Capacity() const { return fArray ? int(fArray->size()) : 0; }
  // Entries between the count and the capacity are empty (zero) items.
  const TChartItem& Item(int index) const {
    static constexpr TChartItem kEmpty{};
    return index < fCount ? (*fArray)[std::size_t(index)] : kEmpty;
  }
  const TChartItem* Items() const { return fArray ? fArray->data() : nullptr; }
  const TKindCounters& KindCounters() const { return fKindCounters; }

  // Growth step in items; values outside 1 .. 1000000 are ignored.
  int AllocSize() const { return fAllocSize; }
  void SetAllocSize(int value);

  const TDrawingState& State() const { return fState; }
  void SetDataColor(TColor c) { fState.DataColor = c; }
  void SetPenStyle(TPenStyle s) { fState.PenStyle = s; }
  void SetLineWidth(std::uint8_t w) { fState.LineWidth = w; }
  void SetFillColor(TColor c) { fState.FillColor = c; }
  // The layer new items go to; a number outside 1..16 is ignored.
  void SetActiveLayer(int layer) {
    if (layer >= 1 && layer <= kLayerCount) fState.ActiveLayer = layer;
  }
  // 255 is reserved and ignored.
  void SetClassDefault(std::uint8_t c);

  // Sharing. The owner is the list this one shows; sharers show this one's list.
  TDisplayList* Owner() const { return fOwner; }
  int SharerCount() const { return fSharerCount; }
  TDisplayList* Sharer(int i) const { return fSharers[std::size_t(i)]; }
  // Shows the list of v (nullptr: stop sharing). Refusals go to the information box.
  void UseDataOf(TDisplayList* v);
  // Hands this list's array, count and counters to every partner of its group.
  void Propagate() {
    if (fOwner || fSharerCount > 0) PropagateToPartners();
  }
  // Asks the owner, every list in the owner's sharing list (this one among
  // them) and this list's sharers to repaint.
  void RequestPartnerRepaints();
  TCustomRChart* Host() const { return fHost; }

  // How this list's chart is asked to repaint (set by the chart).
  std::function<void()> RepaintRequest;

  // The one place refusals are shown; tests replace it. nullptr restores the default.
  static void SetInformationBox(TInformationBox box);
  static void ShowInformation(const QString& message);
  // Test seam for running out of memory while growing; nullptr removes it.
  static void SetAllocationHook(TAllocationHook hook);

 private:
  TChartItem& Append(TItemKind kind);
  void Stamp(TChartItem& item, TItemKind kind) const;
  void PropagateToPartners();
  void Grow();
  void Detach();
  void TakeOwnCopy();
  void TakeShared(const TDisplayList& from);
  void AskRepaint() const;

  TCustomRChart* fHost;
  std::shared_ptr<TItemArray> fArray;  // shared by a sharing group; replaced on growth
  std::shared_ptr<TItemArray> fSpare;  // storage of a released array, reused by this list only
  int fCount = 0;
  int fAllocSize = kDefaultAllocSize;
  TKindCounters fKindCounters{1};  // kind 0 starts at 1, as a new chart has it
  TDrawingState fState;
  TDisplayList* fOwner = nullptr;
  std::array<TDisplayList*, kMaxSharers> fSharers{};
  int fSharerCount = 0;
};

}  // namespace vqm
