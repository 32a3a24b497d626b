// Slide menu: insert, add, delete, duplicate, moving between slides, go to, the organiser.
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/commands.h"
#include "app/slide_commands.h"
#include "app_test_support.h"
#include "command_test_support.h"
#include "dialogs/slide_organiser_dialog.h"
#include "objects/annot.h"

namespace {
// A started window with `pages` slides titled "Slide 1", ...
void OpenDeck(TestWindow& t, int pages) {
  StartWindow(*t.Window);
  QVERIFY(t.Window->OpenDocument(WriteDeck(QStringLiteral("deck.qsl"), pages)));
}

// A link on the current page to slide `slide` (counted from 1).
TPDFAnnot* AddLink(MainWindow& w, int slide) {
  auto link = std::make_unique<TPDFAnnot>(5, 5, 30, 30);
  TLinkDest dest;
  dest.Page = slide - 1;
  link->SetDestination(dest);
  return static_cast<TPDFAnnot*>(w.WorkArea().Add(std::move(link)));
}

std::string Title(MainWindow& w, int page) { return w.WorkArea().Pages()[std::size_t(page)].Title; }
}  // namespace

class SlideCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  // Which way one can move from where one is; a disabled entry leaves the page alone.
  void navigationEnabling_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("backwards");  // First, Previous
    QTest::addColumn<bool>("forwards");   // Next, Last
    QTest::newRow("one slide") << 1 << 0 << false << false;
    QTest::newRow("first of three") << 3 << 0 << false << true;
    QTest::newRow("middle of three") << 3 << 1 << true << true;
    QTest::newRow("last of three") << 3 << 2 << true << false;
  }
  void navigationEnabling() {
    QFETCH(int, pages);
    QFETCH(int, current);
    QFETCH(bool, backwards);
    QFETCH(bool, forwards);
    TestWindow t;
    OpenDeck(t, pages);
    MainWindow& w = *t.Window;
    w.WorkArea().SetPage(current);
    QCOMPARE(Trigger(w, ActionId::SlidePrevious), backwards);
    QCOMPARE(w.WorkArea().Page(), backwards ? current - 1 : current);
    w.WorkArea().SetPage(current);
    QCOMPARE(Trigger(w, ActionId::SlideNext), forwards);
    QCOMPARE(w.WorkArea().Page(), forwards ? current + 1 : current);
    w.WorkArea().SetPage(current);
    QCOMPARE(Trigger(w, ActionId::SlideFirst), backwards);
    QCOMPARE(w.WorkArea().Page(), backwards ? 0 : current);
    w.WorkArea().SetPage(current);
    QCOMPARE(Trigger(w, ActionId::SlideLast), forwards);
    QCOMPARE(w.WorkArea().Page(), forwards ? pages - 1 : current);
  }

  void deleteSlideAsks_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("No keeps it") << false << QStringList{"Slide 1", "Slide 2", "Slide 3"};
    QTest::newRow("Yes deletes it") << true << QStringList{"Slide 1", "Slide 3"};
  }
  void deleteSlideAsks() {
    QFETCH(bool, answer);
    QFETCH(QStringList, titles);
    TestWindow t;
    OpenDeck(t, 3);
    MainWindow& w = *t.Window;
    w.WorkArea().SetPage(2);
    TPDFAnnot* link = AddLink(w, 3);
    w.WorkArea().SetPage(1);
    t.Prompts->YesNoAnswers = {answer};
    QVERIFY(Trigger(w, ActionId::SlideDelete));
    QCOMPARE(t.Prompts->Asked, QStringList{QStringLiteral("Delete this slide and all objects on it?")});
    QStringList now;
    for (int i = 0; i < w.WorkArea().PageCount(); ++i) now << QString::fromStdString(Title(w, i));
    QCOMPARE(now, titles);
    QCOMPARE(w.Modified(), answer);
    // The link to the third slide follows it to its new number.
    QCOMPARE(link->Destination.Page, answer ? 1 : 2);
  }

  // Insert goes in front, Add behind; both become current, and links behind follow.
  void insertAndAdd_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("newPage");
    QTest::newRow("insert") << QString::fromLatin1(ActionId::SlideInsert) << 1;
    QTest::newRow("add") << QString::fromLatin1(ActionId::SlideAdd) << 2;
  }
  void insertAndAdd() {
    QFETCH(QString, command);
    QFETCH(int, newPage);
    TestWindow t;
    OpenDeck(t, 3);
    MainWindow& w = *t.Window;
    TPDFAnnot* link = AddLink(w, 3);
    w.WorkArea().SetPage(1);
    QVERIFY(Trigger(w, command.toLatin1().constData()));
    QCOMPARE(w.WorkArea().PageCount(), 4);
    QCOMPARE(w.WorkArea().Page(), newPage);
    QCOMPARE(Title(w, newPage), std::string("New Slide"));
    QCOMPARE(link->Destination.Page, 3);
  }

  // The copy goes behind with the page's texts and objects; links keep their targets.
  void duplicateSlide() {
    TestWindow t;
    OpenDeck(t, 2);
    MainWindow& w = *t.Window;
    TPDFAnnot* link = AddLink(w, 2);
    w.WorkArea().CurrentPage().MajorEntry = "Part one";
    QVERIFY(Trigger(w, ActionId::SlideDuplicate));
    QCOMPARE(w.WorkArea().PageCount(), 3);
    QCOMPARE(w.WorkArea().Page(), 1);
    QCOMPARE(Title(w, 1), std::string("Slide 1"));
    QCOMPARE(w.WorkArea().CurrentPage().MajorEntry, std::string("Part one"));
    QCOMPARE(ObjectCount(w), std::size_t(2));
    QCOMPARE(link->Destination.Page, 1);
    QCOMPARE(static_cast<TPDFAnnot&>(ObjectAt(w, 1)).Destination.Page, 1);
  }

  void goTo() {
    TestWindow t;
    OpenDeck(t, 4);
    MainWindow& w = *t.Window;
    w.move(40, 30);
    QStringList lines;
    QPoint placed;
    t.Prompts->DialogScripts.push_back([&](QDialog& dialog) {
      placed = dialog.pos();
      auto* list = dialog.findChild<QListWidget*>();
      for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
      list->setCurrentRow(2);
      return true;
    });
    QVERIFY(Trigger(w, ActionId::SlideGoTo));
    QCOMPARE(lines, (QStringList{"1: Slide 1", "2: Slide 2", "3: Slide 3", "4: Slide 4"}));
    QCOMPARE(w.WorkArea().Page(), 2);
    QCOMPARE(placed, w.frameGeometry().topLeft() + QPoint(100, 100));
  }

  // Slide 3 shifted to the front: the link to it now leads to slide 1, the link to
  // slide 1 to slide 2, and the page that was current stays current.
  void organiserMovesSlideThreeToTheFront() {
    TestWindow t;
    OpenDeck(t, 4);
    MainWindow& w = *t.Window;
    w.WorkArea().SetPage(3);
    TPDFAnnot* toThree = AddLink(w, 3);
    TPDFAnnot* toOne = AddLink(w, 1);
    w.WorkArea().SetPage(1);
    w.SetModified(false);
    t.Prompts->DialogScripts.push_back([](QDialog& dialog) {
      auto& organiser = static_cast<TSO&>(dialog);
      organiser.findChild<QTreeWidget*>()->setCurrentItem(organiser.findChild<QTreeWidget*>()->topLevelItem(2));
      organiser.Shift(-1);
      organiser.Shift(-1);
      return true;
    });
    QVERIFY(Trigger(w, ActionId::SlideOrganiser));
    QCOMPARE(Title(w, 0), std::string("Slide 3"));
    QCOMPARE(Title(w, 1), std::string("Slide 1"));
    QCOMPARE(Title(w, 2), std::string("Slide 2"));
    QCOMPARE(toThree->Destination.Page, 0);
    QCOMPARE(toOne->Destination.Page, 1);
    QCOMPARE(Title(w, w.WorkArea().Page()), std::string("Slide 2"));
    QVERIFY(w.Modified());
    QVERIFY(!w.WorkArea().UndoPossible());
  }
};

REGISTER_APP_TEST(SlideCommandsTest);
#include "slide_commands_test.moc"
