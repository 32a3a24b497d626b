// Slide Organiser: the shift rule and the page order it hands back.
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "dialog_tests.h"
#include "dialogs/slide_organiser_dialog.h"

namespace {
// Pages A, B (a master), C, D; C carries outline entries.
std::vector<SlideOrganiserRow> FourPages() {
  return {{"A", false, false, "", "", 0, 1},
          {"B", true, false, "", "", 1, 0},
          {"C", false, true, "Part", "C", 2, 2},
          {"D", false, true, "", "", 3, 3}};
}

std::vector<int> Order(std::initializer_list<int> list) { return list; }
}  // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class SlideOrganiserTest : public QObject {
  Q_OBJECT
 private slots:
  void RowsShowTheirPagesFlags() {
    TSO dialog;
    dialog.SetRows(FourPages(), 2);
    auto* list = Child<QTreeWidget>(dialog, "Pages");
    QCOMPARE(list->topLevelItemCount(), 4);
    const QStringList expected[] = {{"A", "No", "No", "No", "", ""},
                                    {"B", "Yes", "No", "No", "", ""},
                                    {"C", "No", "Yes", "Yes", "Part", "C"}};
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 6; ++column)
        QCOMPARE(list->topLevelItem(row)->text(column), expected[row][column]);
    QCOMPARE(list->currentItem(), list->topLevelItem(2));
    QVERIFY(list->topLevelItem(2)->isSelected());
  }

  void ShiftFollowsTheRule_data() {
    QTest::addColumn<int>("selected");  // -1: no selection
    QTest::addColumn<QList<int>>("shifts");
    QTest::addColumn<std::vector<int>>("order");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("first row up") << 0 << QList<int>{-1} << Order({0, 1, 2, 3}) << 0;
    QTest::newRow("last row down") << 3 << QList<int>{+1} << Order({0, 1, 2, 3}) << 3;
    QTest::newRow("no selection") << -1 << QList<int>{-1, +1} << Order({0, 1, 2, 3}) << -1;
    QTest::newRow("third to the front") << 2 << QList<int>{-1, -1} << Order({2, 0, 1, 3}) << 0;
    QTest::newRow("second down twice") << 1 << QList<int>{+1, +1} << Order({0, 2, 3, 1}) << 3;
    QTest::newRow("down then up") << 1 << QList<int>{+1, -1} << Order({0, 1, 2, 3}) << 1;
  }
  void ShiftFollowsTheRule() {
    QFETCH(int, selected);
    QFETCH(QList<int>, shifts);
    TSO dialog;
    dialog.SetRows(FourPages(), selected < 0 ? 0 : selected);
    dialog.show();
    auto* list = Child<QTreeWidget>(dialog, "Pages");
    if (selected < 0) list->clearSelection();
    for (int d : shifts)
      QTest::mouseClick(Child<QPushButton>(dialog, d < 0 ? "ShiftUp" : "ShiftDown"), Qt::LeftButton);
    QTEST(dialog.PageOrder(), "order");
    const QList<QTreeWidgetItem*> now = list->selectedItems();
    QTEST(now.isEmpty() ? -1 : list->indexOfTopLevelItem(now.first()), "selectedAfter");
  }

  void RowsKeepTheirPageAndSlideNumbers() {
    TSO dialog;
    dialog.SetRows(FourPages(), 3);
    dialog.Shift(-1);
    dialog.Shift(-1);
    dialog.Shift(-1);
    const std::vector<SlideOrganiserRow> rows = dialog.Rows();
    QCOMPARE(rows.size(), std::size_t(4));
    QCOMPARE(rows[0].Title, std::string("D"));
    QCOMPARE(rows[0].PageIndex, 3);
    QCOMPARE(rows[0].SlideNumber, 3);
    QCOMPARE(rows[3].Title, std::string("C"));
    QCOMPARE(rows[3].MajorEntry, std::string("Part"));
    QCOMPARE(Child<QTreeWidget>(dialog, "Pages")->topLevelItem(0)->text(0), QString("D"));
  }
};

static RegisterDialogTest<SlideOrganiserTest> registration("SlideOrganiserTest");
#include "slide_organiser_test.moc"
