#pragma once

#include <string>
#include <vector>

// One object of an undo step: its position on the page and its saved form before and
// after the edit.
struct TUndoChange {
  int Index = 0;
  std::string Before;
  std::string After;
};

struct TUndoItem {
  int Page = -1;  // -1: no step being recorded
  std::vector<TUndoChange> Changes;
};

// Items[0 .. Position-1] can be undone, Items[Position ..] redone.
struct TUndoStack {
  int Position = 0;
  std::vector<TUndoItem> Items;
};
