#include "app/commands.h"

#include <QToolBar>

#include "app/edit_commands.h"
#include "app/export_commands.h"
#include "app/help_commands.h"
#include "app/main_window.h"
#include "app/object_commands.h"
#include "app/slide_commands.h"
#include "app/tool_commands.h"
#include "app/toolbar_icons.h"
#include "model/quarrion_canvas.h"

Commands::Commands(MainWindow& window)
    : objects_(std::make_unique<ObjectCommands>(window)),
      edit_(std::make_unique<EditCommands>(window, *objects_)),
      slides_(std::make_unique<SlideCommands>(window)),
      tools_(std::make_unique<ToolCommands>(window)),
      exports_(std::make_unique<ExportCommands>(window, Seams)),
      help_(std::make_unique<HelpCommands>(window)) {
  // Edits are recorded for undo, and objects deleted stay in their page until the
  // history that could revive them is cleared.
  window.WorkArea().Undoable = true;
  ActionRegistry& actions = window.Actions();
  objects_->Connect(actions);
  edit_->Connect(actions);
  slides_->Connect(actions);
  tools_->Connect(actions);
  exports_->Connect(actions);
  help_->Connect(actions);
  window.ApplyEnabling();
}

Commands::~Commands() = default;

void MainWindow::CreateCommands() {
  commands_ = std::make_unique<Commands>(*this);
  ApplyToolbarIcons(actions_, findChild<QToolBar*>(QStringLiteral("DockingToolbar")));
}
