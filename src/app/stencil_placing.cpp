// Putting stencils on the page: dragging onto the work area, the stencil tool's click,
// double click and "Add to Page"; and how the panel's selection latches the tool.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "app/action_ids.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "app/object_commands.h"
#include "app/stencil_commands.h"
#include "app/stencil_panel.h"
#include "app/tool_commands.h"
#include "app/work_area_widget.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "shell/stencil_placement.h"

void StencilCommands::ConnectWindow() {
  window_.LoadSystemStencils = [this] { LoadSystemStencils(); };
  window_.LoadUserStencils = [this] { LoadUserStencils(); };
  window_.SaveStencils = [this] { return SaveUserStencils(); };
  window_.Cmds().Objects().SetAddAsStencil([this] { MakeStencil(); });
  window_.Cmds().Tools().ReleaseStencilTool = [this] {
    panel_->ClearChoice();
    Release();
  };
  TQuarrionCanvas& canvas = window_.WorkArea();
  canvas.OnMouseDown = [this, previous = canvas.OnMouseDown](TMouseButton button, TShiftState shift,
                                                               int x, int y) {
    if (window_.WorkArea().Tool() == TTool::tSpecial) {
      ToolClick(button, shift, x, y);
      return;
    }
    if (panel_->SelectedIndex() >= 0) panel_->ClearChoice();
    if (previous) previous(button, shift, x, y);
  };
  canvas.OnDropOutside = [this, previous = canvas.OnDropOutside](int x, int y) {
    DroppedOutside(x, y);
    if (previous) previous(x, y);
  };
  window_.WorkAreaControl()->setAcceptDrops(true);
  window_.WorkAreaControl()->installEventFilter(this);
}

void StencilCommands::ConnectPanel() {
  connect(panel_, &QListWidget::itemSelectionChanged, this, &StencilCommands::SelectionChanged);
  connect(panel_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { AddToPage(panel_->row(item)); });
  connect(panel_, &QWidget::customContextMenuRequested, this, &StencilCommands::ShowContextMenu);
}

// The stencil tool is latched while a stencil is selected.
void StencilCommands::SelectionChanged() { SetLatched(panel_->SelectedIndex() >= 0); }

void StencilCommands::SetLatched(bool latched) {
  TQuarrionCanvas& canvas = window_.WorkArea();
  const bool isLatched = canvas.Tool() == TTool::tSpecial;
  if (latched && !isLatched) canvas.LatchTool();
  if (!latched && isLatched) canvas.UnlatchTool();
  panel_->SetLatched(canvas.Tool() == TTool::tSpecial);
}

void StencilCommands::Release() { SetLatched(false); }

void StencilCommands::DropStencil(int x, int y, bool fromPanel) {
  const int index = panel_->SelectedIndex();
  if (index < 0 || index >= int(stencils_.size())) return;
  if (fromPanel) Release();
  const TQuarrionCanvas& canvas = window_.WorkArea();
  const int pageX = x * 1000 / canvas.ZoomX + canvas.OriginX;
  const int pageY = y * 1000 / canvas.ZoomY + canvas.OriginY;
  PlaceCopies(StencilCopiesAt(stencils_[std::size_t(index)].Objects, pageX, pageY));
}

void StencilCommands::ToolClick(TMouseButton button, TShiftState shift, int x, int y) {
  TQuarrionCanvas& canvas = window_.WorkArea();
  Release();
  if (button != TMouseButton::Left) {
    panel_->ClearChoice();
    return;
  }
  const bool wasUndoable = canvas.Undoable;
  canvas.Undoable = false;
  DropStencil(x, y, false);
  if (shift.Ctrl) {
    SetLatched(true);  // the next click places another copy
  } else {
    OfferProperties();
    panel_->ClearChoice();
  }
  canvas.Undoable = wasUndoable;
}

void StencilCommands::AddToPage(int index) {
  if (index < 0 || index >= int(stencils_.size())) return;
  panel_->Select(index);
  Release();
  PlaceCopies(StencilCopies(stencils_[std::size_t(index)].Objects));
  OfferProperties();
  window_.WorkArea().Repaint();
}

// Adds the copies on top of the current page and selects exactly them.
std::vector<TPDFObject*> StencilCommands::PlaceCopies(TStencilCopies copies) {
  TQuarrionCanvas& canvas = window_.WorkArea();
  std::vector<TPDFObject*> added;
  for (auto& copy : copies) added.push_back(canvas.Add(std::move(copy)));
  canvas.ClearSelectionQuietly();
  for (TPDFObject* object : added) canvas.AddToSelection(canvas.GetObjectIndex(object, canvas.Page()));
  if (!added.empty()) window_.SetModified(true);
  window_.ApplyEnabling();
  canvas.Repaint();
  return added;
}

// With one object placed, the properties dialog is offered; a placement the user cancels
// there is taken back. The command marks the document modified only on OK, which is how
// the answer is read here.
bool StencilCommands::OfferProperties() {
  TQuarrionCanvas& canvas = window_.WorkArea();
  const QString properties = QString::fromLatin1(ActionId::ObjProperties);
  if (!EnvironmentInfo().ShowPropsOnStencilDblClick || canvas.Selection().size() != 1 ||
      !window_.Actions().Connected(properties))
    return true;
  const int index = canvas.Selection().front();
  window_.SetModified(false);
  window_.Cmds().Objects().Properties();
  const bool accepted = window_.Modified();
  window_.SetModified(true);
  if (accepted) return true;
  const bool wasUndoable = canvas.Undoable;
  canvas.Undoable = false;
  canvas.ClearSelectionQuietly();
  canvas.Delete(canvas.Page(), index);
  canvas.Undoable = wasUndoable;
  window_.ApplyEnabling();
  canvas.Repaint();
  return false;
}

bool StencilCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_.WorkAreaControl() && HandleDrop(event)) return true;
  return QObject::eventFilter(watched, event);
}

// Stencil drags are taken anywhere over the work area; other drags are left alone.
bool StencilCommands::HandleDrop(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (StencilPanel::DraggedIndex(drop->mimeData()) < 0) return false;
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    const QPoint at = drop->position().toPoint();
    DropStencil(at.x(), at.y(), true);
  }
  return true;
}
