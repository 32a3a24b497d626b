// Edit menu: undo, redo and the private clipboard.
#include <QTest>

#include "app/commands.h"
#include "app/edit_commands.h"
#include "app_test_support.h"
#include "command_test_support.h"

class EditCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  // Cut asks before deleting; either answer leaves the copies on the clipboard.
  void cutAsksAndAlwaysCopies_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("objectsLeft");
    QTest::newRow("No keeps the objects") << false << 2;
    QTest::newRow("Yes deletes them") << true << 0;
  }
  void cutAsksAndAlwaysCopies() {
    QFETCH(bool, answer);
    QFETCH(int, objectsLeft);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    AddBox(w, 10, 10, 50, 50);
    AddBox(w, 60, 10, 90, 40);
    SelectOnly(w, {1, 0});
    t.Prompts->YesNoAnswers = {answer};
    QVERIFY(Trigger(w, ActionId::EditCut));
    QCOMPARE(t.Prompts->Asked, QStringList{QStringLiteral("Delete selected objects?")});
    int visible = 0;
    for (const auto& o : w.WorkArea().CurrentPage().Objects) visible += o->Deleted ? 0 : 1;
    QCOMPARE(visible, objectsLeft);
    const TPDFObjects& clipboard = w.Cmds().Edit().Clipboard();
    QCOMPARE(clipboard.size(), std::size_t(2));
    // In selection order: the second box first.
    QCOMPARE(clipboard[0]->Left, 60);
    QCOMPARE(clipboard[1]->Left, 10);
    QVERIFY(Action(w, ActionId::EditPaste)->isEnabled());
  }

  // Each paste puts a full set at the copied places and selects exactly that set.
  void twoPastesLieOnTopOfEachOther() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    QVERIFY(!Action(w, ActionId::EditPaste)->isEnabled());
    AddBox(w, 10, 20, 50, 60);
    AddBox(w, 100, 110, 130, 150);
    SelectOnly(w, {0, 1});
    QVERIFY(Trigger(w, ActionId::EditCopy));
    w.SetModified(false);
    QVERIFY(Trigger(w, ActionId::EditPaste));
    QVERIFY(w.Modified());
    QVERIFY(Trigger(w, ActionId::EditPaste));
    QCOMPARE(ObjectCount(w), std::size_t(6));
    for (int set = 1; set <= 2; ++set)
      for (int i = 0; i < 2; ++i) {
        const TPDFObject& original = ObjectAt(w, i);
        const TPDFObject& copy = ObjectAt(w, set * 2 + i);
        QCOMPARE(copy.Left, original.Left);
        QCOMPARE(copy.Top, original.Top);
        QCOMPARE(copy.Right, original.Right);
        QCOMPARE(copy.Bottom, original.Bottom);
      }
    QCOMPARE(w.WorkArea().Selection(), (TPDFSelection{4, 5}));
  }

  void undoAndRedoOfAPaste() {
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    AddBox(w, 10, 20, 50, 60);
    SelectOnly(w, {0});
    Trigger(w, ActionId::EditCopy);
    Trigger(w, ActionId::EditPaste);
    QVERIFY(Trigger(w, ActionId::EditUndo));
    QVERIFY(ObjectAt(w, 1).Deleted);
    QVERIFY(Action(w, ActionId::EditRedo)->isEnabled());
    QVERIFY(Trigger(w, ActionId::EditRedo));
    QVERIFY(!ObjectAt(w, 1).Deleted);
  }
};

REGISTER_APP_TEST(EditCommandsTest);
#include "edit_commands_test.moc"
