#include "app/designer_extensions.h"

#include <QApplication>

#include "app/commands.h"
#include "app/help_commands.h"
#include "app/main_window.h"
#include "app/plugin_loader.h"
#include "app/splash_screen.h"
#include "app/stencil_commands.h"
#include "model/quarrion_canvas.h"
#include "model/windows1252.h"

TDesignerExtensions InstallDesignerExtensions(MainWindow& window, TLookupTableManager& registry) {
  TDesignerExtensions parts;
  parts.Stencils = StencilCommands::Install(window, registry);
  auto* plugins = new PluginLoader(&window, &window.WorkArea().Resources, &registry, &window);
  plugins->OnLog = [&window](const QString& line) {
    window.AppendLog(Utf8ToWindows1252(line.toStdString()).value_or("Plugin refused"));
  };
  // The splash, while it shows, names each plug-in as it starts.
  plugins->OnStarting = [](const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* splash = dynamic_cast<SplashScreen*>(widget); splash && splash->isVisible())
        splash->Progress(QStringLiteral("Starting plugin %1").arg(name));
  };
  window.LoadPlugins = [&window, plugins] {
    plugins->LoadFolder(window.PluginsDir);
    window.Cmds().Help().PluginLines = plugins->AboutLines();
  };
  window.Cmds().Help().PluginLines = plugins->AboutLines();
  parts.Plugins = plugins;
  return parts;
}
