#include <QStandardPaths>
#include <iostream>
#include <string>
#include <vector>

#include "app/plugin_loader.h"
#include "cli/cli_app.h"
#include "cli/cli_document.h"

namespace {
// Where the designer keeps its plug-ins: $XDG_DATA_HOME/Kelvane/Quarrion/Plugins.
std::string DefaultPluginsDir() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
         "/Kelvane/Quarrion/Plugins";
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string pluginsDir = DefaultPluginsDir();
  if (!args.empty() && args[0] == "--plugins") {
    if (args.size() < 2) {
      std::cerr << "quarrion-cli: --plugins needs a folder\n" << CliUsageText();
      return 2;
    }
    pluginsDir = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  // Plug-ins may add object kinds, so they are loaded before any document is read.
  PluginLoader plugins(nullptr, nullptr, &CliDocument::ProcessRegistry());
  plugins.OnLog = [](const QString& line) { std::cerr << line.toStdString() << "\n"; };
  plugins.LoadFolder(QString::fromStdString(pluginsDir));
  CliApp app(std::cout, std::cerr, &std::cin);
  return app.Run(args);
}
