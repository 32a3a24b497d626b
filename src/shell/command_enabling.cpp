#include "shell/command_enabling.h"

#include "model/quarrion_canvas.h"

CommandEnabling EnabledCommands(const CommandState& state) {
  CommandEnabling on;
  const bool severalPages = state.PageCount > 1;
  on.FirstPrevious = severalPages && state.CurrentPage > 0;
  on.NextLast = severalPages && state.CurrentPage < state.PageCount - 1;
  on.DeleteSlide = severalPages;
  on.GoTo = severalPages;
  on.SlideOrganiser = severalPages;
  on.InsertAddSlide = state.PageCount < TQuarrionCanvas::MaxPages;
  on.DuplicateSlide = state.PageCount < TQuarrionCanvas::MaxPages;

  const bool selection = state.SelectionCount > 0;
  on.ObjectMenu = selection;
  on.DeleteObject = selection;
  on.Properties = selection;
  on.CopyCut = selection;
  // Paste with an empty clipboard would do nothing.
  on.Paste = state.ClipboardHasObjects;
  on.Undo = state.CanUndo;
  on.Redo = state.CanRedo;
  return on;
}
