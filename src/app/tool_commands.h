#pragma once

#include <functional>

class ActionRegistry;
class MainWindow;
class TLog;
class TOptions;
class TQuarrionCanvas;
struct CommandSeams;
enum class TTool;

// Tools menu: the selection and dropper tools, selecting all or nothing, the message log
// and the options.
class ToolCommands {
 public:
  ToolCommands(MainWindow& window, CommandSeams& seams);
  void Connect(ActionRegistry& actions);

  void UseTool(TTool tool);
  void NextTool();
  void SelectAll();
  void SelectNone();
  void ShowLog();
  void Options();

  // Releases the stencil tool and clears the stencil panel's selection; the stencils
  // set it.
  std::function<void()> ReleaseStencilTool;

 private:
  TQuarrionCanvas& Canvas();
  void ShowToolChecked();

  MainWindow& window_;
  CommandSeams& seams_;
  ActionRegistry* actions_ = nullptr;
  TLog* log_ = nullptr;
  TOptions* options_ = nullptr;
  int logLinesShown_ = 0;
};
