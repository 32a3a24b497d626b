// Which commands the main window enables for the state of the document.
#include <gtest/gtest.h>

#include "shell/command_enabling.h"

#include "model/quarrion_canvas.h"

namespace {
TEST(CommandEnabling, SlideCommandsFollowThePages) {
  struct Case {
    int Pages, Current;
    bool Back, Forward, Several, Insert;
  };
  const Case cases[] = {
      {1, 0, false, false, false, true},   // one page: no navigation, delete, go to
      {2, 0, false, true, true, true},     {2, 1, true, false, true, true},
      {3, 1, true, true, true, true},      {254, 253, true, false, true, true},
      // The file holds at most 255 pages: no way to a 256th.
      {255, 0, false, true, true, false},  {255, 254, true, false, true, false},
      {256, 100, true, true, true, false},
  };
  for (const Case& c : cases) {
    const CommandEnabling on = EnabledCommands({c.Pages, c.Current});
    SCOPED_TRACE(std::to_string(c.Pages) + " pages, current " + std::to_string(c.Current));
    EXPECT_EQ(on.FirstPrevious, c.Back);
    EXPECT_EQ(on.NextLast, c.Forward);
    EXPECT_EQ(on.DeleteSlide, c.Several);
    EXPECT_EQ(on.GoTo, c.Several);
    EXPECT_EQ(on.SlideOrganiser, c.Several);
    EXPECT_EQ(on.InsertAddSlide, c.Insert);
    EXPECT_EQ(on.DuplicateSlide, c.Insert);
  }
  EXPECT_EQ(TQuarrionCanvas::MaxPages, 255);  // the file counts pages in one byte
}

TEST(CommandEnabling, EditAndObjectCommandsFollowSelectionHistoryAndClipboard) {
  struct Case {
    int Selected;
    bool Undo, Redo, Clipboard;
  };
  for (const Case c : {Case{0, false, false, false}, Case{1, true, false, false},
                       Case{3, false, true, true}, Case{0, true, true, true}}) {
    const CommandEnabling on = EnabledCommands({2, 0, c.Selected, c.Undo, c.Redo, c.Clipboard});
    const bool any = c.Selected > 0;
    EXPECT_EQ(on.ObjectMenu, any);
    EXPECT_EQ(on.DeleteObject, any);
    EXPECT_EQ(on.Properties, any);
    EXPECT_EQ(on.CopyCut, any);
    EXPECT_EQ(on.Paste, c.Clipboard);
    EXPECT_EQ(on.Undo, c.Undo);
    EXPECT_EQ(on.Redo, c.Redo);
  }
}
}  // namespace
