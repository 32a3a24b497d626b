#pragma once

// What the main window knows when it decides which commands can run.
struct CommandState {
  int PageCount = 1;
  int CurrentPage = 0;  // 0-based
  int SelectionCount = 0;
  bool CanUndo = false;
  bool CanRedo = false;
  bool ClipboardHasObjects = false;
};

// Which commands are enabled (menus, toolbar and context menus alike).
struct CommandEnabling {
  bool FirstPrevious = false;  // First and Previous slide
  bool NextLast = false;       // Next and Last slide
  bool DeleteSlide = false;
  bool GoTo = false;
  bool SlideOrganiser = false;
  bool InsertAddSlide = false;  // Insert (in front) and Add (behind)
  bool DuplicateSlide = false;
  bool ObjectMenu = false;  // every entry of the Object menu and its context menu
  bool DeleteObject = false;
  bool Properties = false;
  bool CopyCut = false;
  bool Paste = false;
  bool Undo = false;
  bool Redo = false;
  bool operator==(const CommandEnabling&) const = default;
};

CommandEnabling EnabledCommands(const CommandState& state);
