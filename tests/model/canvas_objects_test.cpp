// Objects entering and leaving pages, the selection and the back-to-front order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"
#include "support/recording_host.h"

namespace {

// A page of `n` rectangles whose Left is their original position, for following moves.
void FillPage(TQuarrionCanvas& c, int n) {
  for (int i = 0; i < n; ++i) c.Add(std::make_unique<TPDFRectangle>(i, 0, i + 10, 10));
  c.ClearSelectionQuietly();
}

std::vector<int> Order(TQuarrionCanvas& c, int page = 0) {
  std::vector<int> lefts;
  for (auto& o : c.Pages()[page].Objects) lefts.push_back(o->Left);
  return lefts;
}

TEST(CanvasObjects, AddSelectsTheNewFrontmostObjectAndNumbersIt) {
  RecordingHost host;
  TQuarrionCanvas c(&host);
  c.SnapToGrid = true;
  c.GridSize = 8;
  auto* a = c.Add(std::make_unique<TPDFRectangle>(13, 11, 29, 27));
  auto* b = c.Add(std::make_unique<TPDFRectangle>(0, 0, 5, 5));
  EXPECT_EQ(a->ObjectID, 0);
  EXPECT_EQ(b->ObjectID, 1);
  EXPECT_EQ(c.NextObjectID, 2);
  EXPECT_EQ(a->Owner(), &c);
  EXPECT_EQ((TRect{a->Left, a->Top, a->Right, a->Bottom}), (TRect{16, 8, 32, 24}));
  EXPECT_EQ(c.Selection(), (TPDFSelection{1}));
  EXPECT_EQ(host.Repaints, 2);
}

TEST(CanvasObjects, AddWithAnotherToolLeavesNothingSelected) {
  TQuarrionCanvas c;
  c.SetTool(TTool::tSpecial);
  c.Add(std::make_unique<TPDFRectangle>(0, 0, 5, 5));
  EXPECT_TRUE(c.Selection().empty());
}

TEST(CanvasObjects, AddOnAnEmptyDocumentCreatesAPage) {
  TQuarrionCanvas c;
  c.SetPageCount(0);
  c.Add(std::make_unique<TPDFRectangle>(0, 0, 5, 5));
  ASSERT_EQ(c.PageCount(), 1);
  EXPECT_EQ(c.Pages()[0].Objects.size(), 1u);
}

TEST(CanvasObjects, DeleteSelectedWithoutUndoRemovesInDescendingOrder) {
  TQuarrionCanvas c;
  FillPage(c, 5);
  int deleted = 0;
  int pageSeen = 99;
  c.OnDeleteObject = [&](TPDFObject&) {
    ++deleted;
    pageSeen = c.Page();
  };
  c.AddToSelection(1);
  c.AddToSelection(3);
  c.DeleteSelected();
  EXPECT_EQ(Order(c), (std::vector<int>{0, 2, 4}));
  EXPECT_TRUE(c.Selection().empty());
  EXPECT_EQ(deleted, 2);
  EXPECT_EQ(pageSeen, -1);  // listeners see the page field parked at -1
  EXPECT_EQ(c.Page(), 0);
}

TEST(CanvasObjects, DeleteSelectedWithUndoHidesAndCanBeUndoneInOneStep) {
  TQuarrionCanvas c;
  FillPage(c, 4);
  c.Undoable = true;
  c.AddToSelection(0);
  c.AddToSelection(2);
  int selectionEvents = 0;
  c.OnSelectionChanged = [&] { ++selectionEvents; };
  c.DeleteSelected();
  EXPECT_EQ(selectionEvents, 1);
  EXPECT_EQ(c.Pages()[0].Objects.size(), 4u);
  EXPECT_TRUE(c.Pages()[0].Objects[0]->Deleted);
  EXPECT_TRUE(c.Pages()[0].Objects[2]->Deleted);
  EXPECT_FALSE(c.Pages()[0].Objects[1]->Deleted);
  c.Undo();
  EXPECT_FALSE(c.Pages()[0].Objects[0]->Deleted);
  EXPECT_FALSE(c.Pages()[0].Objects[2]->Deleted);
  EXPECT_EQ(c.Selection(), (TPDFSelection{0, 2}));
  EXPECT_FALSE(c.UndoPossible());
}

TEST(CanvasObjects, DeleteOutOfRangeDoesNothing) {
  TQuarrionCanvas c;
  FillPage(c, 2);
  EXPECT_EQ(c.Delete(0, 2), nullptr);
  EXPECT_EQ(c.Delete(0, -1), nullptr);
  EXPECT_EQ(c.Delete(5, 0), nullptr);
  EXPECT_EQ(c.Pages()[0].Objects.size(), 2u);
  auto removed = c.Delete(0, 1);
  ASSERT_NE(removed, nullptr);
  EXPECT_EQ(removed->Left, 1);
  EXPECT_EQ(removed->Owner(), nullptr);
}

TEST(CanvasObjects, SelectionEventsFollowTheirRules) {
  TQuarrionCanvas c;
  FillPage(c, 3);
  int events = 0;
  c.OnSelectionChanged = [&] { ++events; };
  c.RemoveFromSelection(1);  // empty selection: nothing
  EXPECT_EQ(events, 0);
  c.AddToSelection(1);
  c.AddToSelection(1);  // already there: no event
  EXPECT_EQ(events, 1);
  c.RemoveFromSelection(2);  // not selected, selection not empty: fires anyway
  EXPECT_EQ(events, 2);
  EXPECT_EQ(c.Selection(), (TPDFSelection{1}));
  c.AddToSelection(0);
  c.AddToSelection(2);
  c.RemoveFromSelection(0);
  EXPECT_EQ(c.Selection(), (TPDFSelection{1, 2}));
}

TEST(CanvasObjects, MoveSelectionMovesOnlySelectedObjects) {
  TQuarrionCanvas c;
  FillPage(c, 3);
  c.AddToSelection(0);
  c.AddToSelection(2);
  c.MoveSelection(5, -2);
  EXPECT_EQ(Order(c), (std::vector<int>{5, 1, 7}));
  EXPECT_EQ(c.Pages()[0].Objects[0]->Top, -2);
}

TEST(CanvasObjects, BackToFrontOperations) {
  struct Case {
    const char* name;
    void (TQuarrionCanvas::*op)(int, int);
    int index;
    std::vector<int> order;
    TPDFSelection selection;  // with `index` and 3 selected first
  } cases[] = {
      {"front", &TQuarrionCanvas::BringToFront, 1, {0, 2, 3, 4, 1}, {3, 4}},
      {"forward", &TQuarrionCanvas::MoveForward, 1, {0, 2, 1, 3, 4}, {3, 2}},
      {"back", &TQuarrionCanvas::MoveBack, 3, {0, 1, 3, 2, 4}, {2}},
      {"bottom", &TQuarrionCanvas::SendToBack, 3, {3, 0, 1, 2, 4}, {0}},
      {"front of frontmost", &TQuarrionCanvas::BringToFront, 4, {0, 1, 2, 3, 4}, {4, 3}},
      {"back of backmost", &TQuarrionCanvas::SendToBack, 0, {0, 1, 2, 3, 4}, {0, 3}},
  };
  for (const auto& k : cases) {
    TQuarrionCanvas c;
    FillPage(c, 5);
    c.AddToSelection(k.index);
    c.AddToSelection(3);
    (c.*k.op)(0, k.index);
    EXPECT_EQ(Order(c), k.order) << k.name;
    EXPECT_EQ(c.Selection(), k.selection) << k.name;
  }
}

TEST(CanvasObjects, OrderOperationsIgnoreBadPagesAndIndexes) {
  TQuarrionCanvas c;
  FillPage(c, 3);
  c.BringToFront(7, 0);
  c.MoveForward(0, 2);
  c.MoveBack(0, 0);
  c.SendToBack(-1, 1);
  c.MoveBack(0, 3);
  EXPECT_EQ(Order(c), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(c.GetObjectIndex(c.Pages()[0].Objects[2].get(), 0), 2);
  EXPECT_EQ(c.GetObjectIndex(c.Pages()[0].Objects[2].get(), 3), -1);
  EXPECT_EQ(c.GetObjectIndex(nullptr, 0), -1);
}

}  // namespace
