// What happens when the main window is first shown, in the designed order.
#include <QApplication>
#include <QFileInfo>

#include "app/app_folders.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "app/splash_screen.h"
#include "app/tooltip_gate.h"
#include "model/quarrion_canvas.h"

namespace {
void Progress(SplashScreen* splash, const QString& text) {
  if (splash) splash->Progress(text);
}
}  // namespace

void MainWindow::Start(const QStringList& arguments, SplashScreen* splash) {
  modified_ = false;
  Progress(splash, QStringLiteral("Loading stencil file %1").arg(QStringLiteral("system.stn")));
  if (LoadSystemStencils) LoadSystemStencils();
  Progress(splash, QStringLiteral("Loading stencil file %1").arg(QStringLiteral("default.stn")));
  if (LoadUserStencils) LoadUserStencils();
  ReadSettings();
  // A folder that cannot be made is reported by the save or export that needs it.
  for (const QString& folder : {DocumentsDir, PDFDir, SVGDir}) AppFolders::Make(folder);
  // The font table is built into the core; the properties dialog fills its lists from it.
  Progress(splash, QStringLiteral("Loading font tables"));
  Progress(splash, QStringLiteral("Searching for plugins"));
  if (LoadPlugins) LoadPlugins();
  NewDocument();
  StartRecovery(RecoveryKeeper::DefaultFolder());
  // A recovered document is not replaced by one named on the command line.
  if (!OfferRecovery(splash)) OpenCommandLine(arguments, splash);
}

void MainWindow::OpenCommandLine(const QStringList& arguments, SplashScreen* splash) {
  for (const QString& path : DocumentArguments(arguments)) {
    if (fileName_ != QLatin1String(Untitled)) break;
    Progress(splash, QStringLiteral("Loading document %1").arg(QFileInfo(path).fileName()));
    OpenDocument(path);  // a document that does not load is passed over silently
  }
}

bool MainWindow::TooltipsShown() const { return tooltips_->Shown(); }
