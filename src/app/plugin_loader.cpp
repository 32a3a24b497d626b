#include "app/plugin_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>
#include <cstring>

#include "model/windows1252.h"

QString TPlugin::Name() const {
  const auto* text = reinterpret_cast<const char*>(Info.data() + 1);
  return QString::fromStdString(Windows1252ToUtf8(std::string_view(text, Info[0])));
}

PluginLoader::PluginLoader(MainWindow* form, TResourceManager* resources,
                           TLookupTableManager* registry, QObject* parent)
    : QObject(parent), form_(form), resources_(resources), registry_(registry) {}

PluginLoader::~PluginLoader() { UnloadAll(); }

void PluginLoader::LoadFolder(const QString& folder) {
  const QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral("*.qmx")}, QDir::Files | QDir::Readable, QDir::Name);
  for (const QString& name : names) {
    if (OnStarting) OnStarting(name);
    LoadPlugin(dir.absoluteFilePath(name));
  }
}

bool PluginLoader::LoadPlugin(const QString& path) {
  TPlugin plugin;
  plugin.FileName = path;
  plugin.Handle = std::make_unique<QLibrary>(path);
  QLibrary& library = *plugin.Handle;
  // Functions are bound at their first call, so one plug-in serves both programs: its
  // window code names the designer's functions, which quarrion-cli lacks and never calls.
  // Its code stays mapped after unloading: the object kinds it registered outlive the
  // main window.
  library.setLoadHints(QLibrary::PreventUnloadHint);
  if (!library.load()) return false;
  if (!VersionAccepted(library, path)) {
    library.unload();
    return false;
  }
  plugin.Initialise = reinterpret_cast<QuarrionInitialiseFn>(library.resolve("Initialise"));
  if (plugin.Initialise && !plugin.Initialise()) {
    library.unload();
    return false;
  }
  plugin.GetPluginInfo = reinterpret_cast<QuarrionGetPluginInfoFn>(library.resolve("GetPluginInfo"));
  FillInfo(plugin);
  plugin.SetForm = reinterpret_cast<QuarrionSetFormFn>(library.resolve("SetForm"));
  if (plugin.SetForm) plugin.SetForm(form_);
  plugin.SetResourceManager = reinterpret_cast<QuarrionSetResourceManagerFn>(library.resolve("SetResourceManager"));
  if (plugin.SetResourceManager) plugin.SetResourceManager(resources_);
  plugin.SetLookupTableManager =
      reinterpret_cast<QuarrionSetLookupTableManagerFn>(library.resolve("SetLookupTableManager"));
  if (plugin.SetLookupTableManager) plugin.SetLookupTableManager(registry_);
  plugins_.push_back(std::move(plugin));
  return true;
}

// A library that takes one of the program's C++ objects must say which interface it was
// built for; one that takes none of them depends on nothing that can change.
bool PluginLoader::VersionAccepted(QLibrary& library, const QString& path) {
  const auto version = reinterpret_cast<QuarrionPluginInterfaceVersionFn>(library.resolve(QUARRION_PLUGIN_VERSION_SYMBOL));
  const bool takesObjects = library.resolve("SetForm") || library.resolve("SetResourceManager") ||
                            library.resolve("SetLookupTableManager");
  if (!version && !takesObjects) return true;
  const int found = version ? version() : 0;
  if (found == QUARRION_PLUGIN_INTERFACE_VERSION) return true;
  if (OnLog) {
    const QString built = version ? QStringLiteral("interface version %1").arg(found)
                                  : QStringLiteral("no stated interface version");
    OnLog(QStringLiteral("Plugin %1 refused: built for %2, this program offers version %3")
              .arg(QFileInfo(path).fileName(), built)
              .arg(QUARRION_PLUGIN_INTERFACE_VERSION));
  }
  return false;
}

// Without GetPluginInfo the name is the library's file name, cut to what one length byte
// can count.
void PluginLoader::FillInfo(TPlugin& plugin) {
  plugin.Info.fill(0);
  if (plugin.GetPluginInfo) {
    plugin.GetPluginInfo(plugin.Info.data());
    return;
  }
  const std::string name =
      Utf8ToWindows1252(QFileInfo(plugin.FileName).fileName().toStdString()).value_or("plugin");
  const std::size_t length = std::min<std::size_t>(name.size(), 255);
  plugin.Info[0] = static_cast<unsigned char>(length);
  std::memcpy(plugin.Info.data() + 1, name.data(), length);
}

void PluginLoader::UnloadPlugin(int index) {
  if (index < 0 || index >= int(plugins_.size())) return;
  TPlugin& plugin = plugins_[std::size_t(index)];
  plugin.Handle->unload();
  const QString path = plugin.FileName;
  plugins_.erase(plugins_.begin() + index);
  if (OnUnload) OnUnload(path);
}

void PluginLoader::UnloadAll() {
  while (!plugins_.empty()) UnloadPlugin(int(plugins_.size()) - 1);
}

QStringList PluginLoader::AboutLines() const {
  if (plugins_.empty()) return {QStringLiteral("Plugins loaded: none")};
  QStringList names;
  for (const TPlugin& plugin : plugins_) names << plugin.Name();
  return {QStringLiteral("Plugins loaded: "), names.join(QStringLiteral(", "))};
}
