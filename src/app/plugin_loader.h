#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "quarrion/plugin.h"

class QLibrary;

// One loaded plug-in library (TPlugin of the design).
struct TPlugin {
  QString FileName;  // full path
  std::array<unsigned char, QUARRION_PLUGIN_INFO_SIZE> Info{};
  std::unique_ptr<QLibrary> Handle;
  QuarrionInitialiseFn Initialise = nullptr;
  QuarrionSetFormFn SetForm = nullptr;
  QuarrionSetResourceManagerFn SetResourceManager = nullptr;
  QuarrionSetLookupTableManagerFn SetLookupTableManager = nullptr;
  QuarrionGetPluginInfoFn GetPluginInfo = nullptr;

  // The name in the info block (Windows-1252 in the block).
  QString Name() const;
};

// Loads the plug-ins of a folder and hands them the program's objects; unloads them all
// when it is destroyed. Used by the designer (owned by its main window) and by
// quarrion-cli, which has no window and no resource store to give.
class PluginLoader : public QObject {
  Q_OBJECT
 public:
  PluginLoader(MainWindow* form, TResourceManager* resources, TLookupTableManager* registry,
               QObject* parent = nullptr);
  ~PluginLoader() override;

  // Every "*.qmx" of `folder`, sorted by name; a missing folder loads nothing.
  void LoadFolder(const QString& folder);
  // False when the library was skipped: it does not load, its Initialise said no, or it
  // was built for another interface version (that one is reported through OnLog).
  bool LoadPlugin(const QString& path);
  void UnloadPlugin(int index);
  void UnloadAll();

  const std::vector<TPlugin>& Plugins() const { return plugins_; }
  // The About box's plug-in lines: "Plugins loaded: none", or "Plugins loaded: " and the
  // names in load order.
  QStringList AboutLines() const;

  // Fired with the file name of each library before it is loaded.
  std::function<void(const QString&)> OnStarting;
  // Reports for the message log.
  std::function<void(const QString&)> OnLog;
  // Fired with the path of each library as it is unloaded.
  std::function<void(const QString&)> OnUnload;

 private:
  bool VersionAccepted(QLibrary& library, const QString& path);
  void FillInfo(TPlugin& plugin);

  MainWindow* form_;
  TResourceManager* resources_;
  TLookupTableManager* registry_;
  std::vector<TPlugin> plugins_;
};
