// Document Properties: the page size rule, the background swatches and the hook of
// "Background Colour".
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/document_properties_dialog.h"
#include "objects/gradient.h"

class DocumentPropertiesTest : public QObject {
  Q_OBJECT
 private slots:
  void PageSizeFieldsGiveTheDefaultForZero_data() {
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("both empty") << "" << "" << 432 << 324;
    QTest::newRow("zeros") << "0" << "000" << 432 << 324;
    QTest::newRow("width only") << "500" << "" << 500 << 324;
    QTest::newRow("typed junk") << "6x0" << "4-8" << 60 << 48;
    QTest::newRow("too large") << "99999" << "70000" << 65535 << 65535;
  }
  void PageSizeFieldsGiveTheDefaultForZero() {
    TDocumentProperties dialog;
    dialog.SetPageSize(800, 600);
    QFETCH(QString, x);
    QFETCH(QString, y);
    Child<QLineEdit>(dialog, "SizeX")->setText(x);
    Child<QLineEdit>(dialog, "SizeY")->setText(y);
    QTEST(dialog.PageWidth(), "width");
    QTEST(dialog.PageHeight(), "height");
  }

  void ValuesComeBackAsSet() {
    TDocumentProperties dialog;
    QVERIFY(dialog.FullScreen() && dialog.ShowOutlines() && dialog.Compressed());
    dialog.SetPageSize(842, 595);
    dialog.SetFullScreen(false);
    dialog.SetCompressed(false);
    dialog.SetDocumentTitle("Caf\xE9");
    dialog.SetSubject("Menu");
    dialog.SetAuthor("\x8Avejk");  // Windows-1252 S-caron
    QCOMPARE(Child<QLineEdit>(dialog, "Author")->text(), QString::fromUtf8("\u0160vejk"));
    QCOMPARE(dialog.PageWidth(), 842);
    QCOMPARE(dialog.PageHeight(), 595);
    QVERIFY(!dialog.FullScreen());
    QVERIFY(dialog.ShowOutlines());
    QVERIFY(!dialog.Compressed());
    QCOMPARE(dialog.DocumentTitle(), std::string("Caf\xE9"));
    QCOMPARE(dialog.Subject(), std::string("Menu"));
    QCOMPARE(dialog.Author(), std::string("\x8Avejk"));
  }

  void SwatchesShowTheKindOfBackground() {
    TDocumentProperties dialog;
    dialog.show();
    auto* colour = Child<QFrame>(dialog, "BGC");
    auto* gradientSwatch = Child<QFrame>(dialog, "BG_Grad");
    dialog.SetBackgroundColour(0x0000FF);  // red: TColor keeps red in the low byte
    QVERIFY(colour->isVisible() && !gradientSwatch->isVisible());
    QCOMPARE(colour->palette().color(QPalette::Window), QColor(255, 0, 0));
    QVERIFY(!dialog.BackgroundIsGradient());

    TPDFGradient gradient(0, 0, 0, 0);
    gradient.ShadingType = 3;
    gradient.End.Colour = 0x00FF00;
    dialog.SetBackgroundGradient(gradient);
    gradient.End.Colour = 0;  // the dialog holds its own copy
    QVERIFY(!colour->isVisible() && gradientSwatch->isVisible());
    QVERIFY(dialog.BackgroundIsGradient());
    QCOMPARE(dialog.BackgroundColour(), TColor(0x0000FF));
    QCOMPARE(dialog.BackgroundGradient()->ShadingType, 3);
    QCOMPARE(dialog.BackgroundGradient()->End.Colour, TColor(0x00FF00));
    auto copy = dialog.CopyBackgroundGradient();
    QVERIFY(copy && copy.get() != dialog.BackgroundGradient());
    QCOMPARE(copy->End.Colour, TColor(0x00FF00));

    dialog.SetBackgroundColour(0xFFFFFF);
    QVERIFY(colour->isVisible() && !gradientSwatch->isVisible());
    QVERIFY(!dialog.BackgroundIsGradient() && !dialog.BackgroundGradient() && !dialog.CopyBackgroundGradient());
  }

  void BackgroundColourButtonRunsTheHook() {
    TDocumentProperties dialog;
    dialog.move(200, 150);
    dialog.show();
    int calls = 0;
    QPoint where;
    dialog.SetOnBackgroundColour([&] {
      ++calls;
      where = dialog.ColourDialogPosition();
      dialog.SetBackgroundGradient(TPDFGradient(0, 0, 0, 0));
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "BGCB"), Qt::LeftButton);
    QCOMPARE(calls, 1);
    QCOMPARE(where, dialog.pos() + QPoint(30, 30));
    QVERIFY(dialog.BackgroundIsGradient());
    QVERIFY(dialog.isVisible());  // the button does not close the dialog
  }

  void TextIsRefusedWithAMessageNamingTheCharacter() {
    TDocumentProperties dialog;
    QStringList warnings;
    dialog.SetWarningHandler([&](const QString& text) { warnings << text; });
    dialog.show();
    for (const char* name : {"Title", "Subject", "Author"}) {
      auto* field = Child<QLineEdit>(dialog, name);
      field->setFocus();
      TypeText(field, QString::fromUtf8("ok\u4E2D"));
      QCOMPARE(field->text(), QString("ok"));
    }
    QCOMPARE(warnings.size(), 3);
    QVERIFY(warnings[0].contains(QString::fromUtf8("\"\u4E2D\" (U+4E2D)")));
    // Pasting a text with one bad character refuses the whole paste.
    auto* title = Child<QLineEdit>(dialog, "Title");
    title->insert(QString::fromUtf8("more \U0001F600 text"));
    QCOMPARE(title->text(), QString("ok"));
    QVERIFY(warnings.last().contains("U+1F600"));
    QCOMPARE(dialog.DocumentTitle(), std::string("ok"));
  }
};

static RegisterDialogTest<DocumentPropertiesTest> registration("DocumentPropertiesTest");
#include "document_properties_test.moc"
