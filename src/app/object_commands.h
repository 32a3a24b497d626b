#pragma once

#include <functional>
#include <vector>

class ActionRegistry;
class MainWindow;
class TPDFObject;
class TQuarrionCanvas;

// The Object menu and the work area's object context menu: back-to-front order,
// duplicate, nudges, delete, properties and "Add as Stencil".
class ObjectCommands {
 public:
  // What the object properties dialog does for the command: Show fills the dialog from
  // the selection and shows it (true on OK); Apply gives every selected object the state
  // of its edited copy.
  struct TObjectEditor {
    std::function<bool()> Show;
    std::function<void()> Apply;
  };

  explicit ObjectCommands(MainWindow& window);
  void Connect(ActionRegistry& actions);

  void BringToFront();
  void MoveForward();
  void MoveBack();
  void SendToBack();
  void Duplicate();
  void Nudge(int dx, int dy);
  // Asks first when ConfirmDelete is set; false when the question was answered No.
  bool Delete();
  // Runs the editor inside one undo step: begun before the dialog, closed on OK,
  // cancelled on Cancel.
  void Properties();

  // The object properties dialog and the stencils connect their commands here; until
  // then the entries stay disabled.
  void SetObjectEditor(TObjectEditor editor);
  void SetAddAsStencil(std::function<void()> command);

 private:
  TQuarrionCanvas& Canvas();
  // The selected objects in selection order.
  std::vector<TPDFObject*> SelectedObjects();
  // Runs `move` on each selected object in ascending (or descending) index order, then
  // selects the same objects at their new places.
  void Reorder(bool ascending, void (TQuarrionCanvas::*move)(int page, int index));
  void SelectExactly(const std::vector<TPDFObject*>& objects);

  MainWindow& window_;
  ActionRegistry* actions_ = nullptr;
  TObjectEditor editor_;
  std::function<void()> addAsStencil_;
};
