// Replacing a canvas's document by a loaded one.
#include <gtest/gtest.h>

#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "storage/storage_fixtures.h"
#include "support/recording_host.h"

TEST(TakeDocumentFrom, MovesTheDocumentAndKeepsTheControl) {
  RecordingHost host;
  TQuarrionCanvas current(&host);
  current.SnapToGrid = true;
  current.GridSize = 8;
  current.Undoable = true;
  current.NextObjectID = 500;
  current.Add(std::make_unique<TPDFRectangle>(0, 0, 8, 8));
  current.Add(std::make_unique<TPDFRectangle>(8, 8, 16, 16));
  current.DeleteSelected();  // a deleted object kept for undo
  current.Resources.Add("old", "data");
  int deletions = 0, pageEvents = 0;
  current.OnDeleteObject = [&](TPDFObject& obj) {
    ++deletions;
    EXPECT_EQ(obj.Owner(), nullptr);
    EXPECT_GE(current.PageCount(), 1);
  };
  current.OnPageChanged = [&] { ++pageEvents; };

  TQuarrionCanvas loaded;
  BuildRichDocument(loaded);
  loaded.ClearUndo();
  std::string image = ImageOf(loaded);
  int pages = loaded.PageCount(), shown = loaded.Page(), nextID = loaded.NextObjectID;

  current.TakeDocumentFrom(loaded);
  EXPECT_EQ(ImageOf(current), image);
  EXPECT_EQ(current.PageCount(), pages);
  EXPECT_EQ(current.Page(), shown);
  EXPECT_EQ(current.NextObjectID, nextID);
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(pageEvents, 1);
  EXPECT_FALSE(current.UndoPossible());
  EXPECT_EQ(current.StaticImage(), nullptr);
  EXPECT_TRUE(current.Selection().empty());
  EXPECT_EQ(current.Host(), &host);
  EXPECT_TRUE(current.SnapToGrid);
  EXPECT_TRUE(current.Undoable);
  EXPECT_EQ(current.Resources.IndexOf("old"), -1);
  EXPECT_EQ(current.DocumentInfo.BackgroundGradient->Owner(), &current);
  for (auto& page : current.Pages())
    for (auto& obj : page.Objects) {
      EXPECT_EQ(obj->Owner(), &current);
      if (obj->Gradient()) {
        EXPECT_EQ(obj->Gradient()->Owner(), &current);
      }
      for (auto& link : obj->Annots()) EXPECT_EQ(link->Owner(), &current);
    }
  // The source is left as a new one-page document.
  EXPECT_EQ(loaded.PageCount(), 1);
  EXPECT_TRUE(loaded.Pages()[0].Objects.empty());
  EXPECT_TRUE(loaded.Resources.Empty());
  EXPECT_FALSE(loaded.DocumentInfo.BackgroundIsGradient);
}

TEST(TakeDocumentFrom, ObjectsMarkedDeletedInTheTakenDocumentGoWithItsHistory) {
  TQuarrionCanvas loaded;
  loaded.Undoable = true;
  loaded.Add(std::make_unique<TPDFRectangle>(0, 0, 8, 8));
  loaded.Add(std::make_unique<TPDFRectangle>(8, 8, 16, 16));
  loaded.DeleteSelected();  // kept, marked deleted, for undo
  ASSERT_EQ(loaded.Pages()[0].Objects.size(), 2u);
  TQuarrionCanvas current;
  int undoEvents = 0;
  current.OnUndoChanged = [&] { ++undoEvents; };
  current.TakeDocumentFrom(loaded);
  ASSERT_EQ(current.Pages()[0].Objects.size(), 1u);
  EXPECT_FALSE(current.Pages()[0].Objects[0]->Deleted);
  EXPECT_FALSE(current.UndoPossible());
  EXPECT_GE(undoEvents, 1);
}
