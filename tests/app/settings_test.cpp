// Settings through QSettings in the temporary XDG_CONFIG_HOME: written, read back, and
// the rules that stop the reading early.
#include <QFile>
#include <QSettings>
#include <QSplitter>
#include <QTest>

#include "app_test_support.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"

using TStored = QList<QPair<QString, QVariant>>;
Q_DECLARE_METATYPE(TStored)

namespace {
void Store(const TStored& values) {
  QSettings s(QStringLiteral("Kelvane"), QStringLiteral("Quarrion"));
  s.beginGroup(QStringLiteral("1.0"));
  for (const auto& [name, value] : values) s.setValue(name, value);
  s.sync();
}

// Every value up to the page-list height, as the program writes them.
TStored UpToSplitter() {
  return {{QStringLiteral("MRULength"), 10},
          {QStringLiteral("Current Directory"), QString()},
          {QStringLiteral("Show PDF On Export"), QStringLiteral("False")}};
}
}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  void writtenAndReadBack() {
    const QString deck = WriteDeck(QStringLiteral("settings.qsl"), 1);
    {
      TestWindow t;
      MainWindow& w = *t.Window;
      w.Start({});
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      w.move(40, 60);
      w.resize(800, 500);
      w.SetPageListHeight(120);
      w.DocumentsDir = TestFolder() + QStringLiteral("/documents/");
      w.PDFDir = TestFolder() + QStringLiteral("/pdf/");
      w.WorkArea().SnapToGrid = true;
      w.WorkArea().GridSize = 16;
      QVERIFY(w.OpenDocument(deck));
      w.WorkArea().FullScreen = false;  // a document brings its own; the setting is the last one
      w.SetTooltipsShown(false);
      EnvironmentInfo().ConfirmDelete = false;
      QVERIFY(w.WriteSettings());
    }
    QVERIFY(QFile::exists(SettingsFilePath()));
    {
      QSettings raw(QStringLiteral("Kelvane"), QStringLiteral("Quarrion"));
      const QVariant coords = raw.value(QStringLiteral("1.0/WindowCoords"));
      QCOMPARE(coords.typeId(), int(QMetaType::QByteArray));
      QCOMPARE(coords.toByteArray().size(), 16);
      QCOMPARE(raw.value(QStringLiteral("1.0/Snap to Grid")).toString(), QStringLiteral("True"));
    }
    EnvironmentInfo() = TEnvironmentInfo();
    TestWindow t;
    MainWindow& w = *t.Window;
    QVERIFY(w.ReadSettings());
    QCOMPARE(w.pos(), QPoint(40, 60));
    QCOMPARE(w.size(), QSize(800, 500));
    QCOMPARE(w.Settings().PageListHeight, 120);
    QCOMPARE(w.DocumentsDir, TestFolder() + QStringLiteral("/documents/"));
    QCOMPARE(w.PDFDir, TestFolder() + QStringLiteral("/pdf/"));
    QCOMPARE(w.WorkArea().SnapToGrid, true);
    QCOMPARE(w.WorkArea().GridSize, 16);
    QCOMPARE(w.WorkArea().FullScreen, false);
    QCOMPARE(w.TooltipsShown(), false);
    QCOMPARE(EnvironmentInfo().ConfirmDelete, false);
    QCOMPARE(w.RecentFiles(), QStringList{QFileInfo(deck).absoluteFilePath()});
  }

  void stopRules_data() {
    QTest::addColumn<TStored>("stored");
    QTest::addColumn<bool>("tooltips");
    QTest::addColumn<bool>("snap");
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<bool>("showPdf");

    const TStored full = UpToSplitter() + TStored{{QStringLiteral("Pagelist splitter position"), 150},
                                                  {QStringLiteral("Show Tooltips"), QStringLiteral("False")},
                                                  {QStringLiteral("Snap to Grid"), QStringLiteral("True")},
                                                  {QStringLiteral("Grid Size"), 24}};
    QTest::newRow("nothing stored: defaults") << TStored{} << true << false << 8 << true;
    QTest::newRow("everything stored") << full << false << true << 24 << false;
    QTest::newRow("no MRULength: nothing after it is read")
        << TStored{{QStringLiteral("Show Tooltips"), QStringLiteral("False")},
                   {QStringLiteral("Snap to Grid"), QStringLiteral("True")},
                   {QStringLiteral("Grid Size"), 24},
                   {QStringLiteral("Show PDF On Export"), QStringLiteral("False")}}
        << true << false << 8 << true;
    QTest::newRow("MRULength beyond a signed byte stops the reading")
        << TStored{{QStringLiteral("MRULength"), 200}, {QStringLiteral("Show PDF On Export"), QStringLiteral("False")}}
        << true << false << 8 << true;
    QTest::newRow("no page-list height: the values after it keep their defaults")
        << UpToSplitter() + TStored{{QStringLiteral("Show Tooltips"), QStringLiteral("False")},
                                    {QStringLiteral("Snap to Grid"), QStringLiteral("True")},
                                    {QStringLiteral("Grid Size"), 24}}
        << true << false << 8 << false;
    QTest::newRow("names in another case are the same values")
        << UpToSplitter() + TStored{{QStringLiteral("PAGELIST SPLITTER POSITION"), 150},
                                    {QStringLiteral("show tooltips"), QStringLiteral("False")},
                                    {QStringLiteral("Grid size"), 24}}
        << false << false << 24 << false;
    QTest::newRow("a grid size of 0 keeps the grid usable")
        << UpToSplitter() + TStored{{QStringLiteral("Pagelist splitter position"), 150},
                                    {QStringLiteral("Snap to Grid"), QStringLiteral("True")},
                                    {QStringLiteral("Grid Size"), 0}}
        << true << true << 8 << false;
  }

  void stopRules() {
    QFETCH(TStored, stored);
    QFETCH(bool, tooltips);
    QFETCH(bool, snap);
    QFETCH(int, gridSize);
    QFETCH(bool, showPdf);
    Store(stored);
    EnvironmentInfo() = TEnvironmentInfo();
    TestWindow t;
    t.Window->ReadSettings();
    QCOMPARE(t.Window->TooltipsShown(), tooltips);
    QCOMPARE(t.Window->WorkArea().SnapToGrid, snap);
    QCOMPARE(t.Window->WorkArea().GridSize, gridSize);
    // Stored as "False" wherever it is stored: true means it was never read.
    QCOMPARE(EnvironmentInfo().ShowPDFOnExport, showPdf);
  }

  // A name written in another case replaces the stored value instead of adding one.
  void writingReplacesTheValueWhateverItsCase() {
    Store({{QStringLiteral("grid size"), 4}});
    TestWindow t;
    t.Window->WorkArea().GridSize = 32;
    QVERIFY(t.Window->WriteSettings());
    QSettings raw(QStringLiteral("Kelvane"), QStringLiteral("Quarrion"));
    raw.beginGroup(QStringLiteral("1.0"));
    QVERIFY(!raw.contains(QStringLiteral("grid size")));
    QCOMPARE(raw.value(QStringLiteral("Grid Size")).toInt(), 32);
  }
};

REGISTER_APP_TEST(SettingsTest);
#include "settings_test.moc"
