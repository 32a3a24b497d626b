#include "app/designer_main.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/splash_screen.h"
#include "storage/lookup_table_manager.h"

namespace {
// --help and --version answer before any window exists; -1 when neither was asked.
int AnswerInformationSwitches(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    if (argument == QLatin1String("--help")) {
      std::fputs(UsageText().toLocal8Bit().constData(), stdout);
      return 0;
    }
    if (argument == QLatin1String("--version")) {
      std::fputs(VersionText().toLocal8Bit().constData(), stdout);
      return 0;
    }
  }
  return -1;
}
}  // namespace

int RunDesigner(int argc, char** argv, const std::function<void(MainWindow&)>& shown) {
  if (int answered = AnswerInformationSwitches(argc, argv); answered >= 0) return answered;
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kelvane"));
  QApplication::setApplicationName(QStringLiteral("Quarrion"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));

  SplashScreen splash;
  // The program's title until the main window shows a document's name.
  splash.setWindowTitle(QStringLiteral("Quarrion 1.0"));
  splash.show();
  QApplication::processEvents();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quarrion/quarrion-128.png")));
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);

  MainWindow window(registry);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  window.Start(arguments, &splash);
  window.show();
  splash.close();
  if (shown) shown(window);
  return QApplication::exec();
}
