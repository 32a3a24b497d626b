#pragma once

#include <memory>

#include "app/command_seams.h"

class MainWindow;
class EditCommands;
class ExportCommands;
class HelpCommands;
class ObjectCommands;
class SlideCommands;
class ToolCommands;

// The main window's commands by menu, and the seams they share. Built once by the window,
// which then connects each command's actions by id.
class Commands {
 public:
  explicit Commands(MainWindow& window);
  ~Commands();

  CommandSeams Seams = CommandSeams::Desktop();

  EditCommands& Edit() { return *edit_; }
  ObjectCommands& Objects() { return *objects_; }
  SlideCommands& Slides() { return *slides_; }
  ToolCommands& Tools() { return *tools_; }
  ExportCommands& Exports() { return *exports_; }
  HelpCommands& Help() { return *help_; }

 private:
  void ConnectObjectProperties(MainWindow& window);

  std::unique_ptr<ObjectCommands> objects_;
  std::unique_ptr<EditCommands> edit_;
  std::unique_ptr<SlideCommands> slides_;
  std::unique_ptr<ToolCommands> tools_;
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<HelpCommands> help_;
};
