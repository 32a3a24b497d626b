// Options: the grid size follows "Snap to grid", and every value goes in and comes out.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/options_dialog.h"

Q_DECLARE_METATYPE(OptionsValues)

class OptionsTest : public QObject {
  Q_OBJECT
 private slots:
  void GridSizeIsEnabledOnlyWhileSnapping() {
    TOptions dialog;
    dialog.show();
    auto* snap = Child<QCheckBox>(dialog, "SnapToGrid");
    auto* size = Child<QLineEdit>(dialog, "GridSize");
    QVERIFY(!snap->isChecked());
    QVERIFY(!size->isEnabled());
    ClickBox(snap);
    QVERIFY(size->isEnabled());
    ClickBox(snap);
    QVERIFY(!size->isEnabled());
    dialog.SetValues(OptionsValues{.SnapToGrid = true, .GridSize = 8});
    QVERIFY(size->isEnabled());
    dialog.SetValues(OptionsValues{.SnapToGrid = false, .GridSize = 8});
    QVERIFY(!size->isEnabled());
  }

  void ValuesComeBackAsSet_data() {
    QTest::addColumn<OptionsValues>("values");
    QTest::newRow("defaults") << OptionsValues{};
    QTest::newRow("all flipped") << OptionsValues{false, false, false, true, 16, true, false};
    QTest::newRow("largest grid") << OptionsValues{true, false, true, true, 65535, false, true};
  }
  void ValuesComeBackAsSet() {
    QFETCH(OptionsValues, values);
    TOptions dialog;
    dialog.SetValues(values);
    QVERIFY(dialog.Values() == values);
  }

  void EachBoxReachesItsOwnValue() {
    // A box wired to the wrong value would survive a round trip of equal flags; flip one
    // box at a time and check that exactly its value changed.
    const std::pair<const char*, bool OptionsValues::*> boxes[] = {
        {"StartPDF", &OptionsValues::ShowPDFOnExport},
        {"ConfirmDelete", &OptionsValues::ConfirmDelete},
        {"ShowPropsOnAdd", &OptionsValues::ShowPropsOnStencilDblClick},
        {"SnapToGrid", &OptionsValues::SnapToGrid},
        {"ShowDocProps", &OptionsValues::ShowDocPropsOnNew},
        {"ShowTips", &OptionsValues::ShowTooltips}};
    for (const auto& [name, member] : boxes) {
      TOptions dialog;
      const OptionsValues before{};
      dialog.SetValues(before);
      dialog.show();
      ClickBox(Child<QCheckBox>(dialog, name));
      OptionsValues expected = before;
      expected.*member = !(before.*member);
      QVERIFY2(dialog.Values() == expected, name);
    }
  }

  void EmptyGridSizeGivesZero() {
    TOptions dialog;
    dialog.SetValues(OptionsValues{.SnapToGrid = true, .GridSize = 12});
    auto* size = Child<QLineEdit>(dialog, "GridSize");
    size->clear();
    QCOMPARE(size->text(), QString("0"));
    QCOMPARE(dialog.Values().GridSize, 0);
  }
};

static RegisterDialogTest<OptionsTest> registration("OptionsTest");
#include "options_test.moc"
