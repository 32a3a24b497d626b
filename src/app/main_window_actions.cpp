// The main window's actions, menus, context menus and toolbar: captions, accelerators and
// shortcuts in one table. Commands are connected by the command files.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/action_ids.h"
#include "app/main_window.h"

namespace {
struct TActionRow {
  const char* Id;
  const char* Caption;
  QKeySequence Shortcut;
  const char* Hint;  // "short|long"
};

const QKeySequence None;
QKeySequence Keys(QKeyCombination combination) { return QKeySequence(combination); }

QList<TActionRow> ActionTable() {
  using namespace ActionId;
  return {
      {FileNew, "&New", QKeySequence::New, "New|Start a new slide show"},
      {FileOpen, "&Open ...", QKeySequence::Open, "Open|Open a saved slide show"},
      {FileSave, "&Save", QKeySequence::Save, "Save|Save the slide show"},
      {FileSaveAs, "Save &as ...", None, "Save as|Save the slide show under a new name"},
      {FilePdf, "&Generate PDF ...", Keys(Qt::CTRL | Qt::Key_G), "Generate PDF|Export the slide show as a PDF document"},
      {FileSvg, "Generate S&VG ...", Keys(Qt::SHIFT | Qt::CTRL | Qt::Key_G), "Generate SVG|Export the slide show as an SVG document"},
      {FileDocProps, "&Document Properties ...", None, "Document properties|Edit the title, author, page size and background"},
      {FileExit, "E&xit", Keys(Qt::ALT | Qt::Key_F4), "Exit|Close Quarrion"},
      {EditUndo, "&Undo", Keys(Qt::CTRL | Qt::Key_Z), "Undo|Undo the last change"},
      {EditRedo, "&Redo", Keys(Qt::SHIFT | Qt::CTRL | Qt::Key_Z), "Redo|Redo the last undone change"},
      {EditCopy, "&Copy", Keys(Qt::CTRL | Qt::Key_C), "Copy|Copy the selected objects"},
      {EditCut, "Cu&t", Keys(Qt::CTRL | Qt::Key_X), "Cut|Copy the selected objects and delete them"},
      {EditPaste, "&Paste", Keys(Qt::CTRL | Qt::Key_V), "Paste|Paste the copied objects onto this slide"},
      {ObjFront, "Bring to &Front", Keys(Qt::CTRL | Qt::Key_F), "Bring to front|Bring the selected objects to the front"},
      {ObjForward, "Move F&orward", Keys(Qt::SHIFT | Qt::CTRL | Qt::Key_Up), "Move forward|Move the selected objects one step forward"},
      {ObjBack, "Move B&ack", Keys(Qt::SHIFT | Qt::CTRL | Qt::Key_Down), "Move back|Move the selected objects one step back"},
      {ObjToBack, "Send to &Back", Keys(Qt::CTRL | Qt::Key_B), "Send to back|Send the selected objects to the back"},
      {ObjDuplicate, "D&uplicate", Keys(Qt::KeypadModifier | Qt::Key_Plus), "Duplicate|Duplicate the selected objects"},
      {ObjNudgeUp, "&Nudge Up", Keys(Qt::CTRL | Qt::Key_Up), "Nudge up|Move the selected objects up by one point"},
      {ObjNudgeDown, "Nud&ge Down", Keys(Qt::CTRL | Qt::Key_Down), "Nudge down|Move the selected objects down by one point"},
      {ObjNudgeLeft, "Nudge &Left", Keys(Qt::CTRL | Qt::Key_Left), "Nudge left|Move the selected objects left by one point"},
      {ObjNudgeRight, "Nudge &Right", Keys(Qt::CTRL | Qt::Key_Right), "Nudge right|Move the selected objects right by one point"},
      {ObjAddStencil, "Add as &Stencil", None, "Add as stencil|Make a stencil of the selected objects"},
      {ObjDelete, "&Delete", Keys(Qt::CTRL | Qt::Key_Delete), "Delete|Delete the selected objects"},
      {ObjProperties, "&Properties", Keys(Qt::ALT | Qt::Key_Return), "Properties|Edit the selected objects"},
      {SlideInsert, "&Insert (in front)", Keys(Qt::SHIFT | Qt::Key_F5), "Insert slide|Insert a slide in front of this one"},
      {SlideAdd, "&Add (behind)", Keys(Qt::Key_F5), "Add slide|Add a slide behind this one"},
      {SlideDelete, "&Delete", Keys(Qt::Key_F6), "Delete slide|Delete this slide and its objects"},
      {SlideDuplicate, "D&uplicate", Keys(Qt::ShiftModifier | Qt::KeypadModifier | Qt::Key_Plus), "Duplicate slide|Duplicate this slide"},
      {SlideFirst, "&First", Keys(Qt::CTRL | Qt::Key_Home), "First slide|Go to the first slide"},
      {SlidePrevious, "&Previous", Keys(Qt::Key_PageUp), "Previous slide|Go to the previous slide"},
      {SlideNext, "&Next", Keys(Qt::Key_PageDown), "Next slide|Go to the next slide"},
      {SlideLast, "&Last", Keys(Qt::CTRL | Qt::Key_End), "Last slide|Go to the last slide"},
      {SlideGoTo, "Go to ...", Keys(Qt::Key_F2), "Go to|Go to a slide chosen from a list"},
      {SlideOrganiser, "Slide &Organiser ...", Keys(Qt::Key_F12), "Slide organiser|Reorder the slides"},
      {SlideShowStart, "Start &Slide Show", Keys(Qt::Key_F9), "Slide show|Show the slides full screen from the first one"},
      {SlideShowCurrent, "Show from &Current Slide", Keys(Qt::SHIFT | Qt::Key_F9), "Show from current slide|Show the slides full screen from this one"},
      {PageGoTo, "&Go to ...", None, "Go to|Go to a slide chosen from a list"},
      {PagePaste, "&Paste Objects", None, "Paste|Paste the copied objects onto this slide"},
      {PageDocProps, "Document &Properties ...", None, "Document properties|Edit the title, author, page size and background"},
      {PageProperties, "Pag&e Properties ...", None, "Page properties|Edit this slide's title and outline entries"},
      {ToolSelection, "&Selection", None, "Selection|Select and move objects"},
      {ToolDropper, "&Dropper", None, "Dropper|Right-click picks up an object's style, left-click gives it to another"},
      {ToolNext, "Next &Tool", Keys(Qt::CTRL | Qt::Key_Space), "Next tool|Switch between selection and dropper"},
      {ToolSelectAll, "Select &All", Keys(Qt::CTRL | Qt::Key_A), "Select all|Select every object of this slide"},
      {ToolSelectNone, "Select &None", Keys(Qt::Key_Escape), "Select none|Clear the selection"},
      {ToolLog, "Message &Log", None, "Message log|Show the messages of the last operations"},
      {ToolOptions, "&Options ...", None, "Options|Change Quarrion's options"},
      {HelpContents, "Help &Contents", Keys(Qt::Key_F1), "Help|Show the help contents"},
      {HelpAbout, "&About", None, "About|About Quarrion"},
  };
}
}  // namespace

