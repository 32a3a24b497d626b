#pragma once

#include <functional>

class ActionRegistry;
class MainWindow;
class TOptions;
class TQuarrionCanvas;
enum class TTool;

// Tools menu: the selection and dropper tools, selecting all or nothing, and the options.
// (The message log belongs to the main window.)
class ToolCommands {
 public:
  explicit ToolCommands(MainWindow& window);
  void Connect(ActionRegistry& actions);

  void UseTool(TTool tool);
  void NextTool();
  void SelectAll();
  void SelectNone();
  void Options();

  // Releases the stencil tool and clears the stencil panel's selection; the stencils
  // set it.
  std::function<void()> ReleaseStencilTool;

 private:
  TQuarrionCanvas& Canvas();
  void ShowToolChecked();

  MainWindow& window_;
  ActionRegistry* actions_ = nullptr;
  TOptions* options_ = nullptr;
};
