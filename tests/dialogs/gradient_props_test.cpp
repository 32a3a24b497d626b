// Colour Properties: the sliders, the hexadecimal field and the gradient panel's controls
// against the values the colour rules give, and the gradient preview's dragged ends.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/gradient_end_tab.h"
#include "dialogs/gradient_preset_list.h"
#include "dialogs/gradient_preview.h"
#include "dialogs/gradient_props_dialog.h"
#include "objects/gradient.h"

namespace {
void Retype(QWidget* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

// Moves a slider as the keyboard does, one step at a time, until it shows `value`.
void SlideTo(QSlider* slider, int value) {
  slider->setFocus();
  while (slider->value() < value) QTest::keyClick(slider, Qt::Key_Right);
  while (slider->value() > value) QTest::keyClick(slider, Qt::Key_Left);
}
}  // namespace

class GradientPropsTest : public QObject {
  Q_OBJECT
 private slots:
  void HSBSlidersGiveTheColour_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("pure red, just under half brightness") << 0 << 255 << 127 << 254 << 0 << 0;
    QTest::newRow("no saturation is grey") << 100 << 0 << 127 << 127 << 127 << 127;
    QTest::newRow("full brightness is white") << 170 << 200 << 255 << 255 << 255 << 255;
    QTest::newRow("no brightness is black") << 85 << 255 << 0 << 0 << 0 << 0;
  }
  void HSBSlidersGiveTheColour() {
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, b);
    TGradProps dialog;
    dialog.SetColour(0x808080);
    dialog.show();
    SlideTo(Child<QSlider>(dialog, "SolidHue"), h);
    SlideTo(Child<QSlider>(dialog, "SolidSat"), s);
    SlideTo(Child<QSlider>(dialog, "SolidLum"), b);
    const TColor c = dialog.Colour();
    QTEST(int(RedOf(c)), "red");
    QTEST(int(GreenOf(c)), "green");
    QTEST(int(BlueOf(c)), "blue");
    // The red, green and blue sliders follow.
    QTEST(Child<QSlider>(dialog, "SolidRed")->value(), "red");
    QTEST(Child<QSlider>(dialog, "SolidGreen")->value(), "green");
    QTEST(Child<QSlider>(dialog, "SolidBlue")->value(), "blue");
  }

  void HexadecimalFieldSetsTheSliders() {
    TGradProps dialog;
    dialog.SetColour(0xFFFFFF);
    dialog.show();
    auto* hex = Child<QLineEdit>(dialog, "Hex");
    QCOMPARE(hex->text(), QString("FFFFFF"));
    Retype(hex, "8000");
    QCOMPARE(dialog.Colour(), RGBColour(0, 128, 0));
    QCOMPARE(Child<QSlider>(dialog, "SolidGreen")->value(), 128);
    QCOMPARE(Child<QSlider>(dialog, "SolidRed")->value(), 0);
    QCOMPARE(hex->text(), QString("8000"));
    // Typing does not rewrite the field, so the caret stays where the person typed.
    QTest::keyClick(hex, Qt::Key_Home);
    QTest::keyClicks(hex, "1F");
    QCOMPARE(hex->text(), QString("1F8000"));
    QCOMPARE(dialog.Colour(), RGBColour(31, 128, 0));
    // The sliders write the field in full.
    SlideTo(Child<QSlider>(dialog, "SolidRed"), 255);
    QCOMPARE(hex->text(), QString("FF8000"));
  }

  void StartColourSliderColoursEveryListEntry() {
    TGradProps dialog;
    dialog.SetGradientAllowed(true);
    dialog.SetGradient(nullptr);
    dialog.ShowGradientPanel(true);
    dialog.show();
    SlideTo(Child<QSlider>(dialog, "Hue1"), 170);  // towards blue
    auto* list = Child<GradientPresetList>(dialog, "Presets");
    const TColor chosen = dialog.Gradient()->Start.Colour;
    QVERIFY(chosen != 0x0000FF);
    for (int row = 0; row < GradientPresetList::kEntries; ++row) {
      QCOMPARE(list->Entry(row)->Start.Colour, chosen);
      QCOMPARE(list->Entry(row)->End.Colour, TColor(0x00FFFF));  // the other end stays
    }
  }

  void RadiusFieldTakesOnlyDigits() {
    TGradProps dialog;
    dialog.SetGradientAllowed(true);
    dialog.ShowGradientPanel(true);
    dialog.show();
    ClickBox(Child<QRadioButton>(dialog, "Radial"));
    auto* radius = Child<QLineEdit>(dialog, "Rad1");
    QVERIFY(radius->isEnabled());
    Retype(radius, "4x5.6");
    QCOMPARE(radius->text(), QString("456"));
    QCOMPARE(dialog.Gradient()->Start.Radius, 4.56);
    Retype(radius, "-");
    QCOMPARE(radius->text(), QString("0"));
    QCOMPARE(dialog.Gradient()->Start.Radius, 0.0);
    radius->clear();
    QCOMPARE(dialog.Gradient()->Start.Radius, 0.0);
    ClickBox(Child<QRadioButton>(dialog, "Axial"));
    QVERIFY(!radius->isEnabled());
  }

  void PresetLoadsTheControls() {
    TGradProps dialog;
    dialog.SetGradientAllowed(true);
    dialog.ShowGradientPanel(true);
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "Presets");
    QCOMPARE(list->currentRow(), 0);
    list->setCurrentRow(5);  // "Radial: Top Left"
    QCOMPARE(dialog.Gradient()->ShadingType, 3);
    QVERIFY(Child<QRadioButton>(dialog, "Radial")->isChecked());
    QCOMPARE(Child<QSlider>(dialog, "XPos1")->value(), 60);
    QCOMPARE(Child<QSlider>(dialog, "XPos2")->value(), 10);
    QCOMPARE(Child<QLineEdit>(dialog, "Rad1")->text(), QString("100"));
    // The first entry now stands for the gradient being edited.
    QCOMPARE(static_cast<GradientPresetList*>(list)->Entry(0), dialog.Gradient());
  }

  void PositionsShowAsSignedFractions_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("positive") << 50 << "+0.50";
    QTest::newRow("zero") << 0 << "0.00";
    QTest::newRow("negative") << -100 << "-1.00";
    QTest::newRow("far") << 200 << "+2.00";
  }
  void PositionsShowAsSignedFractions() {
    QFETCH(int, value);
    QTEST(GradientEndTab::PositionText(value), "text");
  }

  void DraggingTheStartHandleMovesTheStart() {
    TGradientPreview preview;
    preview.resize(200, 100);
    preview.Editable = true;
    preview.FullDrag = true;
    preview.SetGradient(std::make_unique<TPDFGradient>(0, 0, 0, 0));
    preview.Gradient()->Start.X = 0.5;
    preview.Gradient()->Start.Y = 0.2;
    preview.Gradient()->End.X = 1;
    preview.Gradient()->End.Y = 1;
    int changing = 0, changed = 0;
    preview.OnChanging = [&] { ++changing; };
    preview.OnChange = [&] { ++changed; };
    preview.show();
    // A press away from both points drags nothing.
    QTest::mousePress(&preview, Qt::LeftButton, {}, QPoint(20, 80));
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, QPoint(40, 90));
    QCOMPARE(changed, 0);
    const QPoint start(100, 20);
    QCOMPARE(preview.StartPoint(), start);
    QTest::mousePress(&preview, Qt::LeftButton, {}, start + QPoint(3, -3));
    QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(23, 27)), QPointF(start + QPoint(23, 27)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&preview, &move);
    QCOMPARE(changing, 1);
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, start + QPoint(43, 33));
    QCOMPARE(changed, 1);
    QCOMPARE(preview.Gradient()->Start.X, 140 / 200.0);
    QCOMPARE(preview.Gradient()->Start.Y, 56 / 100.0);
    QCOMPARE(preview.Gradient()->End.X, 1.0);  // the other end stays
  }

  void ChosenGradientComesBackToTheCaller() {
    TPDFGradient original(0, 0, 0, 0);
    original.ShadingType = 3;
    original.End.X = 0.25;
    TGradProps dialog;
    dialog.SetGradientAllowed(true);
    dialog.SetGradient(&original);
    dialog.ShowGradientPanel(true);
    dialog.show();
    QVERIFY(dialog.GradientChosen());
    QCOMPARE(dialog.Gradient()->ShadingType, 3);
    QCOMPARE(Child<QSlider>(dialog, "XPos2")->value(), 25);
    QVERIFY(dialog.Gradient() != &original);  // a copy is edited
    QTest::mouseClick(Child<QWidget>(dialog, "UseSolid"), Qt::LeftButton);
    QVERIFY(!dialog.GradientChosen());
    // A caller that takes no gradient never gets one.
    dialog.SetGradientAllowed(false);
    QTest::mouseClick(Child<QWidget>(dialog, "UseGradient"), Qt::LeftButton);
    QVERIFY(!dialog.GradientChosen());
    dialog.ShowGradientPanel(true);
    QVERIFY(!dialog.GradientChosen());
    QVERIFY(!Child<QWidget>(dialog, "GradPanel")->isVisible());
  }
};

static RegisterDialogTest<GradientPropsTest> registration("GradientPropsTest");
#include "gradient_props_test.moc"
