// Tools menu.
#include "app/tool_commands.h"

#include <QAction>

#include "app/action_ids.h"
#include "app/command_seams.h"
#include "app/prompts.h"
#include "app/main_window.h"
#include "dialogs/options_dialog.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
}  // namespace

ToolCommands::ToolCommands(MainWindow& window) : window_(window), options_(new TOptions(&window)) {}

TQuarrionCanvas& ToolCommands::Canvas() { return window_.WorkArea(); }

void ToolCommands::Connect(ActionRegistry& actions) {
  using namespace ActionId;
  actions_ = &actions;
  actions.Connect(Id(ToolSelection), [this] { UseTool(TTool::tSelect); });
  actions.Connect(Id(ToolDropper), [this] { UseTool(TTool::tDropper); });
  actions.Connect(Id(ToolNext), [this] { NextTool(); });
  actions.Connect(Id(ToolSelectAll), [this] { SelectAll(); });
  actions.Connect(Id(ToolSelectNone), [this] { SelectNone(); });
  actions.Connect(Id(ToolOptions), [this] { Options(); });
}

// The menu's radio mark and the toolbar's pressed button follow the work area's tool.
void ToolCommands::ShowToolChecked() {
  if (!actions_) return;
  const TTool tool = Canvas().Tool();
  actions_->Action(Id(ActionId::ToolSelection))->setChecked(tool == TTool::tSelect);
  actions_->Action(Id(ActionId::ToolDropper))->setChecked(tool == TTool::tDropper);
}

void ToolCommands::UseTool(TTool tool) {
  if (ReleaseStencilTool) ReleaseStencilTool();
  Canvas().SetTool(tool);
  ShowToolChecked();
}

void ToolCommands::NextTool() {
  if (ReleaseStencilTool) ReleaseStencilTool();
  const TTool tool = Canvas().Tool();
  if (tool == TTool::tSelect)
    Canvas().SetTool(TTool::tDropper);
  else if (tool == TTool::tDropper)
    Canvas().SetTool(TTool::tSelect);
  ShowToolChecked();
}

// Objects deleted but kept for undo are invisible and stay unselected.
void ToolCommands::SelectAll() {
  TQuarrionCanvas& canvas = Canvas();
  const auto& objects = canvas.CurrentPage().Objects;
  for (int i = 0; i < int(objects.size()); ++i)
    if (!objects[std::size_t(i)]->Deleted) canvas.AddToSelection(i);
  canvas.Repaint();
}

void ToolCommands::SelectNone() {
  TQuarrionCanvas& canvas = Canvas();
  const TPDFSelection selected = canvas.Selection();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) canvas.RemoveFromSelection(*it);
  canvas.Repaint();
}

void ToolCommands::Options() {
  TQuarrionCanvas& canvas = Canvas();
  TEnvironmentInfo& environment = EnvironmentInfo();
  OptionsValues values;
  values.ShowPDFOnExport = environment.ShowPDFOnExport;
  values.ConfirmDelete = environment.ConfirmDelete;
  values.ShowPropsOnStencilDblClick = environment.ShowPropsOnStencilDblClick;
  values.ShowDocPropsOnNew = environment.ShowDocPropsOnNew;
  values.ShowTooltips = environment.ShowTooltips;
  values.SnapToGrid = canvas.SnapToGrid;
  values.GridSize = canvas.GridSize;
  options_->SetValues(values);
  PlaceDialog(*options_, window_, 100);
  if (!window_.Ask().ShowModal(*options_)) return;
  values = options_->Values();
  environment.ShowPDFOnExport = values.ShowPDFOnExport;
  environment.ConfirmDelete = values.ConfirmDelete;
  environment.ShowPropsOnStencilDblClick = values.ShowPropsOnStencilDblClick;
  environment.ShowDocPropsOnNew = values.ShowDocPropsOnNew;
  canvas.SnapToGrid = values.SnapToGrid;
  canvas.GridSize = values.GridSize;
  window_.SetTooltipsShown(values.ShowTooltips);
}
