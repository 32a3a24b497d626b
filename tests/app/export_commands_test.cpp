// File menu: the PDF and SVG exports and the document properties.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <cerrno>
#include <unistd.h>

#include "app/commands.h"
#include "app/export_commands.h"
#include "app_test_support.h"
#include "base/atomic_file_writer.h"
#include "command_test_support.h"

namespace {
QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The kernel's answer in a folder that takes no new files, for callers to whom
// permission bits do not apply (root).
class NoNewFiles : public FileSystemOps {
 public:
  int CreateExclusive(const std::string&) override {
    errno = EACCES;
    return -1;
  }
};

struct TExportCase {
  const char* Command;
  const char* CliVerb;
  const char* Extension;
  const char* Caption;
  QStringList Statuses;  // before the byte count
};

// Runs quarrion-cli with `arguments`; true when it succeeded.
bool RunCli(const QStringList& arguments) {
  QProcess cli;
  cli.start(QString::fromUtf8(QUARRION_CLI), arguments);
  return cli.waitForFinished(60000) && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

// The files of `folder` other than `except`, with their bytes.
QMap<QString, QByteArray> SideFiles(const QString& folder, const QString& except) {
  QMap<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files))
    if (name != except) files[name] = ReadAll(QDir(folder).filePath(name));
  return files;
}

TExportCase Case(const QString& kind) {
  if (kind == QLatin1String("pdf"))
    return {ActionId::FilePdf, "pdf", ".pdf", "Generate PDF",
            {"Generating PDF code ...", "Saving PDF ..."}};
  return {ActionId::FileSvg, "svg", ".SVG", "Generate SVG",
          {"Generating SVG code ...", "Saving SVG ..."}};
}
}  // namespace

class ExportCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    ClearStoredSettings();
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
  }

  void exportMatchesTheCommandLine_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("PDF") << "pdf";
    QTest::newRow("SVG") << "svg";
  }
  // The GUI writes the bytes quarrion-cli writes for the same document (the sample deck:
  // text, links, a picture, a gradient), pictures beside an SVG included, shows its steps
  // in order and opens the result when ShowPDFOnExport is set.
  void exportMatchesTheCommandLine() {
    QFETCH(QString, kind);
    const TExportCase c = Case(kind);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    const QString sample = TestFolder() + QStringLiteral("/sample-") + kind;
    QVERIFY(RunCli({QStringLiteral("demo"), sample}));
    const QString deck = sample + QStringLiteral("/demo.qsl");
    QVERIFY(w.OpenDocument(deck));
    EnvironmentInfo().ShowPDFOnExport = true;
    QList<QUrl> opened;
    w.Cmds().Seams.OpenUrl = [&](const QUrl& url) { opened << url; };
    QStringList statuses;
    auto& exports = w.Cmds().Exports();
    exports.ShowStatus = [&](const QString& text) { statuses << text; };
    const QString folder = TestFolder() + QStringLiteral("/gui-") + kind;
    QDir().mkpath(folder);
    t.Prompts->SaveNames.push_back(folder + QStringLiteral("/show.txt"));
    QVERIFY(Trigger(w, c.Command));
    const QString written = folder + QStringLiteral("/show") + QLatin1String(c.Extension);
    QCOMPARE(t.Prompts->Requests.back().ProposedName, QStringLiteral("demo") + QLatin1String(c.Extension));
    QVERIFY(t.Prompts->Warnings.isEmpty());
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(written)});
    const QByteArray gui = ReadAll(written);
    QVERIFY(statuses.size() >= 3);
    QCOMPARE(statuses.mid(0, 2), c.Statuses);
    QCOMPARE(statuses.back(), QStringLiteral("%1 bytes written to %2").arg(gui.size()).arg(written));

    const QString cliFolder = TestFolder() + QStringLiteral("/cli-") + kind;
    QDir().mkpath(cliFolder);
    const QString cliOut = cliFolder + QStringLiteral("/show") + QLatin1String(c.Extension);
    QVERIFY(RunCli({QString::fromLatin1(c.CliVerb), deck, cliOut}));
    QVERIFY(gui == ReadAll(cliOut));
    const QString name = QStringLiteral("show") + QLatin1String(c.Extension);
    QCOMPARE(SideFiles(folder, name), SideFiles(cliFolder, name));
    if (kind == QLatin1String("svg")) {
      QVERIFY(!SideFiles(folder, name).isEmpty());
      QVERIFY(statuses.join('\n').contains(QStringLiteral("Saving resource ")));
    }
    EnvironmentInfo().ShowPDFOnExport = false;
  }

  void exportToAnUnwritableFolder_data() { exportMatchesTheCommandLine_data(); }
  // The warning names the path with the export's caption; the file that was there stays.
  void exportToAnUnwritableFolder() {
    QFETCH(QString, kind);
    const TExportCase c = Case(kind);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    const QString folder = TestFolder() + QStringLiteral("/locked-") + kind;
    QDir().mkpath(folder);
    const QString target = folder + QStringLiteral("/show") + QLatin1String(c.Extension);
    {
      QFile old(target);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("the previous export");
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    NoNewFiles noNewFiles;
    std::unique_ptr<ScopedFileSystemOps> asRoot;
    if (::geteuid() == 0) asRoot = std::make_unique<ScopedFileSystemOps>(noNewFiles);
    QList<QUrl> opened;
    w.Cmds().Seams.OpenUrl = [&](const QUrl& url) { opened << url; };
    EnvironmentInfo().ShowPDFOnExport = true;
    t.Prompts->SaveNames.push_back(target);
    QVERIFY(Trigger(w, c.Command));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(t.Prompts->Warnings, QStringList{QStringLiteral("Could not save to ") + target});
    QCOMPARE(t.Prompts->WarningCaptions, QStringList{QString::fromLatin1(c.Caption)});
    QVERIFY(opened.isEmpty());
    QCOMPARE(ReadAll(target), QByteArray("the previous export"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("show") + QLatin1String(c.Extension)});
    QCOMPARE(w.StatusText()->text(), QString());
    EnvironmentInfo().ShowPDFOnExport = false;
  }

  // The dialog shows the document's values; an emptied size gives the new-document size.
  void documentPropertiesEmptySize() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    TQuarrionCanvas& canvas = w.WorkArea();
    canvas.PageWidth = 600;
    canvas.PageHeight = 400;
    canvas.DocumentInfo.Title = "Old title";
    w.SetModified(false);
    QStringList shown;
    t.Prompts->DialogScripts.push_back([&](QDialog& dialog) {
      for (const char* name : {"SizeX", "SizeY", "Title"}) {
        auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        shown << field->text();
        field->setText(QString());
      }
      dialog.findChild<QLineEdit*>(QStringLiteral("Title"))->setText(QStringLiteral("New title"));
      return true;
    });
    QVERIFY(Trigger(w, ActionId::FileDocProps));
    QCOMPARE(shown, (QStringList{"600", "400", "Old title"}));
    QCOMPARE(canvas.PageWidth, 432);
    QCOMPARE(canvas.PageHeight, 324);
    QCOMPARE(canvas.DocumentInfo.Title, std::string("New title"));
    QVERIFY(w.Modified());
  }

  // With ShowDocPropsOnNew, a new document opens its properties; a kept one does not.
  void newShowsDocumentProperties_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("unchanged document") << false << QStringList{"Document Properties"};
    QTest::newRow("changes kept by Cancel") << true << QStringList{"Save changes to (untitled)?"};
  }
  void newShowsDocumentProperties() {
    QFETCH(bool, modified);
    QFETCH(QStringList, asked);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    EnvironmentInfo().ShowDocPropsOnNew = true;
    w.SetModified(modified);
    t.Prompts->YesNoCancelAnswers = {TAnswer::Cancel};
    t.Prompts->DialogScripts.push_back([](QDialog&) { return false; });
    QVERIFY(Trigger(w, ActionId::FileNew));
    QCOMPARE(t.Prompts->Asked, asked);
    EnvironmentInfo().ShowDocPropsOnNew = false;
  }

  // Cancel changes nothing.
  void documentPropertiesCancelled() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    w.WorkArea().PageWidth = 600;
    w.SetModified(false);
    t.Prompts->DialogScripts.push_back([](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("SizeX"))->setText(QStringLiteral("100"));
      return false;
    });
    QVERIFY(Trigger(w, ActionId::FileDocProps));
    QCOMPARE(w.WorkArea().PageWidth, 600);
    QVERIFY(!w.Modified());
  }
};

REGISTER_APP_TEST(ExportCommandsTest);
#include "export_commands_test.moc"