void MainWindow::CreateActions() {
  for (const TActionRow& row : ActionTable()) {
    QAction* action = actions_.Register(QString::fromLatin1(row.Id), tr(row.Caption),
                                        row.Shortcut, tr(row.Hint));
    addAction(action);  // shortcuts work while the menu bar is hidden or closed
  }
  // Selection and dropper are one radio group, shown as check buttons on the toolbar.
  auto* tools = new QActionGroup(this);
  for (const char* id : {ActionId::ToolSelection, ActionId::ToolDropper}) {
    QAction* action = actions_.Action(QString::fromLatin1(id));
    action->setCheckable(true);
    tools->addAction(action);
  }
  actions_.Action(QString::fromLatin1(ActionId::ToolSelection))->setChecked(true);
  actions_.Action(QString::fromLatin1(ActionId::PageDocProps))->setFont([] {
    QFont f;
    f.setBold(true);  // the page context menu's default entry
    return f;
  }());
}

namespace {
QStringList Ids(std::initializer_list<const char*> ids) {
  QStringList list;
  for (const char* id : ids) list << QString::fromLatin1(id);
  return list;
}
}  // namespace

void MainWindow::CreateMenus() {
  using namespace ActionId;
  struct TMenuRow {
    const char* Id;
    const char* Caption;
    QStringList Actions;
  };
  const QList<TMenuRow> menus = {
      {MenuId::File, "&File", Ids({FileNew, FileOpen, FileSave, FileSaveAs, "-", FilePdf, FileSvg, "-", FileDocProps, "-", FileExit})},
      {MenuId::Edit, "&Edit", Ids({EditUndo, EditRedo, "-", EditCopy, EditCut, EditPaste})},
      {MenuId::Object, "&Object", Ids({ObjFront, ObjForward, ObjBack, ObjToBack, "-", ObjDuplicate, "-", ObjNudgeUp, ObjNudgeDown, ObjNudgeLeft, ObjNudgeRight, "-", ObjAddStencil, "-", ObjDelete, ObjProperties})},
      {MenuId::Slide, "&Slide", Ids({SlideInsert, SlideAdd, SlideDelete, SlideDuplicate, "-", SlideFirst, SlidePrevious, SlideNext, SlideLast, SlideGoTo, "-", SlideOrganiser, "-", SlideShowStart, SlideShowCurrent})},
      {MenuId::Stencil, "Ste&ncil", {}},
      {MenuId::Insert, "&Insert", {}},
      {MenuId::Tools, "&Tools", Ids({ToolSelection, ToolDropper, ToolNext, "-", ToolSelectAll, ToolSelectNone, "-", ToolLog, ToolOptions})},
      {MenuId::Help, "&Help", Ids({HelpContents, "-", HelpAbout})},
  };
  for (const TMenuRow& row : menus) {
    QMenu* menu = menuBar()->addMenu(tr(row.Caption));
    menu->setObjectName(QString::fromLatin1(row.Id));
    actions_.RegisterMenu(QString::fromLatin1(row.Id), menu);
    actions_.Fill(menu, row.Actions);
  }
  fileMenu_ = actions_.Menu(QString::fromLatin1(MenuId::File));
  // The stencil menus stay hidden until a stencil gives them entries.
  for (const char* id : {MenuId::Stencil, MenuId::Insert})
    actions_.Menu(QString::fromLatin1(id))->menuAction()->setVisible(false);
  CreateContextMenus();
}

