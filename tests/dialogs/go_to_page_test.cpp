// Go To Page: numbered lines, the current page selected, a double click accepting.
#include <QListWidget>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/go_to_page_dialog.h"

class GoToPageTest : public QObject {
  Q_OBJECT
 private slots:
  void LinesAreNumberedFromOne() {
    TForm6 dialog;
    dialog.SetPages({"Intro", "Caf\xE9", ""}, 1);
    auto* list = Child<QListWidget>(dialog, "Pages");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString("1: Intro"));
    QCOMPARE(list->item(1)->text(), QString::fromUtf8("2: Café"));
    QCOMPARE(list->item(2)->text(), QString("3: "));
    QCOMPARE(dialog.SelectedPage(), 1);
  }

  void DoubleClickOnALineAcceptsIt() {
    TForm6 dialog;
    dialog.SetPages({"One", "Two", "Three"}, 0);
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "Pages");
    const QPoint third = list->visualItemRect(list->item(2)).center();
    // A double click arrives as press, release, double click, release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.SelectedPage(), 2);
  }

  void DoubleClickOutsideTheLinesDoesNotAccept() {
    TForm6 dialog;
    dialog.SetPages({"One"}, 0);
    dialog.resize(320, 360);
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "Pages");
    const QPoint below(10, list->viewport()->height() - 5);
    QVERIFY(!list->itemAt(below));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    QVERIFY(dialog.isVisible());
  }
};

static RegisterDialogTest<GoToPageTest> registration("GoToPageTest");
#include "go_to_page_test.moc"
