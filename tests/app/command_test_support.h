#pragma once

#include <QAction>
#include <initializer_list>

#include "app/action_ids.h"
#include "app/main_window.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"

// Shared steps of the command tests: a started window, boxes on its page, a selection,
// and triggering a command the way its menu entry or shortcut does.
inline void StartWindow(MainWindow& w) {
  w.Start({});
  EnvironmentInfo().ConfirmDelete = true;
  EnvironmentInfo().ShowPDFOnExport = false;
  EnvironmentInfo().ShowDocPropsOnNew = false;
  w.WorkArea().SnapToGrid = false;
}

inline TPDFObject* AddBox(MainWindow& w, int left, int top, int right, int bottom) {
  return w.WorkArea().Add(std::make_unique<TPDFRectangle>(left, top, right, bottom));
}

inline void SelectOnly(MainWindow& w, std::initializer_list<int> indexes) {
  w.WorkArea().ClearSelectionQuietly();
  for (int i : indexes) w.WorkArea().AddToSelection(i);
}

inline QAction* Action(MainWindow& w, const char* id) { return w.Actions().Action(QString::fromLatin1(id)); }

// Runs a command as its menu entry does; false when the entry was disabled.
inline bool Trigger(MainWindow& w, const char* id) {
  QAction* action = Action(w, id);
  if (!action->isEnabled()) return false;
  action->trigger();
  return true;
}

inline std::size_t ObjectCount(MainWindow& w) { return w.WorkArea().CurrentPage().Objects.size(); }
inline TPDFObject& ObjectAt(MainWindow& w, int index) { return *w.WorkArea().CurrentPage().Objects[std::size_t(index)]; }
