// The work-area widget in the window: drag start, focus, context menus, names, hints.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTest>

#include "app/action_ids.h"
#include "app/page_list.h"
#include "app/page_panel.h"
#include "app/work_area_widget.h"
#include "app_test_support.h"
#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"

namespace {
// A shown window whose work area is 480 x 360: page point + (24, 18) is the pixel.
struct Shown {
  Shown() {
    t.Window->Start({});
    t.Window->resize(1000, 700);
    t.Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.Window.get()));
    area()->setFixedSize(480, 360);
    QApplication::processEvents();
    box = w().WorkArea().Add(std::make_unique<TPDFRectangle>(100, 100, 200, 160));
    w().WorkArea().ClearSelectionQuietly();
    w().SetModified(false);
  }
  MainWindow& w() { return *t.Window; }
  WorkAreaWidget* area() { return w().WorkAreaControl(); }
  QPoint Pixel(int x, int y) { return QPoint(24 + x, 18 + y); }
  void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(area(), b, {}, p); }
  void Move(QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), area()->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(area(), &e);
  }
  void Release(QPoint p) { QTest::mouseRelease(area(), Qt::LeftButton, {}, p); }

  TestWindow t;
  TPDFObject* box = nullptr;
};
}  // namespace

class WorkAreaTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ClearStoredSettings(); }

  void dragStartsAfterEightPixels_data() {
    QTest::addColumn<int>("travel");
    QTest::addColumn<bool>("moves");
    QTest::newRow("7 pixels: a click") << 7 << false;
    QTest::newRow("8 pixels: a drag") << 8 << true;
    QTest::newRow("30 pixels: a drag") << 30 << true;
  }

  void dragStartsAfterEightPixels() {
    QFETCH(int, travel);
    QFETCH(bool, moves);
    Shown s;
    const QPoint start = s.Pixel(150, 130);
    s.Press(start);
    QCOMPARE(s.w().WorkArea().Selection().size(), std::size_t(1));  // the press selects at once
    s.Move(start + QPoint(travel / 2, 0));
    s.Move(start + QPoint(travel, 0));
    s.Release(start + QPoint(travel, 0));
    QCOMPARE(s.box->Left != 100, moves);
    if (moves) QCOMPARE(s.box->Left, 100 + travel);
    QCOMPARE(s.w().Modified(), moves);
  }

  void clickGivesTheWorkAreaTheFocus() {
    Shown s;
    s.w().Panel()->setFocus();
    s.w().activateWindow();
    QTest::mouseClick(s.area(), Qt::LeftButton, {}, s.Pixel(10, 10));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.area()));
  }

  // A right click opens the object menu over a selection, the page menu elsewhere.
  void rightClickOpensTheMatchingMenu_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("menu");
    QTest::newRow("on the object") << 150 << QString::fromLatin1(MenuId::ObjectContext);
    QTest::newRow("on the empty page") << 300 << QString::fromLatin1(MenuId::PageContext);
  }

  void rightClickOpensTheMatchingMenu() {
    QFETCH(int, x);
    QFETCH(QString, menu);
    Shown s;
    s.Press(s.Pixel(x, 130), Qt::RightButton);
    QMenu* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(shown);
    QCOMPARE(shown, s.w().Actions().Menu(menu));
    shown->close();
  }

  void controlsAreNamedForScreenReaders() {
    Shown s;
    QCOMPARE(s.area()->accessibleName(), QStringLiteral("Work area"));
    QCOMPARE(s.w().Pages()->List()->accessibleName(), QStringLiteral("Page list"));
    QCOMPARE(s.w().StencilPlace()->accessibleName(), QStringLiteral("Stencils"));
    for (QAbstractButton* b : s.w().findChildren<QAbstractButton*>()) {
      if (b->text().isEmpty()) continue;
      QString plain = b->text();
      plain.remove(QLatin1Char('&'));
      QCOMPARE(b->accessibleName(), plain);
    }
  }

  // The long part of a hint goes to the status label; tooltips follow the setting.
  void hintsAndTooltips() {
    Shown s;
    QAction* save = s.w().Actions().Action(QString::fromLatin1(ActionId::FileSave));
    QCOMPARE(save->toolTip(), QStringLiteral("Save"));
    QStatusTipEvent tip(save->statusTip());
    QApplication::sendEvent(&s.w(), &tip);
    QCOMPARE(s.w().StatusText()->text(), QStringLiteral("Save the slide show"));

    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), s.area()->mapToGlobal(QPoint(1, 1)));
    s.w().SetTooltipsShown(false);
    QVERIFY(qApp->eventFilter(s.area(), &help) || !s.w().TooltipsShown());
    QVERIFY(!s.w().TooltipsShown());
    s.w().SetTooltipsShown(true);
    QVERIFY(s.w().TooltipsShown());
  }

  void menuBarHasEveryMenu() {
    Shown s;
    QStringList titles;
    for (QAction* a : s.w().menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Object", "&Slide", "Ste&ncil", "&Insert", "&Tools", "&Help"}));
    // A command whose part is not built yet (stencils) is listed but cannot run, even
    // when the rules would allow it.
    s.w().WorkArea().Add(std::make_unique<TPDFRectangle>(10, 10, 50, 50));
    QVERIFY(s.w().Actions().Action(QString::fromLatin1(ActionId::ObjFront))->isEnabled());
    QVERIFY(!s.w().Actions().Action(QString::fromLatin1(ActionId::ObjAddStencil))->isEnabled());
    QVERIFY(s.w().Actions().Action(QString::fromLatin1(ActionId::FileSave))->isEnabled());
  }
};

REGISTER_APP_TEST(WorkAreaTest);
#include "work_area_test.moc"
