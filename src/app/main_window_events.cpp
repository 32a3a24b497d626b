// The main window's reactions to the work area's events and to the page panel.
#include <QAction>
#include <QMenu>

#include "app/action_ids.h"
#include "app/document_text.h"
#include "app/main_window.h"
#include "app/page_list.h"
#include "app/page_panel.h"
#include "app/work_area_widget.h"
#include "model/quarrion_canvas.h"

void MainWindow::ConnectWorkArea() {
  TQuarrionCanvas& canvas = WorkArea();
  canvas.GridSize = 8;
  canvas.OnPageChanged = [this] { PageChanged(); };
  canvas.OnSelectionChanged = [this] { SelectionChanged(); };
  canvas.OnUndoChanged = [this] { UndoChanged(); };
  canvas.OnObjectChanged = [this](TPDFObject&) {
    modified_ = true;
    WorkArea().Repaint();
  };
  canvas.OnMouseDown = [this](TMouseButton button, TShiftState, int x, int y) {
    if (button == TMouseButton::Right) ShowContextMenu(x, y);
  };
  canvas.OnDblClick = [this] {
    const bool selected = !WorkArea().Selection().empty();
    QAction* action = actions_.Action(QString::fromLatin1(selected ? ActionId::ObjProperties
                                                                   : ActionId::FileDocProps));
    if (action->isEnabled()) action->trigger();
  };
  canvas.OnLog = [this](const std::string& text) { AppendLog(FromDocumentText(text)); };
  canvas.OnWritingSection = [this](TPDFSection section, int number) {
    WritingSection(int(section), number);
  };
  connect(pageList_, &PageList::PageChosen, this, [this](int index) { WorkArea().SetPage(index); });
  connect(pagePanel_, &PagePanel::PageEdited, this, &MainWindow::PageEdited);
  actions_.Allow(QString::fromLatin1(ActionId::EditUndo), false);
  actions_.Allow(QString::fromLatin1(ActionId::EditRedo), false);
  SelectionChanged();
}

void MainWindow::PageChanged() {
  pageList_->Refresh();
  ApplyPageEnabling();
  pagePanel_->ShowPage();
  WorkArea().Repaint();
}

// Which slide commands the page count and the current page allow.
void MainWindow::ApplyPageEnabling() {
  using namespace ActionId;
  const TQuarrionCanvas& canvas = WorkArea();
  const int count = canvas.PageCount();
  const bool several = count > 1;
  const bool notFirst = several && canvas.Page() > 0;
  const bool notLast = several && canvas.Page() < count - 1;
  for (const char* id : {SlideFirst, SlidePrevious}) actions_.Allow(QString::fromLatin1(id), notFirst);
  for (const char* id : {SlideNext, SlideLast}) actions_.Allow(QString::fromLatin1(id), notLast);
  for (const char* id : {SlideDelete, SlideGoTo, PageGoTo, SlideOrganiser})
    actions_.Allow(QString::fromLatin1(id), several);
  for (const char* id : {SlideInsert, SlideAdd, SlideDuplicate})
    actions_.Allow(QString::fromLatin1(id), count < MaxPages);
}

void MainWindow::SelectionChanged() {
  using namespace ActionId;
  const bool any = !WorkArea().Selection().empty();
  for (const char* id : {ObjFront, ObjForward, ObjBack, ObjToBack, ObjDuplicate, ObjNudgeUp,
                         ObjNudgeDown, ObjNudgeLeft, ObjNudgeRight, ObjAddStencil, ObjDelete,
                         ObjProperties, EditCopy, EditCut})
    actions_.Allow(QString::fromLatin1(id), any);
  actions_.Menu(QString::fromLatin1(MenuId::Object))->setEnabled(any);
}

void MainWindow::UndoChanged() {
  actions_.Allow(QString::fromLatin1(ActionId::EditUndo), WorkArea().UndoPossible());
  actions_.Allow(QString::fromLatin1(ActionId::EditRedo), WorkArea().RedoPossible());
}

// A right click with the selection tool: the object menu over a selection, else the
// page menu.
void MainWindow::ShowContextMenu(int x, int y) {
  if (WorkArea().Tool() != TTool::tSelect) return;
  const bool selected = !WorkArea().Selection().empty();
  QMenu* menu = actions_.Menu(QString::fromLatin1(selected ? MenuId::ObjectContext : MenuId::PageContext));
  menu->popup(workAreaWidget_->mapToGlobal(QPoint(x, y)));
}

void MainWindow::PageEdited(int firstLine) {
  modified_ = true;
  pageList_->RefreshFrom(firstLine);
  WorkArea().Repaint();
}

void MainWindow::WritingSection(int section, int number) {
  const QString n = QString::number(number);
  QString text;
  switch (section) {
    case 0: text = QStringLiteral("Creating PDF header ..."); break;
    case 1: text = QStringLiteral("Creating PDF trailer ..."); break;
    case 2: text = QStringLiteral("Creating cross reference table ..."); break;
    case 3: text = QStringLiteral("Creating object resource %1 ...").arg(n); break;
    case 4: text = QStringLiteral("Creating font %1 ...").arg(n); break;
    case 5: text = QStringLiteral("Creating outline for page %1 ...").arg(n); break;
    case 6: text = QStringLiteral("Creating page %1 ...").arg(n); break;
    default: break;
  }
  SetStatus(text);
  AppendLog(text);
}
