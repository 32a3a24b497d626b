// Edit menu: undo, redo and the private clipboard.
#include "app/edit_commands.h"

#include "app/action_ids.h"
#include "app/main_window.h"
#include "app/object_commands.h"
#include "model/quarrion_canvas.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
}  // namespace

EditCommands::EditCommands(MainWindow& window, ObjectCommands& objects)
    : window_(window), objects_(objects) {}

void EditCommands::Connect(ActionRegistry& actions) {
  using namespace ActionId;
  actions.Connect(Id(EditUndo), [this] { Undo(); });
  actions.Connect(Id(EditRedo), [this] { Redo(); });
  actions.Connect(Id(EditCopy), [this] { Copy(); });
  actions.Connect(Id(EditCut), [this] { Cut(); });
  actions.Connect(Id(EditPaste), [this] { Paste(); });
  actions.Connect(Id(PagePaste), [this] { Paste(); });
}

void EditCommands::Undo() {
  if (!window_.WorkArea().UndoPossible()) return;
  window_.WorkArea().Undo();
  window_.SetModified(true);
}

void EditCommands::Redo() {
  if (!window_.WorkArea().RedoPossible()) return;
  window_.WorkArea().Redo();
  window_.SetModified(true);
}

void EditCommands::Copy() {
  TQuarrionCanvas& canvas = window_.WorkArea();
  const auto& objects = canvas.CurrentPage().Objects;
  clipboard_.clear();
  for (int index : canvas.Selection())
    if (index >= 0 && index < int(objects.size())) clipboard_.push_back(objects[std::size_t(index)]->Clone());
  copied_ = true;
  window_.SetClipboardFilled(true);
}

void EditCommands::Cut() {
  Copy();
  objects_.Delete();
}

// Copies of the clipboard's objects go on top of the current page at the places they
// were copied from; exactly they are selected afterwards.
void EditCommands::Paste() {
  if (!copied_) return;
  TQuarrionCanvas& canvas = window_.WorkArea();
  canvas.ClearSelectionQuietly();
  std::vector<TPDFObject*> pasted;
  for (const auto& object : clipboard_) pasted.push_back(canvas.Add(object->Clone()));
  canvas.ClearSelectionQuietly();
  for (TPDFObject* object : pasted) canvas.AddToSelection(canvas.GetObjectIndex(object, canvas.Page()));
  canvas.Repaint();
  window_.SetModified(true);
}
