#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "scripted_prompts.h"
#include "storage/lookup_table_manager.h"

// Test classes register themselves by name; main runs one or all of them.
using AppTestFactory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, AppTestFactory>& AppTestRegistry();

#define REGISTER_APP_TEST(Class)                                                 \
  static const bool registered##Class = [] {                                     \
    AppTestRegistry()[#Class] = [] { return std::make_unique<Class>(); };        \
    return true;                                                                 \
  }()

// A main window as the program builds it, with scripted boxes; its settings go to the
// temporary XDG_CONFIG_HOME that main() set up.
struct TestWindow {
  TestWindow();
  ~TestWindow();
  TLookupTableManager Registry;
  std::unique_ptr<MainWindow> Window;
  ScriptedPrompts* Prompts = nullptr;
};

// The folder every test writes its files in (under the temporary home).
QString TestFolder();
// Writes a document of `pages` slides titled "Slide 1", ... with one rectangle on each.
QString WriteDeck(const QString& name, int pages);
// Forgets every stored setting.
void ClearStoredSettings();
// The settings file that QSettings writes.
QString SettingsFilePath();
