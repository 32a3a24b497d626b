// The stencil library in the window: placing stencils, making them, the stencil file at
// start and close, and the menus kept in step with the panel.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "app/action_ids.h"
#include "app/commands.h"
#include "app/object_commands.h"
#include "app/page_list.h"
#include "app/app_folders.h"
#include "app/designer_extensions.h"
#include "app/stencil_commands.h"
#include "app/stencil_panel.h"
#include "app/work_area_widget.h"
#include "app_test_support.h"
#include "base/file_helpers.h"
#include "dialogs/stencil_properties_dialog.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"

namespace {
QString StencilFile() { return AppFolders::Data() + QStringLiteral("default.stn"); }

// One object record as the files hold it: class ID, 3-byte little-endian length, data.
std::string Record(const TPDFObject& object) {
  const std::string data = object.SaveToString();
  std::string record(1, char(object.ClassID()));
  for (int shift : {0, 8, 16}) record.push_back(char((data.size() >> shift) & 0xFF));
  return record + data;
}

std::string Header() { return std::string("QST\x01\x10", 5) + "Default Stencils"; }

std::string StencilBytes(const std::string& caption, int icon, const std::vector<const TPDFObject*>& objects) {
  std::string s(1, char(caption.size()));
  s += caption;
  s.push_back(char(icon));
  s.push_back(char(objects.size()));
  for (const TPDFObject* o : objects) s += Record(*o);
  return s;
}

void WriteStencilFile(std::string image) {
  QDir().mkpath(AppFolders::Data());
  ScrambleBytes(image);
  QFile f(StencilFile());
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(image.data(), qint64(image.size()));
}

std::string ReadStencilFile() {
  QFile f(StencilFile());
  if (!f.open(QIODevice::ReadOnly)) return "(missing)";
  const QByteArray bytes = f.readAll();
  std::string image(bytes.constData(), std::size_t(bytes.size()));
  ScrambleBytes(image);
  return image;
}

// A window with the stencil library, shown with a 480 x 360 work area.
struct StencilWindow {
  StencilWindow() {
    parts = InstallDesignerExtensions(*t.Window, t.Registry);
    t.Window->Start({});
    t.Window->resize(1000, 700);
    t.Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.Window.get()));
    area()->setFixedSize(480, 360);
    QApplication::processEvents();
    // Only the test of the properties offer wants it; elsewhere it would stop at the dialog.
    EnvironmentInfo().ShowPropsOnStencilDblClick = false;
  }
  MainWindow& w() { return *t.Window; }
  TQuarrionCanvas& canvas() { return w().WorkArea(); }
  WorkAreaWidget* area() { return w().WorkAreaControl(); }
  StencilCommands& stencils() { return *parts.Stencils; }
  StencilPanel& panel() { return *parts.Stencils->Panel(); }
  TPDFObjects& objects() { return canvas().CurrentPage().Objects; }
  // Answers the next Stencil Properties dialog with OK and this name.
  void AnswerProperties(const QString& name, int icon) {
    t.Prompts->DialogScripts.push_back([name, icon](QDialog& d) {
      auto& props = static_cast<TStencilProperties&>(d);
      props.findChild<QLineEdit*>(QStringLiteral("StencilName"))->setText(name);
      props.SetIconIndex(icon);
      return true;
    });
  }
  // Makes a user stencil of `boxes`, in this order, through "Add as Stencil".
  void MakeStencil(const QString& name, const std::vector<TRect>& boxes) {
    std::vector<TPDFObject*> added;
    for (const TRect& r : boxes) added.push_back(canvas().Add(std::make_unique<TPDFRectangle>(r.Left, r.Top, r.Right, r.Bottom)));
    canvas().ClearSelectionQuietly();
    for (TPDFObject* o : added) canvas().AddToSelection(canvas().GetObjectIndex(o, canvas().Page()));
    AnswerProperties(name, 9);
    w().ApplyEnabling();
    w().Actions().Action(QString::fromLatin1(ActionId::ObjAddStencil))->trigger();
    objects().clear();
    canvas().ClearUndo();
    canvas().ClearSelectionQuietly();
  }
  QStringList MenuCaptions(const char* id) {
    QStringList captions;
    for (QAction* a : w().Actions().Menu(QString::fromLatin1(id))->actions()) captions << a->text();
    return captions;
  }

  TestWindow t;
  TDesignerExtensions parts;
};
}  // namespace

class StencilTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    ClearStoredSettings();
    QDir(StencilFile()).removeRecursively();
    QFile::remove(StencilFile());
  }

  void dropOfSeveralObjectsPlacesTheTopmostAtThePoint() {
    StencilWindow s;
    // The topmost object is the second one, so a reference taken from the first is wrong.
    s.MakeStencil(QStringLiteral("Pair"), {{30, 80, 60, 120}, {100, 50, 150, 90}});
    QCOMPARE(s.panel().count(), 8);
    s.panel().Select(7);
    QMimeData* data = StencilPanel::DragData(7);
    const QPoint mouse(173, 129);
    // Straight to the work area's drop handling: Qt routes a drop only inside a real drag.
    QDropEvent drop(QPointF(mouse), Qt::CopyAction, data, Qt::LeftButton, {});
    drop.ignore();
    QVERIFY(s.stencils().eventFilter(s.area(), &drop));
    delete data;
    QVERIFY(drop.isAccepted());
    // The drop point in page units, as the work area maps the mouse.
    const TQuarrionCanvas& c = s.canvas();
    const int x = mouse.x() * 1000 / c.ZoomX + c.OriginX, y = mouse.y() * 1000 / c.ZoomY + c.OriginY;
    QCOMPARE(int(s.objects().size()), 2);
    const TPDFObject& first = *s.objects()[0];
    const TPDFObject& second = *s.objects()[1];
    QCOMPARE(QRect(second.Left, second.Top, second.Right - second.Left, second.Bottom - second.Top), QRect(x, y, 50, 40));
    QCOMPARE(QPoint(first.Left - second.Left, first.Top - second.Top), QPoint(-70, 30));
    QCOMPARE(c.Selection(), (TPDFSelection{0, 1}));
    QVERIFY(s.w().Modified());
    QCOMPARE(c.Tool(), TTool::tSelect);  // a drag from the panel releases the stencil tool
  }

  void ctrlClicksPlaceOneCopyEach() {
    StencilWindow s;
    s.panel().Select(3);  // "Rectangle"
    QCOMPARE(s.canvas().Tool(), TTool::tSpecial);
    QVERIFY(s.panel().Latched());
    const QList<QPoint> clicks = {{100, 100}, {200, 120}, {300, 200}};
    for (int i = 0; i < clicks.size(); ++i) {
      QTest::mouseClick(s.area(), Qt::LeftButton, Qt::ControlModifier, clicks[i]);
      QCOMPARE(int(s.objects().size()), i + 1);
      QCOMPARE(s.canvas().Tool(), TTool::tSpecial);
      QCOMPARE(s.panel().SelectedIndex(), 3);
    }
    // Each copy's top-left is where its click was.
    const TQuarrionCanvas& c = s.canvas();
    for (int i = 0; i < clicks.size(); ++i) {
      QCOMPARE(s.objects()[std::size_t(i)]->Left, clicks[i].x() * 1000 / c.ZoomX + c.OriginX);
      QCOMPARE(s.objects()[std::size_t(i)]->Top, clicks[i].y() * 1000 / c.ZoomY + c.OriginY);
    }
    // A click without Ctrl places the last copy and lets the tool go.
    QTest::mouseClick(s.area(), Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(int(s.objects().size()), 4);
    QCOMPARE(s.canvas().Tool(), TTool::tSelect);
    QCOMPARE(s.panel().SelectedIndex(), -1);
    QVERIFY(!s.panel().Latched());
    QTest::mouseClick(s.area(), Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(int(s.objects().size()), 4);
  }

  void emptyUserStencilIsStoredAndReloaded() {
    const std::string image = Header() + StencilBytes("Nothing", 5, {});
    WriteStencilFile(image);
    {
      StencilWindow s;
      QCOMPARE(s.panel().count(), 8);
      QCOMPARE(s.panel().item(7)->text(), QStringLiteral("Nothing"));
      QVERIFY(s.stencils().Stencils()[7].Objects.empty());
      QVERIFY(s.t.Prompts->Warnings.isEmpty());
      QFile::remove(StencilFile());
      QVERIFY(s.w().MayClose());
    }
    QCOMPARE(ReadStencilFile(), image);
  }

  void fileBytesAfterCloseHoldOnlyUserStencils() {
    StencilWindow s;
    s.MakeStencil(QStringLiteral("Box"), {{10, 20, 110, 70}});
    QVERIFY(s.w().MayClose());
    const TPDFRectangle box(10, 20, 110, 70);
    QCOMPARE(ReadStencilFile(), Header() + StencilBytes("Box", 9, {&box}));
  }

  void failedSaveLetsTheUserKeepTheWindowOpen() {
    QDir().mkpath(StencilFile());  // a folder where the file should go: no file can replace it
    StencilWindow s;
    s.t.Prompts->OkCancelAnswers = {false, true};
    QVERIFY(!s.w().MayClose());
    QCOMPARE(s.t.Prompts->Asked.last(), QStringLiteral("Could not save stencil"));
    QVERIFY(s.w().MayClose());
    QDir(StencilFile()).removeRecursively();
  }

  void damagedFileKeepsTheStencilsBeforeTheDamage_data() {
    QTest::addColumn<bool>("unknownKind");
    QTest::newRow("a record that ends early") << false;
    QTest::newRow("a kind whose plug-in is not installed") << true;
  }
  void damagedFileKeepsTheStencilsBeforeTheDamage() {
    QFETCH(bool, unknownKind);
    const TPDFRectangle box(0, 0, 40, 40);
    std::string image = Header() + StencilBytes("First", 1, {&box}) + StencilBytes("Second", 2, {&box, &box});
    std::string third = StencilBytes("Third", 3, {&box});
    if (unknownKind)
      third[8] = char(40);  // the record's class ID: no kind is registered under 40
    else
      third.resize(third.size() - 5);
    WriteStencilFile(image + third);
    StencilWindow s;
    QCOMPARE(s.t.Prompts->Warnings, QStringList{QStringLiteral("Error loading stencils")});
    QCOMPARE(s.panel().count(), 9);
    QCOMPARE(s.panel().item(7)->text(), QStringLiteral("First"));
    QCOMPARE(s.panel().item(8)->text(), QStringLiteral("Second"));
    QCOMPARE(int(s.stencils().Stencils()[8].Objects.size()), 2);
    QCOMPARE(s.MenuCaptions(MenuId::Insert).mid(7), (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
  }

  // One placed object is offered to the properties dialog; Cancel takes it back.
  void singleObjectOfferedToPropertiesDialog_data() {
    QTest::addColumn<bool>("offer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("kept");
    QTest::newRow("OK keeps the object") << true << true << 1;
    QTest::newRow("Cancel deletes it") << true << false << 0;
    QTest::newRow("no offer when the option is off") << false << false << 1;
  }
  void singleObjectOfferedToPropertiesDialog() {
    QFETCH(bool, offer);
    QFETCH(bool, accepted);
    QFETCH(int, kept);
    StencilWindow s;
    EnvironmentInfo().ShowPropsOnStencilDblClick = offer;
    int shown = 0;
    s.w().Cmds().Objects().SetObjectEditor({[&] {
                                              ++shown;
                                              return accepted;
                                            },
                                            [] {}});
    const QPoint line = s.panel().visualItemRect(s.panel().item(1)).center();
    QTest::mousePress(s.panel().viewport(), Qt::LeftButton, {}, line);
    QTest::mouseRelease(s.panel().viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(s.panel().viewport(), Qt::LeftButton, {}, line);  // "Line"
    QCOMPARE(shown, offer ? 1 : 0);
    int visible = 0;
    for (const auto& o : s.objects()) visible += o->Deleted ? 0 : 1;
    QCOMPARE(visible, kept);
    QCOMPARE(s.canvas().Tool(), TTool::tSelect);
    EnvironmentInfo().ShowPropsOnStencilDblClick = true;
  }

  void objectsDroppedOnThePanelMakeAStencil() {
    StencilWindow s;
    s.canvas().Add(std::make_unique<TPDFRectangle>(10, 10, 50, 50));
    s.canvas().Add(std::make_unique<TPDFRectangle>(60, 10, 90, 50));
    s.canvas().ClearSelectionQuietly();
    s.canvas().AddToSelection(1);
    s.canvas().AddToSelection(0);
    const auto dropAt = [&s](QWidget* target) {
      const QPoint inside = target->mapToGlobal(target->rect().center());
      const QPoint p = s.area()->mapFromGlobal(inside);
      s.canvas().OnDropOutside(p.x(), p.y());
    };
    dropAt(s.w().Pages());  // the page list is no stencil panel
    QVERIFY(s.t.Prompts->Asked.isEmpty());
    s.AnswerProperties(QStringLiteral("Two boxes"), 10);
    dropAt(s.panel().viewport());
    QCOMPARE(s.t.Prompts->Asked, QStringList{QStringLiteral("Stencil Properties")});
    QCOMPARE(s.panel().count(), 8);
    const TStencil& made = s.stencils().Stencils()[7];
    QCOMPARE(made.Caption, std::string("Two boxes"));
    QCOMPARE(made.Icon, 10);
    QCOMPARE(int(made.Objects.size()), 2);
    QCOMPARE(made.Objects[0]->Left, 60);  // in selection order
    QCOMPARE(made.Objects[1]->Left, 10);
    QVERIFY(!s.w().Modified());  // stencils are no part of the document
  }

  void propertiesRenameTheEntryAndItsMenus() {
    StencilWindow s;
    s.MakeStencil(QStringLiteral("Old"), {{0, 0, 10, 10}});
    s.AnswerProperties(QStringLiteral("New name"), 4);
    QMenu* sub = s.w().Actions().Menu(QString::fromLatin1(MenuId::Stencil))->actions()[7]->menu();
    sub->actions()[4]->trigger();  // "Stencil &Properties ..."
    QCOMPARE(s.panel().item(7)->text(), QStringLiteral("New name"));
    QCOMPARE(s.stencils().Stencils()[7].Icon, 4);
    QCOMPARE(s.MenuCaptions(MenuId::Insert)[7], QStringLiteral("New name"));
    QCOMPARE(s.w().Actions().Menu(QString::fromLatin1(MenuId::Stencil))->actions()[7]->text(), QStringLiteral("New name"));
  }

  void builtInEntriesCannotBeDeletedOrEdited() {
    StencilWindow s;
    s.MakeStencil(QStringLiteral("Mine"), {{0, 0, 10, 10}});
    s.t.Prompts->Asked.clear();
    const QList<QAction*> entries = s.w().Actions().Menu(QString::fromLatin1(MenuId::Stencil))->actions();
    QCOMPARE(entries.size(), 8);
    for (int i = 0; i < entries.size(); ++i) {
      QMenu* sub = entries[i]->menu();
      QVERIFY(sub);
      QCOMPARE(sub->title(), s.panel().item(i)->text());
      const QList<QAction*> items = sub->actions();
      QCOMPARE(items.size(), 5);
      QCOMPARE(items[0]->text(), QStringLiteral("&Add to Page"));
      QVERIFY(items[0]->isEnabled());
      QVERIFY(!items[1]->isEnabled());  // "&Copy to Clipboard"
      QCOMPARE(items[3]->isEnabled(), i == 7);
      QCOMPARE(items[4]->isEnabled(), i == 7);
    }
    // Deleting a built-in stencil through any path does nothing, and asks nothing.
    s.stencils().DeleteStencil(2);
    QCOMPARE(s.panel().count(), 8);
    QVERIFY(s.t.Prompts->Asked.isEmpty());
  }

  void deleteKeepsTheMenusInStepWithThePanel() {
    StencilWindow s;
    s.MakeStencil(QStringLiteral("A"), {{0, 0, 10, 10}});
    s.MakeStencil(QStringLiteral("B"), {{0, 0, 20, 20}});
    s.MakeStencil(QStringLiteral("C"), {{0, 0, 30, 30}});
    s.t.Prompts->Asked.clear();
    s.t.Prompts->YesNoCancelAnswers = {TAnswer::No, TAnswer::Yes};
    QMenu* stencilMenu = s.w().Actions().Menu(QString::fromLatin1(MenuId::Stencil));
    stencilMenu->actions()[8]->menu()->actions()[3]->trigger();  // "B": answered No
    QCOMPARE(s.panel().count(), 10);
    stencilMenu->actions()[8]->menu()->actions()[3]->trigger();  // "B": answered Yes
    QCOMPARE(s.t.Prompts->Asked, (QStringList{QStringLiteral("Delete this stencil?"), QStringLiteral("Delete this stencil?")}));
    QCOMPARE(s.panel().count(), 9);
    QCOMPARE(s.MenuCaptions(MenuId::Insert).mid(7), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    // The Insert entry at C's new place adds C's object.
    s.w().Actions().Menu(QString::fromLatin1(MenuId::Insert))->actions()[8]->trigger();
    QCOMPARE(int(s.objects().size()), 1);
    QCOMPARE(s.objects()[0]->Right, 30);
  }
};

REGISTER_APP_TEST(StencilTest);
#include "stencil_test.moc"
