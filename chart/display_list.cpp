#include "chart/display_list.h"

#include <QMessageBox>
#include <algorithm>
#include <limits>
#include <new>

namespace vqm {

namespace {

TDisplayList::TInformationBox& InformationBox() {
  static TDisplayList::TInformationBox box;
  return box;
}

TDisplayList::TAllocationHook& AllocationHook() {
  static TDisplayList::TAllocationHook hook;
  return hook;
}

}  // namespace

TDisplayList::TDisplayList(TCustomRChart* host) : fHost(host) {}

TDisplayList::~TDisplayList() {
  // Nobody may keep a pointer to a list that is gone: leave the owner's group and
  // give each list that shows this one the items as its own copy.
  Detach();
  for (int i = 0; i < fSharerCount; ++i) {
    TDisplayList* s = fSharers[std::size_t(i)];
    s->fOwner = nullptr;
    s->TakeOwnCopy();
  }
}

void TDisplayList::SetInformationBox(TInformationBox box) { InformationBox() = std::move(box); }

void TDisplayList::ShowInformation(const QString& message) {
  if (InformationBox()) {
    InformationBox()(message);
    return;
  }
  QMessageBox::information(nullptr, QString(), message, QMessageBox::Ok);
}

void TDisplayList::SetAllocationHook(TAllocationHook hook) { AllocationHook() = std::move(hook); }

void TDisplayList::SetAllocSize(int value) {
  if (value >= 1 && value <= kMaxAllocSize) fAllocSize = value;
}

void TDisplayList::SetClassDefault(std::uint8_t c) {
  if (c != 255) fState.ClassDefault = c;
}

void TDisplayList::Grow() {
  const std::size_t newLength = std::size_t(Capacity()) + std::size_t(fAllocSize);
  if (AllocationHook()) AllocationHook()(newLength);
  // An array that only this list references grows in place (resize keeps the
  // entries and leaves everything unchanged if it throws). A shared array is copied: the partners keep the old one until
  // propagation hands them this one.
  if (!fArray && fSpare) {
    fSpare->resize(newLength);
    fArray = std::move(fSpare);
    return;
  }
  if (fArray && fArray.use_count() == 1) {
    fArray->resize(newLength);
    return;
  }
  auto grown = std::make_shared<TItemArray>(newLength);
  if (fArray) std::copy(fArray->begin(), fArray->end(), grown->begin());
  fArray = std::move(grown);
}

// A new item of the kind with the drawing state. The storage is not
// zero-filled beforehand; copying a blank item is a few wide moves, where
// assigning TChartItem{} becomes a slow string store.
void TDisplayList::Stamp(TChartItem& item, TItemKind kind) const {
  static constexpr TChartItem kBlank{};
  item = kBlank;
  item.Kind = kind;
  item.Layer = fState.ActiveLayer;
  item.Class = fState.ClassDefault;
  item.Color = fState.DataColor;
  item.PenStyle = fState.PenStyle;
  item.ItemTag = fState.ItemTag;
  item.LineWidth = fState.LineWidth;
}

TChartItem& TDisplayList::Append(TItemKind kind) {
  if (fCount >= Capacity()) Grow();
  TChartItem& item = (*fArray)[std::size_t(fCount)];
  Stamp(item, kind);
  ++fKindCounters[kind];
  ++fCount;
  return item;
}

void TDisplayList::MoveTo(double x, double y) {
  TChartItem& item = Append(ikMoveTo);
  item.X1 = x;
  item.Y1 = y;
  Propagate();
}

void TDisplayList::DrawTo(double x, double y) {
  TChartItem& item = Append(ikDrawTo);
  item.X1 = x;
  item.Y1 = y;
  Propagate();
}

void TDisplayList::DrawTo(std::span<const double> x, std::span<const double> y) {
  const std::size_t count = std::min(x.size(), y.size());
  if (count == 0) return;
  if (count > std::size_t(std::numeric_limits<int>::max() - fCount)) throw std::bad_alloc();
  // Grown step by step, as the points one by one would have grown it.
  while (std::size_t(Capacity() - fCount) < count) Grow();
  TChartItem model;
  Stamp(model, ikDrawTo);
  TChartItem* item = fArray->data() + fCount;
  for (std::size_t i = 0; i < count; ++i, ++item) {
    *item = model;
    item->X1 = x[i];
    item->Y1 = y[i];
  }
  fKindCounters[ikDrawTo] += std::int32_t(count);
  fCount += int(count);
  Propagate();
}

void TDisplayList::Line(double x1, double y1, double x2, double y2) {
  TChartItem& item = Append(ikLine);
  item.X1 = x1;
  item.Y1 = y1;
  item.X2 = x2;
  item.Y2 = y2;
  Propagate();
}

void TDisplayList::Clear() {
  fCount = 0;
  // The list's array is released; its storage is kept aside for the next
  // growth when nobody else references it, so that rebuilding a list of the
  // same length costs no new memory.
  if (fArray && fArray.use_count() == 1) {
    fArray->clear();
    fSpare = std::move(fArray);
  }
  fArray.reset();
  fKindCounters.fill(0);
  Propagate();
}

void TDisplayList::TakeShared(const TDisplayList& from) {
  fArray = from.fArray;
  fCount = from.fCount;
  fKindCounters = from.fKindCounters;
}

void TDisplayList::PropagateToPartners() {
  if (fOwner) {
    fOwner->TakeShared(*this);
    for (int i = 0; i < fOwner->fSharerCount; ++i) {
      TDisplayList* s = fOwner->fSharers[std::size_t(i)];
      if (s != this) s->TakeShared(*this);
    }
  }
  for (int i = 0; i < fSharerCount; ++i) fSharers[std::size_t(i)]->TakeShared(*this);
}

void TDisplayList::AskRepaint() const {
  if (RepaintRequest) RepaintRequest();
}

void TDisplayList::RequestPartnerRepaints() {
  // A list that shows another one is itself in its owner's sharing list, so it
  // is asked too: its axes and surroundings follow the shared items.
  if (fOwner) {
    fOwner->AskRepaint();
    for (int i = 0; i < fOwner->fSharerCount; ++i) fOwner->fSharers[std::size_t(i)]->AskRepaint();
  }
  for (int i = 0; i < fSharerCount; ++i) fSharers[std::size_t(i)]->AskRepaint();
}

// A list that stops sharing keeps its items and count, but in an array of its
// own: appends inside the shared capacity would otherwise write into the items
// of the lists it shared with.
void TDisplayList::TakeOwnCopy() {
  if (fArray && fArray.use_count() > 1) fArray = std::make_shared<TItemArray>(*fArray);
}

void TDisplayList::Detach() {
  if (!fOwner) return;
  auto& list = fOwner->fSharers;
  const auto end = list.begin() + fOwner->fSharerCount;
  const auto it = std::find(list.begin(), end, this);
  if (it != end) {
    std::move(it + 1, end, it);
    list[std::size_t(--fOwner->fSharerCount)] = nullptr;
  }
  fOwner = nullptr;
}

void TDisplayList::UseDataOf(TDisplayList* v) {
  if (v == this) {
    ShowInformation(QStringLiteral("RChart: Cannot share data with myself"));
    return;
  }
  if (fSharerCount > 0) {
    ShowInformation(QStringLiteral("RChart: Cannot use foreign data. Other RCharts are using my own data."));
    return;
  }
  if (v == fOwner) return;
  if (!v) {
    Detach();
    TakeOwnCopy();  // keeps the items and count it last shared
    AskRepaint();
    return;
  }
  if (v->fOwner) v = v->fOwner;  // sharing is one level deep
  if (v->fSharerCount >= kMaxSharers) {
    ShowInformation(QStringLiteral("RChart: Max. number of data shares exceeded"));
    return;
  }
  Detach();
  fOwner = v;
  TakeShared(*v);
  v->fSharers[std::size_t(v->fSharerCount++)] = this;
  AskRepaint();
}

}  // namespace vqm
