// The page panel, the page list and the enabling rules, driven as a person would.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/action_ids.h"
#include "app/page_list.h"
#include "app/page_panel.h"
#include "app_test_support.h"
#include "model/quarrion_canvas.h"

namespace {
QStringList Lines(MainWindow& w) {
  QStringList lines;
  for (int i = 0; i < w.Pages()->List()->count(); ++i) lines << w.Pages()->List()->item(i)->text();
  return lines;
}

// The slide commands are built elsewhere; connected here so that only the rules decide.
void ConnectSlideCommands(MainWindow& w) {
  using namespace ActionId;
  for (const char* id : {SlideFirst, SlidePrevious, SlideNext, SlideLast, SlideDelete, SlideGoTo,
                         PageGoTo, SlideOrganiser, SlideInsert, SlideAdd})
    w.Actions().Connect(QString::fromLatin1(id), [] {});
}

bool Enabled(MainWindow& w, const char* id) { return w.Actions().Action(QString::fromLatin1(id))->isEnabled(); }

// Types each character as a key press carrying it, as a keyboard layout would.
void Type(QWidget* field, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &release);
  }
}

void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2)); }
}  // namespace

class PagePanelTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  void enablingRules_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("firstPrevious");
    QTest::addColumn<bool>("nextLast");
    QTest::addColumn<bool>("severalPages");  // delete, go to, organiser
    QTest::addColumn<bool>("insertAdd");
    QTest::newRow("one page") << 1 << 0 << false << false << false << true;
    QTest::newRow("first of three") << 3 << 0 << false << true << true << true;
    QTest::newRow("middle of three") << 3 << 1 << true << true << true << true;
    QTest::newRow("last of three") << 3 << 2 << true << false << true << true;
    QTest::newRow("254 pages") << 254 << 0 << false << true << true << true;
    QTest::newRow("255 pages: the limit") << 255 << 254 << true << false << true << false;
  }

  void enablingRules() {
    QFETCH(int, pages);
    QFETCH(int, current);
    QFETCH(bool, firstPrevious);
    QFETCH(bool, nextLast);
    QFETCH(bool, severalPages);
    QFETCH(bool, insertAdd);
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    ConnectSlideCommands(w);
    w.WorkArea().SetPageCount(pages);
    w.WorkArea().SetPage(current);
    using namespace ActionId;
    for (const char* id : {SlideFirst, SlidePrevious}) QCOMPARE(Enabled(w, id), firstPrevious);
    for (const char* id : {SlideNext, SlideLast}) QCOMPARE(Enabled(w, id), nextLast);
    for (const char* id : {SlideDelete, SlideGoTo, PageGoTo, SlideOrganiser}) QCOMPARE(Enabled(w, id), severalPages);
    for (const char* id : {SlideInsert, SlideAdd}) QCOMPARE(Enabled(w, id), insertAdd);
    QCOMPARE(w.Pages()->List()->count(), pages);
    QCOMPARE(w.Pages()->List()->currentRow(), current);
  }

  // Page 2 of three becomes a master: it loses its number, the third becomes 2.
  void masterPagesAreNotNumbered() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({WriteDeck(QStringLiteral("master.qsl"), 3)});
    w.show();
    QCOMPARE(Lines(w), (QStringList{"1: Slide 1", "2: Slide 2", "3: Slide 3"}));
    QTest::mouseClick(w.Pages()->List()->viewport(), Qt::LeftButton, {},
                      w.Pages()->List()->visualItemRect(w.Pages()->List()->item(1)).center());
    QCOMPARE(w.WorkArea().Page(), 1);
    Click(w.Panel()->IsMaster());
    QVERIFY(w.WorkArea().Pages()[1].IsMaster);
    QCOMPARE(Lines(w), (QStringList{"1: Slide 1", "Slide 2 (m)", "2: Slide 3"}));
    QVERIFY(w.Modified());
    Click(w.Panel()->IsMaster());
    QCOMPARE(Lines(w), (QStringList{"1: Slide 1", "2: Slide 2", "3: Slide 3"}));
  }

  // With "Include in Outline" checked the minor entry follows the title as it is typed.
  void typingATitleKeepsTheOutlineEntry() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    w.show();
    QCOMPARE(w.Panel()->IncludeOutline()->checkState(), Qt::Checked);
    QLineEdit* title = w.Panel()->TitleField();
    title->selectAll();
    Type(title, QStringLiteral("Café"));
    const TPage& page = w.WorkArea().CurrentPage();
    QCOMPARE(page.Title, std::string("Caf\xE9"));
    QCOMPARE(page.MinorEntry, page.Title);
    QVERIFY(page.MajorEntry.empty());
    QCOMPARE(Lines(w), QStringList{QStringLiteral("1: Café")});
    QVERIFY(w.Modified());
  }

  void aCharacterTheDocumentCannotHoldIsRefused() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    w.show();
    QLineEdit* title = w.Panel()->TitleField();
    title->end(false);
    Type(title, QStringLiteral("\u0101"));
    QCOMPARE(t.Prompts->Warnings.size(), 1);
    QVERIFY2(t.Prompts->Warnings.first().contains(QStringLiteral("\u0101")), qPrintable(t.Prompts->Warnings.first()));
    QVERIFY(t.Prompts->Warnings.first().contains(QStringLiteral("U+0101")));
    QCOMPARE(title->text(), QStringLiteral("New Slide"));
    QCOMPARE(w.WorkArea().CurrentPage().Title, std::string("New Slide"));
  }

  // Qt's three-state box goes unchecked, grayed, checked, unchecked, ... on each click.
  void outlineBoxStates_data() {
    QTest::addColumn<QString>("majorBefore");
    QTest::addColumn<QString>("minorBefore");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("major");
    QTest::addColumn<QString>("minor");
    QTest::newRow("grayed to checked: the minor entry is the title")
        << "Major" << "Minor" << 1 << int(Qt::Checked) << QString() << QStringLiteral("Slide 1");
    QTest::newRow("grayed to unchecked: both cleared")
        << "Major" << "Minor" << 2 << int(Qt::Unchecked) << QString() << QString();
    QTest::newRow("unchecked to grayed: nothing changes")
        << QString() << QString() << 1 << int(Qt::PartiallyChecked) << QString() << QString();
  }

  void outlineBoxStates() {
    QFETCH(QString, majorBefore);
    QFETCH(QString, minorBefore);
    QFETCH(int, clicks);
    QFETCH(int, state);
    QFETCH(QString, major);
    QFETCH(QString, minor);
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({WriteDeck(QStringLiteral("outline.qsl"), 1)});
    w.show();
    TPage& page = w.WorkArea().CurrentPage();
    page.MajorEntry = majorBefore.toStdString();
    page.MinorEntry = minorBefore.toStdString();
    w.Panel()->ShowPage();
    for (int i = 0; i < clicks; ++i) Click(w.Panel()->IncludeOutline());
    QCOMPARE(int(w.Panel()->IncludeOutline()->checkState()), state);
    QCOMPARE(QString::fromStdString(page.MajorEntry), major);
    QCOMPARE(QString::fromStdString(page.MinorEntry), minor);
    QVERIFY(w.Modified());
  }

  // "More ..." opens the page properties; a major entry grays the outline box.
  void morePropertiesSetTheOutlineEntries() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    w.show();
    t.Prompts->DialogScripts.push_back([](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("Title"))->setText(QStringLiteral("Intro"));
      dialog.findChild<QCheckBox*>(QStringLiteral("HasMajorOutline"))->setChecked(true);
      dialog.findChild<QLineEdit*>(QStringLiteral("MajOutline"))->setText(QStringLiteral("Part one"));
      return true;
    });
    Click(w.Panel()->MoreButton());
    QCOMPARE(t.Prompts->Asked, QStringList{QStringLiteral("Page Properties")});
    const TPage& page = w.WorkArea().CurrentPage();
    QCOMPARE(page.Title, std::string("Intro"));
    QCOMPARE(page.MajorEntry, std::string("Part one"));
    QCOMPARE(w.Panel()->IncludeOutline()->checkState(), Qt::PartiallyChecked);
    QCOMPARE(w.Panel()->TitleField()->text(), QStringLiteral("Intro"));
    QCOMPARE(Lines(w), QStringList{QStringLiteral("1: Intro")});
    QVERIFY(w.Modified());
  }

  void useMasterFollowsTheBox() {
    TestWindow t;
    MainWindow& w = *t.Window;
    w.Start({});
    w.show();
    QVERIFY(w.Panel()->UseMaster()->isChecked());
    Click(w.Panel()->UseMaster());
    QVERIFY(!w.WorkArea().CurrentPage().UseMaster);
    QVERIFY(w.Modified());
  }
};

REGISTER_APP_TEST(PagePanelTest);
#include "page_panel_test.moc"
