// The display list: appends, growth in blocks, drawing state, counters and the
// sharing of one list by several charts.
#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "chart/display_list.h"

namespace vqm {
namespace {

// Collects the refusal messages instead of showing a box.
class InfoBoxCapture {
 public:
  InfoBoxCapture() {
    TDisplayList::SetInformationBox([this](const QString& m) { messages.push_back(m); });
  }
  ~InfoBoxCapture() { TDisplayList::SetInformationBox(nullptr); }
  std::vector<QString> messages;
};

TEST(DisplayList, NewListIsEmptyWithKindZeroCounted) {
  TDisplayList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
  EXPECT_EQ(list.AllocSize(), 1000);
  EXPECT_EQ(list.KindCounters()[0], 1);
  for (int k = 1; k < kItemKindCount; ++k) EXPECT_EQ(list.KindCounters()[std::size_t(k)], 0);
}

TEST(DisplayList, GrowsInBlocksOfAllocSize) {
  TDisplayList list;
  list.DrawTo(0, 0);
  EXPECT_EQ(list.Capacity(), 1000);
  for (int i = 1; i < 1000; ++i) list.DrawTo(i, i);
  EXPECT_EQ(list.Count(), 1000);
  EXPECT_EQ(list.Capacity(), 1000);
  list.DrawTo(1000, 1000);
  EXPECT_EQ(list.Count(), 1001);
  EXPECT_EQ(list.Capacity(), 2000);
  EXPECT_EQ(list.Item(999).X1, 999);  // kept across the growth
  EXPECT_EQ(list.Item(1500).Kind, ikNone);  // new entries are zero
}

// Points in one call: the same items, growth and counters as one by one, up
// to the shorter span, and a list that shows this one sees them.
TEST(DisplayList, PointsInOneCallAreThePointsOneByOne) {
  TDisplayList single, bulk, viewer;
  viewer.UseDataOf(&bulk);
  std::vector<double> x(2500), y(2501);
  for (std::size_t i = 0; i < y.size(); ++i) y[i] = 0.5 * double(i) - 7;
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = double(i) / 3;
  for (TDisplayList* list : {&single, &bulk}) {
    list->MoveTo(-1, -2);
    list->SetDataColor(clRed);
    list->SetActiveLayer(3);
    list->SetLineWidth(2);
  }
  for (std::size_t i = 0; i < x.size(); ++i) single.DrawTo(x[i], y[i]);
  bulk.DrawTo(x, y);
  ASSERT_EQ(bulk.Count(), 2501);
  EXPECT_EQ(bulk.Capacity(), single.Capacity());
  EXPECT_EQ(bulk.KindCounters(), single.KindCounters());
  EXPECT_EQ(viewer.Count(), 2501);
  for (int i = 0; i < bulk.Count(); ++i) {
    const TChartItem &a = single.Item(i), &b = bulk.Item(i);
    EXPECT_TRUE(a.Kind == b.Kind && a.X1 == b.X1 && a.Y1 == b.Y1 && a.Color == b.Color && a.Layer == b.Layer &&
                a.LineWidth == b.LineWidth && a.PenStyle == b.PenStyle && a.Class == b.Class)
        << i;
  }
}

TEST(DisplayList, AllocSizeOutsideItsRangeIsIgnored) {
  TDisplayList list;
  list.SetAllocSize(0);
  list.SetAllocSize(1000001);
  list.SetAllocSize(-5);
  EXPECT_EQ(list.AllocSize(), 1000);
  list.SetAllocSize(1);
  EXPECT_EQ(list.AllocSize(), 1);
  list.SetAllocSize(1000000);
  EXPECT_EQ(list.AllocSize(), 1000000);
}

TEST(DisplayList, AppendsCopyTheDrawingStateAtTheMomentOfTheCall) {
  TDisplayList list;
  list.MoveTo(1, 2);
  list.DrawTo(3, 4);
  list.SetDataColor(clRed);
  list.SetPenStyle(psDash);
  list.SetLineWidth(3);
  list.SetClassDefault(7);
  list.DrawTo(5, 6);
  for (int layer : {5, 0, 17}) list.SetActiveLayer(layer);  // numbers outside 1..16 are ignored
  list.Line(7, 8, 9, 10);
  ASSERT_EQ(list.Count(), 4);
  const TChartItem& move = list.Item(0);
  EXPECT_EQ(move.Kind, ikMoveTo);
  EXPECT_EQ(move.Color, clBlack);
  EXPECT_EQ(move.LineWidth, 1);
  EXPECT_EQ(move.Layer, 1);
  EXPECT_EQ(list.Item(1).Color, clBlack);  // unchanged by the later colour
  const TChartItem& red = list.Item(2);
  EXPECT_EQ(red.Kind, ikDrawTo);
  EXPECT_EQ(red.Color, clRed);
  EXPECT_EQ(red.PenStyle, psDash);
  EXPECT_EQ(red.LineWidth, 3);
  EXPECT_EQ(red.Class, 7);
  const TChartItem& line = list.Item(3);
  EXPECT_EQ(line.Kind, ikLine);
  EXPECT_EQ(line.X1, 7);
  EXPECT_EQ(line.Y1, 8);
  EXPECT_EQ(line.X2, 9);
  EXPECT_EQ(line.Y2, 10);
  EXPECT_EQ(line.Layer, 5);
  EXPECT_EQ(line.FillColor, 0u);  // the appends do not copy the fill colour
  EXPECT_EQ(list.KindCounters()[ikMoveTo], 1);
  EXPECT_EQ(list.KindCounters()[ikDrawTo], 2);
  EXPECT_EQ(list.KindCounters()[ikLine], 1);
}

TEST(DisplayList, ClassDefault255IsRefused) {
  TDisplayList list;
  list.SetClassDefault(254);
  list.SetClassDefault(255);
  EXPECT_EQ(list.State().ClassDefault, 254);
}

TEST(DisplayList, ClearReleasesTheArrayAndZeroesEveryCounter) {
  TDisplayList list;
  list.MoveTo(0, 0);
  list.DrawTo(1, 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
  for (int k = 0; k < kItemKindCount; ++k) EXPECT_EQ(list.KindCounters()[std::size_t(k)], 0);
  list.DrawTo(2, 2);  // a fresh block afterwards
  EXPECT_EQ(list.Capacity(), 1000);
  EXPECT_EQ(list.Item(0).X1, 2);
}

TEST(DisplayList, RunningOutOfMemoryLeavesCountAndCapacity) {
  TDisplayList list;
  list.SetAllocSize(10);
  for (int i = 0; i < 10; ++i) list.DrawTo(i, i);
  TDisplayList::SetAllocationHook([](std::size_t) { throw std::bad_alloc(); });
  EXPECT_THROW(list.DrawTo(10, 10), std::bad_alloc);
  TDisplayList::SetAllocationHook(nullptr);
  EXPECT_EQ(list.Count(), 10);
  EXPECT_EQ(list.Capacity(), 10);
  EXPECT_EQ(list.KindCounters()[ikDrawTo], 10);
  list.DrawTo(10, 10);  // and the list still works
  EXPECT_EQ(list.Count(), 11);
  EXPECT_EQ(list.Capacity(), 20);
}

TEST(DisplayListSharing, TheThreeRefusalsShowTheirMessagesAndChangeNothing) {
  InfoBoxCapture box;
  TDisplayList a, b, c, d, e, f;
  a.UseDataOf(&a);
  EXPECT_EQ(a.Owner(), nullptr);

  b.UseDataOf(&a);
  c.UseDataOf(&a);
  d.UseDataOf(&a);
  e.UseDataOf(&a);
  f.UseDataOf(&a);  // a fifth
  EXPECT_EQ(f.Owner(), nullptr);
  EXPECT_EQ(a.SharerCount(), 4);

  a.UseDataOf(&f);  // a's own list is in use
  EXPECT_EQ(a.Owner(), nullptr);
  b.UseDataOf(&c);  // a member of the full group joining it again through another member
  b.UseDataOf(&a);  // its own owner: nothing to do, nothing to say
  EXPECT_EQ(a.Sharer(0), &b);
  ASSERT_EQ(box.messages.size(), 4u);
  EXPECT_EQ(box.messages[0], "RChart: Cannot share data with myself");
  EXPECT_EQ(box.messages[1], "RChart: Max. number of data shares exceeded");
  EXPECT_EQ(box.messages[2], "RChart: Cannot use foreign data. Other RCharts are using my own data.");
  EXPECT_EQ(box.messages[3], "RChart: Max. number of data shares exceeded");
  e.UseDataOf(nullptr);
  b.UseDataOf(&c);  // with room, it joins again at the end
  ASSERT_EQ(a.SharerCount(), 3);
  EXPECT_EQ(a.Sharer(2), &b);
  EXPECT_EQ(box.messages.size(), 4u);
}

TEST(DisplayListSharing, SharersSeeTheOwnersAppendsAndGrowth) {
  TDisplayList a, b;
  a.SetAllocSize(2);
  a.DrawTo(1, 1);
  b.UseDataOf(&a);
  EXPECT_EQ(b.Count(), 1);
  EXPECT_EQ(b.Items(), a.Items());  // the same array, no copy
  a.DrawTo(2, 2);
  a.DrawTo(3, 3);  // grows into a fresh array
  EXPECT_EQ(b.Count(), 3);
  EXPECT_EQ(b.Items(), a.Items());
  EXPECT_EQ(b.KindCounters()[ikDrawTo], 3);
  a.Clear();
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(b.Capacity(), 0);
}

TEST(DisplayListSharing, AppendsOfASharerReachTheWholeGroup) {
  TDisplayList a, b, c;
  b.UseDataOf(&a);
  c.UseDataOf(&a);
  b.MoveTo(5, 5);
  EXPECT_EQ(a.Count(), 1);
  EXPECT_EQ(c.Count(), 1);
  EXPECT_EQ(c.Items(), b.Items());
}

TEST(DisplayListSharing, UsingASharerSharesItsOwnerOneLevelDeep) {
  TDisplayList a, b, c;
  c.UseDataOf(&a);
  b.UseDataOf(&c);
  EXPECT_EQ(b.Owner(), &a);
  EXPECT_EQ(a.SharerCount(), 2);
  EXPECT_EQ(c.SharerCount(), 0);
}

TEST(DisplayListSharing, StoppingKeepsTheLastArrayAndMovesTheOthersUp) {
  TDisplayList a, b, c, d;
  a.DrawTo(1, 1);
  b.UseDataOf(&a);
  c.UseDataOf(&a);
  d.UseDataOf(&a);
  c.UseDataOf(nullptr);
  EXPECT_EQ(c.Owner(), nullptr);
  EXPECT_EQ(c.Count(), 1);
  ASSERT_EQ(a.SharerCount(), 2);
  EXPECT_EQ(a.Sharer(0), &b);
  EXPECT_EQ(a.Sharer(1), &d);
  a.DrawTo(2, 2);
  EXPECT_EQ(c.Count(), 1);  // no longer follows
  EXPECT_EQ(d.Count(), 2);
}

TEST(DisplayListSharing, RepaintRequestsGoToTheWholeGroup) {
  TDisplayList a, b, c;
  int paintsA = 0, paintsB = 0, paintsC = 0;
  a.RepaintRequest = [&] { ++paintsA; };
  b.RepaintRequest = [&] { ++paintsB; };
  c.RepaintRequest = [&] { ++paintsC; };
  b.UseDataOf(&a);
  c.UseDataOf(&a);
  paintsA = paintsB = paintsC = 0;
  b.RequestPartnerRepaints();  // b is in its owner's list, so b is asked too
  EXPECT_EQ(paintsA, 1);
  EXPECT_EQ(paintsB, 1);
  EXPECT_EQ(paintsC, 1);
  a.RequestPartnerRepaints();
  EXPECT_EQ(paintsA, 1);
  EXPECT_EQ(paintsB, 2);
  EXPECT_EQ(paintsC, 2);
}

TEST(DisplayListSharing, DestroyingAnOwnerOrASharerLeavesNoDanglingPartner) {
  TDisplayList a;
  a.DrawTo(1, 1);
  auto b = std::make_unique<TDisplayList>();
  auto c = std::make_unique<TDisplayList>();
  b->UseDataOf(&a);
  c->UseDataOf(&a);
  b.reset();
  ASSERT_EQ(a.SharerCount(), 1);
  EXPECT_EQ(a.Sharer(0), c.get());
  a.DrawTo(2, 2);
  EXPECT_EQ(c->Count(), 2);

  auto owner = std::make_unique<TDisplayList>();
  TDisplayList e;
  owner->DrawTo(7, 7);
  e.UseDataOf(owner.get());
  owner.reset();
  EXPECT_EQ(e.Owner(), nullptr);
  ASSERT_EQ(e.Count(), 1);
  EXPECT_EQ(e.Item(0).X1, 7);  // the array outlives its first owner
  e.DrawTo(8, 8);
  EXPECT_EQ(e.Count(), 2);
}

// Both ways of leaving a group: every list that stops sharing keeps its items
// and count, and from then on appends only to its own copy.
TEST(DisplayListSharing, ListsThatStopSharingAppendOnlyToTheirOwnItems) {
  enum class Leave { SetToNone, OwnerDestroyed };
  for (Leave leave : {Leave::SetToNone, Leave::OwnerDestroyed}) {
    SCOPED_TRACE(int(leave));
    auto owner = std::make_unique<TDisplayList>();
    TDisplayList b, c;
    owner->DrawTo(7, 7);
    b.UseDataOf(owner.get());
    c.UseDataOf(owner.get());
    std::vector<TDisplayList*> lists{&b, &c};
    if (leave == Leave::SetToNone) {
      b.UseDataOf(nullptr);
      c.UseDataOf(nullptr);
      lists.push_back(owner.get());
    } else {
      owner.reset();
    }
    for (std::size_t i = 0; i < lists.size(); ++i) {
      EXPECT_EQ(lists[i]->Owner(), nullptr);
      lists[i]->DrawTo(double(i), 0);
    }
    for (std::size_t i = 0; i < lists.size(); ++i) {
      ASSERT_EQ(lists[i]->Count(), 2);
      EXPECT_EQ(lists[i]->Item(0).X1, 7);
      EXPECT_EQ(lists[i]->Item(1).X1, double(i));
    }
  }
}

}  // namespace
}  // namespace vqm
