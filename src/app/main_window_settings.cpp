// Reading and writing the settings, and the recent-file entries of the File menu.
#include <QAction>
#include <QApplication>
#include <QMenu>

#include "app/app_folders.h"
#include "app/main_window.h"
#include "app/qt_settings_store.h"
#include "app/tooltip_gate.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"

namespace {
std::string Std(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

SettingsFolders DefaultFolders() {
  return {Std(AppFolders::Documents()), Std(AppFolders::PdfDocuments()), Std(AppFolders::Plugins()),
          Std(AppFolders::SvgDocuments())};
}
}  // namespace

SettingsStore& MainWindow::Store() {
  if (!store_) store_ = std::make_unique<QtSettingsStore>();
  return *store_;
}

void MainWindow::SetStore(std::unique_ptr<SettingsStore> store) { store_ = std::move(store); }

// Defaults first; then whatever the store holds, up to where its reading stops.
bool MainWindow::ReadSettings() {
  settings_.Environment.UserName = EffectiveUserName();
  ApplySettingsDefaults(settings_, DefaultFolders());
  const bool complete = LoadSettings(Store(), settings_, DefaultFolders());
  const WindowCoords& w = settings_.Window;
  if (w.Width > 0 && w.Height > 0) resize(std::max(int(w.Width), minimumWidth()), std::max(int(w.Height), minimumHeight()));
  else resize(minimumSize());
  move(w.Left, w.Top);
  DocumentsDir = Q(settings_.DocumentsDir);
  PDFDir = Q(settings_.PDFDir);
  SVGDir = Q(settings_.SVGDir);
  PluginsDir = Q(settings_.PluginsDir);
  EnvironmentInfo() = settings_.Environment;
  TQuarrionCanvas& canvas = WorkArea();
  canvas.FullScreen = settings_.FullScreen;
  canvas.ShowOutlines = settings_.ShowOutlines;
  canvas.SnapToGrid = settings_.SnapToGrid;
  // The snap divides by the grid size: a stored size below 1 keeps the designed 8.
  canvas.GridSize = settings_.GridSize > 0 ? settings_.GridSize : 8;
  SetPageListHeight(settings_.PageListHeight);
  tooltips_->SetShown(settings_.Environment.ShowTooltips);
  RebuildRecentFiles();
  return complete;
}

bool MainWindow::WriteSettings() {
  const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
  settings_.Window = {normal.y(), normal.x(), normal.height(), normal.width()};
  settings_.DocumentsDir = Std(DocumentsDir);
  settings_.PDFDir = Std(PDFDir);
  settings_.PluginsDir = Std(PluginsDir);
  settings_.Environment = EnvironmentInfo();
  const TQuarrionCanvas& canvas = WorkArea();
  settings_.FullScreen = canvas.FullScreen;
  settings_.ShowOutlines = canvas.ShowOutlines;
  settings_.SnapToGrid = canvas.SnapToGrid;
  settings_.GridSize = canvas.GridSize;
  settings_.PageListHeight = PageListHeight();
  return SaveSettings(Store(), settings_);
}

void MainWindow::SetTooltipsShown(bool shown) {
  EnvironmentInfo().ShowTooltips = shown;
  tooltips_->SetShown(shown);
}

void MainWindow::RememberFile(const QString& path) {
  settings_.RecentFiles.Add(Std(path));
  RebuildRecentFiles();
}

QStringList MainWindow::RecentFiles() const {
  QStringList files;
  for (const std::string& f : settings_.RecentFiles.Files()) files << Q(f);
  return files;
}

// The entries follow the File menu's own items; choosing one opens that file.
void MainWindow::RebuildRecentFiles() {
  qDeleteAll(recentActions_);
  recentActions_.clear();
  const auto entries = settings_.RecentFiles.MenuEntries();
  if (entries.empty()) return;
  recentActions_ << fileMenu_->addSeparator();
  for (const MRUMenuEntry& entry : entries) {
    QString caption = Q(entry.Caption);
    // A "&" in a file name is shown, not taken as an accelerator.
    caption = caption.left(3) + caption.mid(3).replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* action = fileMenu_->addAction(caption);
    const QString path = Q(entry.Hint);
    action->setStatusTip(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenRecent(path); });
    recentActions_ << action;
  }
}

void MainWindow::OpenRecent(const QString& path) {
  if (!SaveChangesFirst()) return;
  if (!OpenDocument(path)) prompts_->Warning(QStringLiteral("Could not open file"));
}
