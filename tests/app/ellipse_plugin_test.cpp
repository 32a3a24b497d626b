// The sample plug-in end to end: its kind is drawn, picked, saved, loaded, copied,
// undone and exported, in the designer and in quarrion-cli.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include "app/action_ids.h"
#include "app/commands.h"
#include "app/designer_extensions.h"
#include "app/help_commands.h"
#include "app/plugin_loader.h"
#include "app/work_area_widget.h"
#include "app_test_support.h"
#include "export/pdf_export.h"
#include "export/svg_export.h"
#include "model/quarrion_canvas.h"

namespace {
// The plug-in's ellipse: bounds (40, 40, 160, 120), fill 0xF0D8B0 (red B0, green D8, blue F0).
const QColor kFill(0xB0, 0xD8, 0xF0);
const QPoint kCentre(100, 80);
const QPoint kCornerInside(46, 46);  // inside the bounds, outside the ellipse, not on a handle

QString Folder(const QString& name) {
  QDir dir(TestFolder() + QLatin1Char('/') + name);
  dir.removeRecursively();
  dir.mkpath(QStringLiteral("."));
  return dir.absolutePath() + QLatin1Char('/');
}

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 && std::abs(a.blue() - b.blue()) <= 3;
}

struct Run {
  int Status = -1;
  QString Error;
};

Run Program(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  if (!p.waitForFinished(60000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError())};
}

// The slide rendered by poppler at 72 dpi: one pixel per point.
QImage Rasterise(const QString& pdf) {
  const QString prefix = pdf + QStringLiteral("-page");
  if (Program(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), pdf, prefix}).Status != 0)
    return {};
  return QImage(prefix + QStringLiteral(".png"));
}

void CheckPDF(const QString& pdf) {
  const Run check = Program(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
  QVERIFY2(check.Status == 0, qPrintable(check.Error));
  const QImage page = Rasterise(pdf);
  QVERIFY(!page.isNull());
  QVERIFY2(Near(page.pixelColor(kCentre), kFill), qPrintable(page.pixelColor(kCentre).name()));
  QVERIFY(Near(page.pixelColor(kCornerInside), page.pixelColor(QPoint(300, 300))));
}

void CheckSVG(const QString& svg) {
  QFile f(svg);
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  QVERIFY2(text.contains("cx=\"100\" cy=\"80\" rx=\"60\" ry=\"40\"/>"), text.constData());
  QVERIFY(text.contains("<ellipse stroke=\"#000000\" fill=\"#B0D8F0\""));
  QCOMPARE(Program(QStringLiteral("xmllint"), {QStringLiteral("--noout"), svg}).Status, 0);
}

struct EllipseWindow {
  explicit EllipseWindow(const QString& plugins) {
    parts = InstallDesignerExtensions(*t.Window, t.Registry);
    // The folder the settings would name, set where start-up reads it.
    const auto load = t.Window->LoadPlugins;
    t.Window->LoadPlugins = [this, plugins, load] {
      t.Window->PluginsDir = plugins;
      load();
    };
    t.Window->Start({});
    t.Window->resize(1000, 700);
    t.Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.Window.get()));
    area()->setFixedSize(480, 360);
    QApplication::processEvents();
  }
  MainWindow& w() { return *t.Window; }
  TQuarrionCanvas& canvas() { return w().WorkArea(); }
  WorkAreaWidget* area() { return w().WorkAreaControl(); }
  TPDFObjects& objects() { return canvas().CurrentPage().Objects; }
  QAction* InsertEntry() {
    for (QAction* a : w().Actions().Menu(QString::fromLatin1(MenuId::Insert))->actions())
      if (a->text() == QStringLiteral("&Ellipse")) return a;
    return nullptr;
  }
  QPoint Screen(QPoint page) {
    const TPoint p = canvas().PageToScreen(page.x(), page.y());
    return QPoint(p.X, p.Y);
  }
  TestWindow t;
  TDesignerExtensions parts;
};
}  // namespace

class EllipsePluginTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  void drawnSavedLoadedAndExported() {
    const QString plugins = Folder(QStringLiteral("ellipse-plugins"));
    QVERIFY(QFile::copy(QStringLiteral(QUARRION_ELLIPSE_PLUGIN), plugins + QStringLiteral("ellipse.qmx")));
    EllipseWindow e(plugins);
    QCOMPARE(e.w().Cmds().Help().PluginLines, (QStringList{QStringLiteral("Plugins loaded: "), QStringLiteral("Ellipse")}));
    QAction* insert = e.InsertEntry();
    QVERIFY(insert);
    insert->trigger();
    QCOMPARE(int(e.objects().size()), 1);
    const std::uint8_t id = e.objects()[0]->ClassID();
    QCOMPARE(int(id), 9);  // the next free ID after the eight built-in kinds
    QVERIFY(e.w().Modified());

    // Drawn on screen, and picked by its shape rather than by its bounds.
    e.canvas().Repaint();
    const QImage shown = e.area()->grab().toImage();
    QVERIFY(Near(shown.pixelColor(e.Screen(kCentre)), kFill));
    QVERIFY(!Near(shown.pixelColor(e.Screen(kCornerInside)), kFill));
    e.canvas().ClearSelectionQuietly();
    QTest::mouseClick(e.area(), Qt::LeftButton, {}, e.Screen(kCornerInside));
    QVERIFY(e.canvas().Selection().empty());
    QTest::mouseClick(e.area(), Qt::LeftButton, {}, e.Screen(kCentre));
    QCOMPARE(e.canvas().Selection(), TPDFSelection{0});

