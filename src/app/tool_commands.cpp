// Tools menu.
#include "app/tool_commands.h"

#include <QAction>

#include "app/action_ids.h"
#include "app/command_seams.h"
#include "app/main_window.h"
#include "dialogs/log_dialog.h"
#include "dialogs/options_dialog.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "model/windows1252.h"

namespace {
QString Id(const char* id) { return QString::fromLatin1(id); }
}  // namespace

ToolCommands::ToolCommands(MainWindow& window, CommandSeams& seams)
    : window_(window), seams_(seams), log_(new TLog(&window)), options_(new TOptions(&window)) {}

TQuarrionCanvas& ToolCommands::Canvas() { return window_.WorkArea(); }

void ToolCommands::Connect(ActionRegistry& actions) {
  using namespace ActionId;
  actions_ = &actions;
  actions.Connect(Id(ToolSelection), [this] { UseTool(TTool::tSelect); });
  actions.Connect(Id(ToolDropper), [this] { UseTool(TTool::tDropper); });
  actions.Connect(Id(ToolNext), [this] { NextTool(); });
  actions.Connect(Id(ToolSelectAll), [this] { SelectAll(); });
  actions.Connect(Id(ToolSelectNone), [this] { SelectNone(); });
  actions.Connect(Id(ToolLog), [this] { ShowLog(); });
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

// The log window lives as long as the main window and gets the lines logged since it
// was last shown; its Clear button empties only what it shows.
void ToolCommands::ShowLog() {
  const QStringList& lines = window_.LogLines();
  for (; logLinesShown_ < lines.size(); ++logLinesShown_) {
    // Lines are messages, not document text: a character the log cannot show becomes "?".
    const QString& line = lines[logLinesShown_];
    auto text = Utf8ToWindows1252(line.toStdString());
    log_->AddLine(text ? *text : line.toLatin1().toStdString());
  }
  seams_.RunDialog(*log_);
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
  if (!seams_.RunDialog(*options_)) return;
  values = options_->Values();
  environment.ShowPDFOnExport = values.ShowPDFOnExport;
  environment.ConfirmDelete = values.ConfirmDelete;
  environment.ShowPropsOnStencilDblClick = values.ShowPropsOnStencilDblClick;
  environment.ShowDocPropsOnNew = values.ShowDocPropsOnNew;
  canvas.SnapToGrid = values.SnapToGrid;
  canvas.GridSize = values.GridSize;
  window_.SetTooltipsShown(values.ShowTooltips);
}