void MainWindow::CreateContextMenus() {
  using namespace ActionId;
  auto* objectMenu = new QMenu(this);
  actions_.RegisterMenu(QString::fromLatin1(MenuId::ObjectContext), objectMenu);
  actions_.Fill(objectMenu, Ids({ObjFront, ObjForward, ObjBack, ObjToBack, "-", ObjDuplicate, "-", ObjNudgeUp, ObjNudgeDown, ObjNudgeLeft, ObjNudgeRight, "-", ObjAddStencil, "-", ObjDelete, ObjProperties}));
  auto* pageMenu = new QMenu(this);
  actions_.RegisterMenu(QString::fromLatin1(MenuId::PageContext), pageMenu);
  actions_.Fill(pageMenu, Ids({PageDocProps, ActionId::PageProperties, "-", SlideInsert, SlideAdd, SlideDelete, SlideDuplicate, "-", SlideFirst, SlidePrevious, SlideNext, SlideLast, PageGoTo, "-", PagePaste}));
  pageMenu->setDefaultAction(actions_.Action(QString::fromLatin1(PageDocProps)));
}

void MainWindow::CreateToolBar() {
  using namespace ActionId;
  QToolBar* bar = addToolBar(tr("Toolbar"));
  bar->setObjectName(QStringLiteral("DockingToolbar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  const QStringList ids = Ids({FileNew, FileOpen, FileSave, "-", ObjDelete, ObjProperties, "-", EditUndo, EditRedo, "-", SlideFirst, SlidePrevious, SlideNext, SlideLast, "-", FilePdf, FileSvg, "-", SlideInsert, SlideAdd, SlideDelete, SlideOrganiser, "-", SlideShowStart, SlideShowCurrent, "-", ToolSelection, ToolDropper, "-", HelpContents});
  for (const QString& id : ids) {
    if (id == QLatin1String("-"))
      bar->addSeparator();
    else
      bar->addAction(actions_.Action(id));
  }
  // Screen readers name a button by its caption.
  for (QAction* action : bar->actions())
    if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator())
      button->setAccessibleName(action->iconText());
}