    // Copy keeps the kind; saved and loaded it comes back as itself.
    QCOMPARE(e.objects()[0]->Clone()->ClassID(), id);
    const QString documents = Folder(QStringLiteral("ellipse-docs"));
    const QString saved = documents + QStringLiteral("ellipse.qsl");
    QVERIFY(e.w().SaveDocumentTo(saved));
    e.w().NewDocument();
    QVERIFY(e.objects().empty());
    QVERIFY(e.w().OpenDocument(saved));
    QCOMPARE(int(e.objects().size()), 1);
    const TPDFObject& loaded = *e.objects()[0];
    QCOMPARE(loaded.ClassID(), id);
    QCOMPARE(QRect(loaded.Left, loaded.Top, loaded.Right - loaded.Left, loaded.Bottom - loaded.Top), QRect(40, 40, 120, 80));

    // Exports from the designer.
    QVERIFY(ExportPDF(e.canvas(), (documents + QStringLiteral("gui.pdf")).toStdString()).Ok());
    CheckPDF(documents + QStringLiteral("gui.pdf"));
    QVERIFY(ExportSVG(e.canvas(), (documents + QStringLiteral("gui.svg")).toStdString()).Ok());
    CheckSVG(documents + QStringLiteral("gui.svg"));

    // And headless, with and without the plug-in.
    const QString cli = QStringLiteral(QUARRION_CLI);
    Run pdf = Program(cli, {QStringLiteral("--plugins"), plugins, QStringLiteral("pdf"), saved, documents + QStringLiteral("cli.pdf")});
    QVERIFY2(pdf.Status == 0, qPrintable(pdf.Error));
    CheckPDF(documents + QStringLiteral("cli.pdf"));
    Run svg = Program(cli, {QStringLiteral("--plugins"), plugins, QStringLiteral("svg"), saved, documents + QStringLiteral("cli.svg")});
    QVERIFY2(svg.Status == 0, qPrintable(svg.Error));
    CheckSVG(documents + QStringLiteral("cli.svg"));
    const QString shots = Folder(QStringLiteral("ellipse-shots"));
    Run png = Program(cli, {QStringLiteral("--plugins"), plugins, QStringLiteral("png"), saved, shots,
                            QStringLiteral("--width"), QStringLiteral("432")});
    QVERIFY2(png.Status == 0, qPrintable(png.Error));
    const QImage slide(shots + QStringLiteral("slide-001.png"));
    QVERIFY(Near(slide.pixelColor(kCentre), kFill));
    QVERIFY(!Near(slide.pixelColor(kCornerInside), kFill));
    const QString empty = Folder(QStringLiteral("no-plugins"));
    Run without = Program(cli, {QStringLiteral("--plugins"), empty, QStringLiteral("pdf"), saved, documents + QStringLiteral("without.pdf")});
    QCOMPARE(without.Status, 1);
    QVERIFY2(without.Error.startsWith(QStringLiteral("Load failed")), qPrintable(without.Error));
    QVERIFY(!QFile::exists(documents + QStringLiteral("without.pdf")));
  }

  void pdfPathIsFourBezierArcs() {
    const QString plugins = Folder(QStringLiteral("ellipse-plugins"));
    QVERIFY(QFile::copy(QStringLiteral(QUARRION_ELLIPSE_PLUGIN), plugins + QStringLiteral("ellipse.qmx")));
    EllipseWindow e(plugins);
    e.InsertEntry()->trigger();
    TQuarrionCanvas& c = e.canvas();
    c.Compressed = false;
    std::string pdf;
    c.GeneratePDF(pdf);
    // Centre (100, 324 - 80), radii 60 and 40, control points 0.5523 of a radius out.
    const char* expected =
        "160 244 m\n"
        "160 266.091 133.137 284 100 284 c\n"
        "66.863 284 40 266.091 40 244 c\n"
        "40 221.909 66.863 204 100 204 c\n"
        "133.137 204 160 221.909 160 244 c\n"
        "b\n";
    QVERIFY2(pdf.find(expected) != std::string::npos, pdf.c_str());
  }

  void insertIsUndone() {
    const QString plugins = Folder(QStringLiteral("ellipse-plugins"));
    QVERIFY(QFile::copy(QStringLiteral(QUARRION_ELLIPSE_PLUGIN), plugins + QStringLiteral("ellipse.qmx")));
    EllipseWindow e(plugins);
    e.InsertEntry()->trigger();
    QVERIFY(e.canvas().UndoPossible());
    e.canvas().Undo();
    for (const auto& o : e.objects()) QVERIFY(o->Deleted);
    e.canvas().Redo();
    QCOMPARE(int(e.objects().size()), 1);
    QVERIFY(!e.objects()[0]->Deleted);
  }
};

REGISTER_APP_TEST(EllipsePluginTest);
#include "ellipse_plugin_test.moc"
