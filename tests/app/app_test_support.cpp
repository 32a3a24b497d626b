#include "app_test_support.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"
#include "storage/document_file.h"

std::map<std::string, AppTestFactory>& AppTestRegistry() {
  static std::map<std::string, AppTestFactory> registry;
  return registry;
}

TestWindow::TestWindow() {
  RegisterBuiltinClasses(Registry);
  Window = std::make_unique<MainWindow>(Registry);
  auto prompts = std::make_unique<ScriptedPrompts>();
  Prompts = prompts.get();
  Window->SetPrompts(std::move(prompts));
}

TestWindow::~TestWindow() {
  // Nothing may stop the window from going: a test that left it modified answers No.
  Window->SetModified(false);
}

QString TestFolder() {
  const QString folder = QDir::home().filePath(QStringLiteral("test-files"));
  QDir().mkpath(folder);
  return folder;
}

QString WriteDeck(const QString& name, int pages) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  TQuarrionCanvas canvas;
  canvas.SetPageCount(pages);
  for (int i = 0; i < pages; ++i) {
    canvas.SetPage(i);
    canvas.CurrentPage().Title = "Slide " + std::to_string(i + 1);
    canvas.CurrentPage().MinorEntry = canvas.CurrentPage().Title;
    canvas.Add(std::make_unique<TPDFRectangle>(20, 20, 120, 80));
  }
  canvas.SetPage(0);
  const QString path = QDir(TestFolder()).filePath(name);
  SaveDocument(canvas, QFile::encodeName(path).toStdString(), registry);
  return path;
}

QString SettingsFilePath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("Kelvane/Quarrion.conf"));
}

void ClearStoredSettings() {
  QSettings settings(QStringLiteral("Kelvane"), QStringLiteral("Quarrion"));
  settings.clear();
  settings.sync();
}
