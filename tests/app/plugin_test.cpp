// Loading plug-ins into the window: the About box's line, libraries without the expected
// exports, refusals, and unloading at shutdown.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include "app/commands.h"
#include "app/designer_extensions.h"
#include "app/help_commands.h"
#include "app/plugin_loader.h"
#include "app/splash_screen.h"
#include "app_test_support.h"
#include "dialogs/log_dialog.h"

namespace {
// A fresh, empty plug-ins folder named in the settings.
QString PluginsFolder() {
  QDir dir(TestFolder() + QStringLiteral("/plugins"));
  dir.removeRecursively();
  dir.mkpath(QStringLiteral("."));
  return dir.absolutePath() + QStringLiteral("/");
}

void Install(const QString& folder, const QString& kind) {
  const QString from = QStringLiteral(QUARRION_TEST_PLUGIN_DIR "/%1.qmx").arg(kind);
  QVERIFY2(QFile::copy(from, folder + kind + QStringLiteral(".qmx")), qPrintable(from));
}

struct PluginWindow {
  explicit PluginWindow(const QString& folder) {
    parts = InstallDesignerExtensions(*t.Window, t.Registry);
    // The folder the settings would name, set where start-up reads it.
    const auto load = t.Window->LoadPlugins;
    t.Window->LoadPlugins = [this, folder, load] {
      t.Window->PluginsDir = folder;
      load();
    };
    t.Window->Start({});
  }
  // The plug-in line of the About box as the user sees it.
  QString AboutText() {
    QString text;
    t.Prompts->DialogScripts.push_back([&text](QDialog& d) {
      text = d.findChild<QLabel*>(QStringLiteral("Plugins"))->text();
      return true;
    });
    t.Window->Cmds().Help().About();
    return text;
  }
  TestWindow t;
  TDesignerExtensions parts;
};
}  // namespace

class PluginTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  void aboutBoxLines_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("about");
    QTest::newRow("empty folder") << QStringList{} << QStringLiteral("Plugins loaded: none");
    QTest::newRow("none of the five names: listed by file name")
        << QStringList{QStringLiteral("bare")} << QStringLiteral("Plugins loaded: \nbare.qmx");
    QTest::newRow("Initialise says no") << QStringList{QStringLiteral("refusing")} << QStringLiteral("Plugins loaded: none");
    QTest::newRow("named by its info, in name order")
        << QStringList{QStringLiteral("named"), QStringLiteral("bare")}
        << QStringLiteral("Plugins loaded: \nbare.qmx, Named \u00C9tude");
    QTest::newRow("another interface version is refused")
        << QStringList{QStringLiteral("other_version"), QStringLiteral("unversioned")} << QStringLiteral("Plugins loaded: none");
  }
  void aboutBoxLines() {
    QFETCH(QStringList, installed);
    QFETCH(QString, about);
    const QString folder = PluginsFolder();
    for (const QString& kind : installed) Install(folder, kind);
    PluginWindow p(folder);
    QCOMPARE(p.AboutText(), about);
  }

  void missingFolderLoadsNothing() {
    PluginWindow p(TestFolder() + QStringLiteral("/no-such-folder/"));
    QCOMPARE(p.AboutText(), QStringLiteral("Plugins loaded: none"));
    QVERIFY(p.parts.Plugins->Plugins().empty());
  }

  void refusedVersionsAreListedInTheLog() {
    const QString folder = PluginsFolder();
    Install(folder, QStringLiteral("other_version"));
    Install(folder, QStringLiteral("unversioned"));
    PluginWindow p(folder);
    const QString log = p.t.Window->MessageLog()->Text();
    QVERIFY2(log.contains(QStringLiteral("Plugin other_version.qmx refused: built for interface version 2")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("Plugin unversioned.qmx refused: built for no stated interface version")), qPrintable(log));
  }

  void splashNamesEachPluginAsItStarts() {
    const QString folder = PluginsFolder();
    Install(folder, QStringLiteral("refusing"));
    SplashScreen splash;
    splash.show();
    PluginWindow p(folder);
    QCOMPARE(splash.Message(), QStringLiteral("Starting plugin refusing.qmx ..."));
  }

  void twoPluginsAreBothUnloadedAtShutdown() {
    const QString folder = PluginsFolder();
    Install(folder, QStringLiteral("bare"));
    Install(folder, QStringLiteral("named"));
    QStringList unloaded;
    {
      PluginWindow p(folder);
      QCOMPARE(int(p.parts.Plugins->Plugins().size()), 2);
      p.parts.Plugins->OnUnload = [&unloaded](const QString& path) { unloaded << QFileInfo(path).fileName(); };
    }
    unloaded.sort();
    QCOMPARE(unloaded, (QStringList{QStringLiteral("bare.qmx"), QStringLiteral("named.qmx")}));
  }
};

REGISTER_APP_TEST(PluginTest);
#include "plugin_test.moc"
