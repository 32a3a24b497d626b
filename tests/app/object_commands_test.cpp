// Object menu: back-to-front order, duplicate, nudges, delete and the properties' undo step.
#include <QTest>

#include "app/commands.h"
#include "app/object_commands.h"
#include "app_test_support.h"
#include "command_test_support.h"

namespace {
// The page's objects by their Left edges, back to front.
QList<int> Lefts(MainWindow& w) {
  QList<int> lefts;
  for (const auto& o : w.WorkArea().CurrentPage().Objects) lefts << o->Left;
  return lefts;
}
}  // namespace

class ObjectCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  // Four boxes A..D (Left 0, 10, 20, 30); B and C selected. Every selected box moves and
  // the two keep their order between themselves.
  void zOrder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("bring to front") << QString::fromLatin1(ActionId::ObjFront) << QList<int>{0, 30, 10, 20};
    QTest::newRow("move forward") << QString::fromLatin1(ActionId::ObjForward) << QList<int>{0, 30, 10, 20};
    QTest::newRow("move back") << QString::fromLatin1(ActionId::ObjBack) << QList<int>{10, 20, 0, 30};
    QTest::newRow("send to back") << QString::fromLatin1(ActionId::ObjToBack) << QList<int>{10, 20, 0, 30};
  }
  void zOrder() {
    QFETCH(QString, command);
    QFETCH(QList<int>, order);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    for (int left : {0, 10, 20, 30}) AddBox(w, left, 0, left + 5, 5);
    SelectOnly(w, {1, 2});
    QVERIFY(Trigger(w, command.toLatin1().constData()));
    QCOMPARE(Lefts(w), order);
    // The same two boxes stay selected at their new places.
    QList<int> selected;
    for (int index : w.WorkArea().Selection()) selected << ObjectAt(w, index).Left;
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, (QList<int>{10, 20}));
  }

  // Copies go down by the tallest selected height + 12; never lower than 10 points above
  // the bottom edge (page height 324).
  void duplicate_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("copyTop");
    QTest::newRow("room below") << 20 << 60 << 72;
    QTest::newRow("just above the limit") << 250 << 300 << 312;
    QTest::newRow("exactly at the limit") << 264 << 302 << 314;
    QTest::newRow("near the bottom edge") << 280 << 310 << 314;
  }
  void duplicate() {
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, copyTop);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    AddBox(w, 10, top, 50, bottom);
    AddBox(w, 60, top, 70, top + 4);  // shorter: the tallest decides the step
    SelectOnly(w, {0, 1});
    QVERIFY(Trigger(w, ActionId::ObjDuplicate));
    QCOMPARE(ObjectCount(w), std::size_t(4));
    QCOMPARE(ObjectAt(w, 2).Top, copyTop);
    QCOMPARE(ObjectAt(w, 2).Bottom - ObjectAt(w, 2).Top, bottom - top);
    QCOMPARE(ObjectAt(w, 2).Left, 10);
    QVERIFY(ObjectAt(w, 3).Top <= 314);
    QCOMPARE(w.WorkArea().Selection(), (TPDFSelection{2, 3}));
  }

  void nudges_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("up") << QString::fromLatin1(ActionId::ObjNudgeUp) << 0 << -1;
    QTest::newRow("down") << QString::fromLatin1(ActionId::ObjNudgeDown) << 0 << 1;
    QTest::newRow("left") << QString::fromLatin1(ActionId::ObjNudgeLeft) << -1 << 0;
    QTest::newRow("right") << QString::fromLatin1(ActionId::ObjNudgeRight) << 1 << 0;
  }
  void nudges() {
    QFETCH(QString, command);
    QFETCH(int, dx);
    QFETCH(int, dy);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    AddBox(w, 40, 40, 80, 80);
    SelectOnly(w, {0});
    w.SetModified(false);
    QVERIFY(Trigger(w, command.toLatin1().constData()));
    QCOMPARE(ObjectAt(w, 0).Left, 40 + dx);
    QCOMPARE(ObjectAt(w, 0).Top, 40 + dy);
    QVERIFY(w.Modified());
  }

  void deleteAsksOnlyWhenConfirmDeleteIsSet_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("asked, No") << true << QList<bool>{false} << false;
    QTest::newRow("asked, Yes") << true << QList<bool>{true} << true;
    QTest::newRow("not asked") << false << QList<bool>{} << true;
  }
  void deleteAsksOnlyWhenConfirmDeleteIsSet() {
    QFETCH(bool, confirm);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, deleted);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    EnvironmentInfo().ConfirmDelete = confirm;
    AddBox(w, 40, 40, 80, 80);
    SelectOnly(w, {0});
    t.Prompts->YesNoAnswers.assign(answers.begin(), answers.end());
    QVERIFY(Trigger(w, ActionId::ObjDelete));
    QCOMPARE(t.Prompts->Asked.size(), int(answers.size()));
    QCOMPARE(ObjectAt(w, 0).Deleted, deleted);
    EnvironmentInfo().ConfirmDelete = true;
  }

  // The properties command owns the undo step around the dialog: OK records one step
  // that undoes the edit, Cancel records nothing.
  void propertiesUndoStep_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }
  void propertiesUndoStep() {
    QFETCH(bool, ok);
    TestWindow t;
    MainWindow& w = *t.Window;
    StartWindow(w);
    QVERIFY(!Action(w, ActionId::ObjProperties)->isEnabled());  // no dialog connected yet
    AddBox(w, 40, 40, 80, 80);
    SelectOnly(w, {0});
    const int stepsBefore = w.WorkArea().UndoHistory().Position;
    TPDFObject& box = ObjectAt(w, 0);
    // Stands in for the object properties dialog: OK or Cancel, and the edit it applies.
    w.Cmds().Objects().SetObjectEditor({[&] { return ok; }, [&] { box.Left = 10; }});
    w.SetModified(false);
    QVERIFY(Trigger(w, ActionId::ObjProperties));
    QCOMPARE(w.Modified(), ok);
    QCOMPARE(w.WorkArea().UndoHistory().Position, stepsBefore + (ok ? 1 : 0));
    if (!ok) return;
    QCOMPARE(box.Left, 10);
    // The step holds the state before the dialog and the state after the edit.
    Trigger(w, ActionId::EditUndo);
    QCOMPARE(ObjectAt(w, 0).Left, 40);
    Trigger(w, ActionId::EditRedo);
    QCOMPARE(ObjectAt(w, 0).Left, 10);
  }
};

REGISTER_APP_TEST(ObjectCommandsTest);
#include "object_commands_test.moc"
