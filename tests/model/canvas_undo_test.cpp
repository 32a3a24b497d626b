// The undo history: steps, redo, cancellation and renumbering after order changes.
#include <gtest/gtest.h>

#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"

namespace {

TPDFRectangle* AddBox(TQuarrionCanvas& c, int left) {
  return static_cast<TPDFRectangle*>(c.Add(std::make_unique<TPDFRectangle>(left, 0, left + 10, 10)));
}

// An edit recorded the way the properties dialog does it: one step for the selection.
void Recolour(TQuarrionCanvas& c, TColor colour) {
  c.StartUndo();
  for (int i : c.Selection()) static_cast<TPDFRectangle&>(*c.CurrentPage().Objects[i]).FillColour = colour;
  c.EndUndo();
}

TColor FillOf(TQuarrionCanvas& c, int page, int index) {
  return static_cast<TPDFRectangle&>(*c.Pages()[page].Objects[index]).FillColour;
}

TEST(CanvasUndo, AddingCanBeUndoneAndRedone) {
  TQuarrionCanvas c;
  c.Undoable = true;
  int changes = 0;
  c.OnUndoChanged = [&] { ++changes; };
  auto* box = AddBox(c, 0);
  EXPECT_TRUE(c.UndoPossible());
  EXPECT_EQ(changes, 1);
  c.Undo();
  EXPECT_TRUE(box->Deleted);
  EXPECT_EQ(c.Pages()[0].Objects.size(), 1u);
  EXPECT_TRUE(c.Selection().empty());
  EXPECT_TRUE(c.RedoPossible());
  c.Redo();
  EXPECT_FALSE(box->Deleted);
  EXPECT_EQ(c.Selection(), (TPDFSelection{0}));
  EXPECT_FALSE(c.RedoPossible());
}

TEST(CanvasUndo, ANewEditDiscardsWhatCouldHaveBeenRedone) {
  TQuarrionCanvas c;
  c.Undoable = true;
  AddBox(c, 0);
  Recolour(c, 0x0000FF);
  Recolour(c, 0x00FF00);
  c.Undo();
  c.Undo();
  EXPECT_EQ(FillOf(c, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(c.UndoHistory().Items.size(), 3u);
  Recolour(c, 0xFF0000);
  EXPECT_EQ(c.UndoHistory().Items.size(), 2u);
  EXPECT_FALSE(c.RedoPossible());
  c.Undo();
  EXPECT_EQ(FillOf(c, 0, 0), 0xFFFFFFu);
}

TEST(CanvasUndo, UndoAndRedoSwitchToTheStepsPage) {
  TQuarrionCanvas c;
  c.SetPageCount(5);
  c.Undoable = true;
  c.SetPage(2);
  AddBox(c, 0);  // AddPage clears the history, so pages exist first
  Recolour(c, 0x0000FF);
  c.SetPage(4);
  c.Undo();
  EXPECT_EQ(c.Page(), 2);
  EXPECT_EQ(FillOf(c, 2, 0), 0xFFFFFFu);
  EXPECT_EQ(c.Selection(), (TPDFSelection{0}));
  c.SetPage(4);
  c.Redo();
  EXPECT_EQ(c.Page(), 2);
  EXPECT_EQ(FillOf(c, 2, 0), 0x0000FFu);
  EXPECT_EQ(c.Selection(), (TPDFSelection{0}));
}

TEST(CanvasUndo, ASelectionChangeDuringAStepRecordsNothing) {
  TQuarrionCanvas c;
  c.Undoable = true;
  AddBox(c, 0);
  AddBox(c, 20);
  std::size_t before = c.UndoHistory().Items.size();
  c.StartUndo();
  c.AddToSelection(0);
  c.EndUndo();
  EXPECT_EQ(c.UndoHistory().Items.size(), before);
}

TEST(CanvasUndo, NothingIsRecordedWhileUndoIsOff) {
  TQuarrionCanvas c;
  AddBox(c, 0);
  Recolour(c, 0x0000FF);
  EXPECT_FALSE(c.UndoPossible());
}

TEST(CanvasUndo, ClearUndoRemovesDeletedObjectsForGood) {
  TQuarrionCanvas c;
  c.SetPageCount(2);
  c.Undoable = true;
  c.SetPage(0);
  AddBox(c, 0);
  AddBox(c, 20);
  c.SetPage(1);
  AddBox(c, 40);
  c.DeleteSelected();
  c.SetPage(0);
  c.AddToSelection(0);
  c.DeleteSelected();
  int handedOver = 0;
  c.OnDeleteObject = [&](TPDFObject& o) {
    ++handedOver;
    EXPECT_TRUE(o.Deleted);
  };
  c.ClearUndo();
  EXPECT_EQ(handedOver, 2);
  EXPECT_EQ(c.Pages()[0].Objects.size(), 1u);
  EXPECT_EQ(c.Pages()[0].Objects[0]->Left, 20);
  EXPECT_TRUE(c.Pages()[1].Objects.empty());
  EXPECT_FALSE(c.UndoPossible());
}

TEST(CanvasUndo, OrderChangesKeepStepsPointingAtTheSameObjects) {
  TQuarrionCanvas c;
  c.Undoable = true;
  for (int i = 0; i < 4; ++i) AddBox(c, i * 20);
  c.ClearSelectionQuietly();
  c.AddToSelection(2);
  Recolour(c, 0x0000FF);  // a step about the box that started at 40
  c.ClearSelectionQuietly();
  c.SendToBack(0, 2);     // that box is now at 0
  c.BringToFront(0, 1);   // the box from 0 goes to the front
  c.MoveForward(0, 0);    // the recoloured box swaps to 1
  ASSERT_EQ(c.Pages()[0].Objects[1]->Left, 40);
  c.Undo();
  EXPECT_EQ(FillOf(c, 0, 1), 0xFFFFFFu);
  EXPECT_EQ(c.Selection(), (TPDFSelection{1}));
  for (int i : {0, 2, 3}) EXPECT_EQ(FillOf(c, 0, i), 0xFFFFFFu);
  c.Redo();
  EXPECT_EQ(FillOf(c, 0, 1), 0x0000FFu);
}

TEST(CanvasUndo, UndoOfDeleteBringsObjectsBackSelected) {
  TQuarrionCanvas c;
  c.Undoable = true;
  AddBox(c, 0);
  AddBox(c, 20);
  c.AddToSelection(0);
  c.DeleteSelected();
  EXPECT_TRUE(c.Selection().empty());
  c.Undo();
  EXPECT_EQ(c.Selection(), (TPDFSelection{1, 0}));
  EXPECT_FALSE(c.Pages()[0].Objects[0]->Deleted);
  EXPECT_FALSE(c.Pages()[0].Objects[1]->Deleted);
}

}  // namespace
