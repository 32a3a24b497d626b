// Object menu: the commands that act on the selected objects of the current page.
#include "app/object_commands.h"

#include <algorithm>
#include <cstdlib>

#include "app/action_ids.h"
#include "app/command_seams.h"
#include "app/main_window.h"
#include "base/geometry.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
}  // namespace

ObjectCommands::ObjectCommands(MainWindow& window) : window_(window) {}

TQuarrionCanvas& ObjectCommands::Canvas() { return window_.WorkArea(); }

void ObjectCommands::Connect(ActionRegistry& actions) {
  using namespace ActionId;
  actions_ = &actions;
  actions.Connect(Id(ObjFront), [this] { BringToFront(); });
  actions.Connect(Id(ObjForward), [this] { MoveForward(); });
  actions.Connect(Id(ObjBack), [this] { MoveBack(); });
  actions.Connect(Id(ObjToBack), [this] { SendToBack(); });
  actions.Connect(Id(ObjDuplicate), [this] { Duplicate(); });
  actions.Connect(Id(ObjNudgeUp), [this] { Nudge(0, -1); });
  actions.Connect(Id(ObjNudgeDown), [this] { Nudge(0, 1); });
  actions.Connect(Id(ObjNudgeLeft), [this] { Nudge(-1, 0); });
  actions.Connect(Id(ObjNudgeRight), [this] { Nudge(1, 0); });
  actions.Connect(Id(ObjDelete), [this] { Delete(); });
}

void ObjectCommands::SetObjectEditor(TObjectEditor editor) {
  const bool first = !editor_.Show;
  editor_ = std::move(editor);
  if (first && actions_) actions_->Connect(Id(ActionId::ObjProperties), [this] { Properties(); });
}

void ObjectCommands::SetAddAsStencil(std::function<void()> command) {
  const bool first = !addAsStencil_;
  addAsStencil_ = std::move(command);
  if (first && actions_)
    actions_->Connect(Id(ActionId::ObjAddStencil), [this] {
      if (!Canvas().Selection().empty()) addAsStencil_();
    });
}

std::vector<TPDFObject*> ObjectCommands::SelectedObjects() {
  std::vector<TPDFObject*> objects;
  auto& page = Canvas().CurrentPage().Objects;
  for (int index : Canvas().Selection())
    if (index >= 0 && index < int(page.size())) objects.push_back(page[std::size_t(index)].get());
  return objects;
}

void ObjectCommands::SelectExactly(const std::vector<TPDFObject*>& objects) {
  TQuarrionCanvas& canvas = Canvas();
  canvas.ClearSelectionQuietly();
  for (TPDFObject* object : objects) {
    const int index = canvas.GetObjectIndex(object, canvas.Page());
    if (index >= 0) canvas.AddToSelection(index);
  }
  canvas.Repaint();
}

// Each move shifts the objects between its two places, so the objects are found again by
// identity before each step; walking by the old indexes would skip or repeat some.
void ObjectCommands::Reorder(bool ascending, void (TQuarrionCanvas::*move)(int page, int index)) {
  TQuarrionCanvas& canvas = Canvas();
  std::vector<TPDFObject*> selected = SelectedObjects();
  if (selected.empty()) return;
  const int page = canvas.Page();
  std::vector<TPDFObject*> order = selected;
  std::sort(order.begin(), order.end(), [&](TPDFObject* a, TPDFObject* b) {
    const int ia = canvas.GetObjectIndex(a, page), ib = canvas.GetObjectIndex(b, page);
    return ascending ? ia < ib : ia > ib;
  });
  for (TPDFObject* object : order) (canvas.*move)(page, canvas.GetObjectIndex(object, page));
  SelectExactly(selected);
  window_.SetModified(true);
}

void ObjectCommands::BringToFront() { Reorder(true, &TQuarrionCanvas::BringToFront); }
void ObjectCommands::MoveForward() { Reorder(false, &TQuarrionCanvas::MoveForward); }
void ObjectCommands::MoveBack() { Reorder(true, &TQuarrionCanvas::MoveBack); }
void ObjectCommands::SendToBack() { Reorder(false, &TQuarrionCanvas::SendToBack); }

// Copies go below the originals by the tallest object's height and 12 points, but never
// start lower than 10 points above the page's bottom edge.
void ObjectCommands::Duplicate() {
  TQuarrionCanvas& canvas = Canvas();
  const std::vector<TPDFObject*> selected = SelectedObjects();
  if (selected.empty()) return;
  int tallest = 0;
  for (const TPDFObject* object : selected) tallest = std::max(tallest, std::abs(object->Bottom - object->Top));
  const int lowestTop = canvas.PageHeight - 10;
  std::vector<TPDFObject*> copies;
  for (const TPDFObject* object : selected) {
    std::unique_ptr<TPDFObject> copy = object->Clone();
    copy->MoveEdges(Edge::All, 0, tallest + 12);
    if (copy->Top > lowestTop) copy->MoveEdges(Edge::All, 0, lowestTop - copy->Top);
    copies.push_back(canvas.Add(std::move(copy)));
  }
  SelectExactly(copies);
  window_.SetModified(true);
}

void ObjectCommands::Nudge(int dx, int dy) {
  if (Canvas().Selection().empty()) return;
  Canvas().MoveSelection(dx, dy);
  window_.SetModified(true);
}

bool ObjectCommands::Delete() {
  if (Canvas().Selection().empty()) return true;
  if (EnvironmentInfo().ConfirmDelete && !window_.Ask().YesNo(QStringLiteral("Delete selected objects?")))
    return false;
  Canvas().DeleteSelected();
  window_.SetModified(true);
  return true;
}

void ObjectCommands::Properties() {
  TQuarrionCanvas& canvas = Canvas();
  if (canvas.Selection().empty() || !editor_.Show) return;
  {
    TBusyCursor busy;
    window_.SetStatus(QStringLiteral("Preparing objects for editing ..."));
    canvas.StartUndo();
    window_.SetStatus(QStringLiteral("Editing %1 objects").arg(canvas.Selection().size()));
  }
  if (!editor_.Show()) {
    canvas.CancelUndo();
    return;
  }
  TBusyCursor busy;
  window_.SetStatus(QStringLiteral("Rebuilding changed objects ..."));
  if (editor_.Apply) editor_.Apply();
  canvas.Repaint();
  window_.SetModified(true);
  canvas.EndUndo();
}
