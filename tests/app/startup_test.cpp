// Start-up: the first start without settings, the command line, the recent-file list.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "app/action_ids.h"
#include "app/command_line.h"
#include "app/page_list.h"
#include "app_test_support.h"
#include "model/quarrion_canvas.h"

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  void firstStartWithoutSettings() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    // At the top-left corner at the minimum size.
    QCOMPARE(w.size(), QSize(600, 300));
    QCOMPARE(w.pos(), QPoint(0, 0));
    const QString documents = QDir::home().filePath(QStringLiteral("Documents/Quarrion/"));
    QCOMPARE(w.DocumentsDir, documents + QStringLiteral("Saved Documents/"));
    QCOMPARE(w.PDFDir, documents + QStringLiteral("Saved PDF Documents/"));
    QCOMPARE(w.SVGDir, documents + QStringLiteral("Saved SVG Documents/"));
    for (const QString& folder : {w.DocumentsDir, w.PDFDir, w.SVGDir}) QVERIFY2(QDir(folder).exists(), qPrintable(folder));
    QVERIFY(w.TooltipsShown());
    QCOMPARE(w.WorkArea().SnapToGrid, false);
    QCOMPARE(w.WorkArea().GridSize, 8);
    QVERIFY(w.RecentFiles().isEmpty());
    QCOMPARE(w.FileName(), QStringLiteral("(untitled)"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quarrion - (untitled)"));
    QCOMPARE(w.Pages()->List()->count(), 1);
    QCOMPARE(w.Pages()->List()->item(0)->text(), QStringLiteral("1: New Slide"));
    QCOMPARE(w.WorkArea().DocumentInfo.Title, std::string("New Document"));
    QVERIFY(!w.Modified());
  }

  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("opened");  // file name, or "" for none
    const QString a = WriteDeck(QStringLiteral("first.qsl"), 2);
    const QString b = WriteDeck(QStringLiteral("second.qsl"), 3);
    const QString missing = QDir(TestFolder()).filePath(QStringLiteral("missing.qsl"));
    const QString garbage = QDir(TestFolder()).filePath(QStringLiteral("garbage.qsl"));
    QFile f(garbage);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a slide show");
    f.close();
    QTest::newRow("switches skipped, first of two opens")
        << QStringList{QStringLiteral("-geometry"), QStringLiteral("+x"), a, b} << QStringLiteral("first.qsl");
    QTest::newRow("first cannot be read, second opens") << QStringList{missing, b} << QStringLiteral("second.qsl");
    QTest::newRow("first is no document, second opens") << QStringList{garbage, b} << QStringLiteral("second.qsl");
    QTest::newRow("an absolute path is no switch") << QStringList{QStringLiteral("-s"), a} << QStringLiteral("first.qsl");
    QTest::newRow("only switches") << QStringList{QStringLiteral("--reverse"), QStringLiteral("+z")} << QString();
  }

  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, opened);
    TestWindow t;
    t.Window->Start(arguments);
    if (opened.isEmpty()) {
      QCOMPARE(t.Window->FileName(), QStringLiteral("(untitled)"));
    } else {
      QCOMPARE(QFileInfo(t.Window->FileName()).fileName(), opened);
      QCOMPARE(t.Window->windowTitle(), QStringLiteral("Quarrion - ") + opened);
    }
    // A document that does not load is passed over without a message.
    QVERIFY2(t.Prompts->Warnings.isEmpty(), qPrintable(t.Prompts->Warnings.join(QLatin1Char('|'))));
    QVERIFY(!t.Window->Modified());
  }

  void documentArgumentsSkipOnlySwitches() {
    const QStringList paths = DocumentArguments(
        {QStringLiteral("-a"), QStringLiteral("+b"), QStringLiteral("/home/x/deck.qsl"), QStringLiteral("deck2.qsl")});
    QCOMPARE(paths, (QStringList{QStringLiteral("/home/x/deck.qsl"), QStringLiteral("deck2.qsl")}));
  }

  // MRULength 10 with ten entries: nine remain once the next file is opened.
  void tenRecentFilesLeaveNine() {
    {
      QSettings s(QStringLiteral("Kelvane"), QStringLiteral("Quarrion"));
      s.beginGroup(QStringLiteral("1.0"));
      s.setValue(QStringLiteral("MRULength"), 10);
      for (int n = 1; n <= 10; ++n)
        s.setValue(QStringLiteral("MRU Entry %1").arg(n), QStringLiteral("/stored/file%1.qsl").arg(n));
      s.sync();
    }
    const QString deck = WriteDeck(QStringLiteral("recent.qsl"), 1);
    TestWindow t;
    t.Window->Start({});
    QVERIFY(t.Window->OpenDocument(deck));
    const QStringList recent = t.Window->RecentFiles();
    QCOMPARE(recent.size(), 9);
    QCOMPARE(recent.first(), QFileInfo(deck).absoluteFilePath());
    QCOMPARE(recent.at(1), QStringLiteral("/stored/file1.qsl"));
    QCOMPARE(recent.last(), QStringLiteral("/stored/file8.qsl"));
    // The File menu lists them after its own entries, most recent first.
    QStringList captions;
    for (QAction* a : t.Window->Actions().Menu(QString::fromLatin1(MenuId::File))->actions())
      if (!a->isSeparator() && a->text().startsWith(QLatin1Char('&')) && a->text().at(2) == QLatin1Char(' '))
        captions << a->text();
    QCOMPARE(captions.size(), 9);
    QCOMPARE(captions.first(), QStringLiteral("&1 recent.qsl"));
    QCOMPARE(captions.last(), QStringLiteral("&9 file8.qsl"));
  }
};

REGISTER_APP_TEST(StartupTest);
#include "startup_test.moc"
