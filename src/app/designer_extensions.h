#pragma once

class MainWindow;
class PluginLoader;
class StencilCommands;
class TLookupTableManager;

// The parts the main window reaches through its hooks: the stencil library and the
// plug-ins. Both are owned by the window.
struct TDesignerExtensions {
  StencilCommands* Stencils = nullptr;
  PluginLoader* Plugins = nullptr;
};

// Fills the window's stencil and plug-in hooks; call before MainWindow::Start.
TDesignerExtensions InstallDesignerExtensions(MainWindow& window, TLookupTableManager& registry);
