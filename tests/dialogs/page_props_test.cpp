// Page Properties: filling from a page, the entry fields following their boxes, and what
// the getters hand back.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "dialog_tests.h"
#include "dialogs/page_props_dialog.h"

class PagePropsTest : public QObject {
  Q_OBJECT
 private slots:
  void FillShowsEntryOrTitle_data() {
    QTest::addColumn<QString>("major");
    QTest::addColumn<QString>("minor");
    QTest::addColumn<bool>("majorChecked");
    QTest::addColumn<QString>("majorShown");
    QTest::addColumn<bool>("minorChecked");
    QTest::addColumn<QString>("minorShown");
    QTest::newRow("no entries") << "" << "" << false << "Intro" << false << "Intro";
    QTest::newRow("minor is title") << "" << "Intro" << false << "Intro" << true << "Intro";
    QTest::newRow("both own") << "Part 1" << "Start" << true << "Part 1" << true << "Start";
  }
  void FillShowsEntryOrTitle() {
    QFETCH(QString, major);
    QFETCH(QString, minor);
    TPageProps dialog;
    dialog.SetPage("Intro", major.toStdString(), minor.toStdString());
    auto* majorBox = Child<QCheckBox>(dialog, "HasMajorOutline");
    auto* majorField = Child<QLineEdit>(dialog, "MajOutline");
    auto* minorBox = Child<QCheckBox>(dialog, "HasMinorOutline");
    auto* minorField = Child<QLineEdit>(dialog, "MinOutline");
    QTEST(majorBox->isChecked(), "majorChecked");
    QTEST(majorField->isEnabled(), "majorChecked");
    QTEST(majorField->text(), "majorShown");
    QTEST(minorBox->isChecked(), "minorChecked");
    QTEST(minorField->isEnabled(), "minorChecked");
    QTEST(minorField->text(), "minorShown");
    // The getters hand back exactly what the page held.
    QCOMPARE(QString::fromStdString(dialog.MajorEntry()), major);
    QCOMPARE(QString::fromStdString(dialog.MinorEntry()), minor);
  }

  void ClickingABoxEnablesItsFieldAndDecidesTheEntry() {
    TPageProps dialog;
    dialog.SetPage("Intro", "", "");
    dialog.show();
    auto* box = Child<QCheckBox>(dialog, "HasMajorOutline");
    auto* field = Child<QLineEdit>(dialog, "MajOutline");
    ClickBox(box);
    QVERIFY(field->isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "MinOutline")->isEnabled());
    field->setText("Chapter");
    QCOMPARE(dialog.MajorEntry(), std::string("Chapter"));
    ClickBox(box);
    QVERIFY(!field->isEnabled());
    QCOMPARE(dialog.MajorEntry(), std::string());
  }

  void TextIsRefusedUnlessWindows1252CanHoldIt() {
    TPageProps dialog;
    QStringList warnings;
    dialog.SetWarningHandler([&](const QString& text) { warnings << text; });
    dialog.SetPage("Caf\xE9", "", "");  // Windows-1252 "Café"
    auto* title = Child<QLineEdit>(dialog, "Title");
    QCOMPARE(title->text(), QString::fromUtf8("Café"));
    title->setFocus();
    title->end(false);
    TypeText(title, QString::fromUtf8(" \u20AC"));  // the euro sign is 0x80
    QVERIFY(warnings.isEmpty());
    TypeText(title, QString::fromUtf8("\u0101"));  // a-macron is not held
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(QString::fromUtf8("\"\u0101\"")), qPrintable(warnings[0]));
    QVERIFY(warnings[0].contains("U+0101"));
    QCOMPARE(title->text(), QString::fromUtf8("Café €"));
    QCOMPARE(title->cursorPosition(), 6);
    QCOMPARE(dialog.Title(), std::string("Caf\xE9 \x80"));
  }
};

static RegisterDialogTest<PagePropsTest> registration("PagePropsTest");
#include "page_props_test.moc"
