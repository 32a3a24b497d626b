// Tools menu: the two tools, select all and none, and the options.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "app_test_support.h"
#include "command_test_support.h"

class ToolCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  // The menu's radio pair and Next Tool switch the work area's tool and the marks.
  void toolsAreARadioPair() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    QVERIFY(Action(w, ActionId::ToolSelection)->isChecked());
    QVERIFY(Trigger(w, ActionId::ToolNext));
    QCOMPARE(w.WorkArea().Tool(), TTool::tDropper);
    QVERIFY(Action(w, ActionId::ToolDropper)->isChecked());
    QVERIFY(!Action(w, ActionId::ToolSelection)->isChecked());
    QVERIFY(Trigger(w, ActionId::ToolSelection));
    QCOMPARE(w.WorkArea().Tool(), TTool::tSelect);
    QVERIFY(Trigger(w, ActionId::ToolDropper));
    QCOMPARE(w.WorkArea().Tool(), TTool::tDropper);
    QVERIFY(Trigger(w, ActionId::ToolNext));
    QCOMPARE(w.WorkArea().Tool(), TTool::tSelect);
  }

  // An object deleted but kept for undo is invisible: Select All leaves it out.
  void selectAllAndNone() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    EnvironmentInfo().ConfirmDelete = false;
    for (int left : {0, 20, 40}) AddBox(w, left, 0, left + 10, 10);
    SelectOnly(w, {1});
    Trigger(w, ActionId::ObjDelete);
    EnvironmentInfo().ConfirmDelete = true;
    QVERIFY(Trigger(w, ActionId::ToolSelectAll));
    QCOMPARE(w.WorkArea().Selection(), (TPDFSelection{0, 2}));
    QVERIFY(Action(w, ActionId::ObjDelete)->isEnabled());
    QVERIFY(Trigger(w, ActionId::ToolSelectNone));
    QVERIFY(w.WorkArea().Selection().empty());
    QVERIFY(!Action(w, ActionId::ObjDelete)->isEnabled());
  }

  // The dialog shows the options, and what is changed in it comes back on OK only.
  void optionsCopiedBack_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }
  void optionsCopiedBack() {
    QFETCH(bool, ok);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    TEnvironmentInfo& env = EnvironmentInfo();
    env.ShowPDFOnExport = true;
    env.ConfirmDelete = true;
    env.ShowPropsOnStencilDblClick = false;
    env.ShowDocPropsOnNew = false;
    w.SetTooltipsShown(true);
    w.WorkArea().SnapToGrid = true;
    w.WorkArea().GridSize = 8;
    QStringList shown;
    t.Prompts->DialogScripts.push_back([&](QDialog& dialog) {
      for (const char* name : {"StartPDF", "ConfirmDelete", "ShowPropsOnAdd", "SnapToGrid", "ShowDocProps", "ShowTips"})
        shown << QString::fromLatin1(name) + (Child<QCheckBox>(dialog, name)->isChecked() ? "+" : "-");
      shown << Child<QLineEdit>(dialog, "GridSize")->text();
      for (const char* name : {"StartPDF", "ConfirmDelete", "ShowPropsOnAdd", "ShowDocProps", "ShowTips"})
        Child<QCheckBox>(dialog, name)->toggle();
      Child<QLineEdit>(dialog, "GridSize")->setText(QStringLiteral("12"));
      return ok;
    });
    QVERIFY(Trigger(w, ActionId::ToolOptions));
    QCOMPARE(shown, (QStringList{"StartPDF+", "ConfirmDelete+", "ShowPropsOnAdd-", "SnapToGrid+", "ShowDocProps-",
                                 "ShowTips+", "8"}));
    QCOMPARE(env.ShowPDFOnExport, !ok);
    QCOMPARE(env.ConfirmDelete, !ok);
    QCOMPARE(env.ShowPropsOnStencilDblClick, ok);
    QCOMPARE(env.ShowDocPropsOnNew, ok);
    QCOMPARE(w.TooltipsShown(), !ok);
    QCOMPARE(w.WorkArea().GridSize, ok ? 12 : 8);
    env = TEnvironmentInfo{};
    env.ShowPDFOnExport = false;
  }

 private:
  template <typename T>
  static T* Child(QDialog& dialog, const char* name) {
    auto* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no child %s", name);
    return child;
  }
};

REGISTER_APP_TEST(ToolCommandsTest);
#include "tool_commands_test.moc"
