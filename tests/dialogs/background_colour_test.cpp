// Document Properties' "Background Colour": the colour dialog's place and presets, and the
// swatch that shows what was chosen.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/document_properties_dialog.h"
#include "dialogs/gradient_preview.h"
#include "dialogs/gradient_props_dialog.h"
#include "objects/gradient.h"

class BackgroundColourTest : public QObject {
  Q_OBJECT
 private slots:
  void SolidThenGradientThenCancel() {
    TDocumentProperties dialog;
    TPDFGradient stored(0, 0, 0, 0);
    stored.ShadingType = 3;
    dialog.SetStoredGradient(&stored);
    dialog.SetBackgroundColour(0xFFFFFF);
    dialog.move(200, 150);
    dialog.show();
    auto* button = Child<QPushButton>(dialog, "BGCB");
    auto* colourSwatch = Child<QWidget>(dialog, "BGC");
    auto* gradientSwatch = Child<TGradientPreview>(dialog, "BG_Grad");

    // A solid colour: the dialog opens 30 pixels right of and below the window's corner.
    dialog.RunColourDialog = [&](TGradProps& colours) {
      [&] {
        QCOMPARE(colours.pos(), dialog.pos() + QPoint(30, 30));
        QCOMPARE(colours.Colour(), TColor(0xFFFFFF));
        QVERIFY(!colours.GradientChosen());
        QCOMPARE(colours.Gradient()->ShadingType, 3);  // the stored gradient is offered
      }();
      colours.SetColour(0x123456);
      return true;
    };
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialog.BackgroundColour(), TColor(0x123456));
    QVERIFY(!dialog.BackgroundIsGradient());
    QVERIFY(colourSwatch->isVisible() && !gradientSwatch->isVisible());

    // A gradient: it replaces the colour swatch; the colour is kept too.
    dialog.RunColourDialog = [&](TGradProps& colours) {
      colours.ShowGradientPanel(true);
      Child<QListWidget>(colours, "Presets")->setCurrentRow(2);  // "Left - Right"
      colours.SetColour(0x00FF00);
      return true;
    };
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(dialog.BackgroundIsGradient());
    QCOMPARE(dialog.BackgroundGradient()->Start.X, 0.0);
    QCOMPARE(dialog.BackgroundGradient()->End.X, 1.0);
    QCOMPARE(dialog.BackgroundColour(), TColor(0x00FF00));
    QVERIFY(!colourSwatch->isVisible() && gradientSwatch->isVisible());
    QCOMPARE(gradientSwatch->Gradient()->End.X, 1.0);
    QVERIFY(gradientSwatch->Gradient() != dialog.BackgroundGradient());  // its own copy

    // Cancel changes nothing; the dialog was preset with the gradient showing.
    dialog.RunColourDialog = [&](TGradProps& colours) {
      [&] {
        QVERIFY(colours.GradientChosen());
        QCOMPARE(colours.Gradient()->End.X, 1.0);
      }();
      colours.ShowGradientPanel(false);
      return false;
    };
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(dialog.BackgroundIsGradient());
    QVERIFY(gradientSwatch->isVisible());
  }
};

static RegisterDialogTest<BackgroundColourTest> registration("BackgroundColourTest");
#include "background_colour_test.moc"
