// The main window's reactions to the work area's events and to the page panel.
#include <QAction>
#include <QMenu>

#include "app/action_ids.h"
#include "dialogs/dialog_text.h"
#include "app/main_window.h"
#include "app/page_list.h"
#include "app/page_panel.h"
#include "app/work_area_widget.h"
#include "dialogs/log_dialog.h"
#include "dialogs/page_props_dialog.h"
#include "model/quarrion_canvas.h"
#include "shell/command_enabling.h"

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
  canvas.OnLog = [this](const std::string& text) { AppendLog(text); };
  canvas.OnWritingSection = [this](TPDFSection section, int number) {
    WritingSection(int(section), number);
  };
  connect(pageList_, &PageList::PageChosen, this, [this](int index) { WorkArea().SetPage(index); });
  connect(pagePanel_, &PagePanel::PageEdited, this, &MainWindow::PageEdited);
  connect(pagePanel_, &PagePanel::MoreRequested, this, &MainWindow::PagePropertiesCommand);
  actions_.Connect(QString::fromLatin1(ActionId::PageProperties), [this] { PagePropertiesCommand(); });
  actions_.Connect(QString::fromLatin1(ActionId::ToolLog), [this] { prompts_->ShowModal(*logDialog_); });
  ApplyEnabling();
}

void MainWindow::PageChanged() {
  pageList_->Refresh();
  ApplyEnabling();
  pagePanel_->ShowPage();
  WorkArea().Repaint();
}

void MainWindow::SelectionChanged() { ApplyEnabling(); }
void MainWindow::UndoChanged() { ApplyEnabling(); }

// Every rule of which command may run, applied in one place to the shared actions.
void MainWindow::ApplyEnabling() {
  using namespace ActionId;
  const TQuarrionCanvas& canvas = WorkArea();
  CommandState state;
  state.PageCount = canvas.PageCount();
  state.CurrentPage = canvas.Page();
  state.SelectionCount = int(canvas.Selection().size());
  state.CanUndo = canvas.UndoPossible();
  state.CanRedo = canvas.RedoPossible();
  state.ClipboardHasObjects = clipboardFilled_;
  const CommandEnabling on = EnabledCommands(state);
  const auto allow = [this](std::initializer_list<const char*> ids, bool allowed) {
    for (const char* id : ids) actions_.Allow(QString::fromLatin1(id), allowed);
  };
  allow({SlideFirst, SlidePrevious}, on.FirstPrevious);
  allow({SlideNext, SlideLast}, on.NextLast);
  allow({SlideDelete}, on.DeleteSlide);
  allow({SlideGoTo, PageGoTo}, on.GoTo);
  allow({SlideOrganiser}, on.SlideOrganiser);
  allow({SlideShowStart, SlideShowCurrent}, canvas.SlideCount() > 0);
  allow({SlideInsert, SlideAdd}, on.InsertAddSlide);
  allow({SlideDuplicate}, on.DuplicateSlide);
  allow({ObjFront, ObjForward, ObjBack, ObjToBack, ObjDuplicate, ObjNudgeUp, ObjNudgeDown,
         ObjNudgeLeft, ObjNudgeRight, ObjAddStencil},
        on.ObjectMenu);
  allow({ObjDelete}, on.DeleteObject);
  allow({ObjProperties}, on.Properties);
  allow({EditCopy, EditCut}, on.CopyCut);
  allow({EditPaste, PagePaste}, on.Paste);
  allow({EditUndo}, on.Undo);
  allow({EditRedo}, on.Redo);
  actions_.Menu(QString::fromLatin1(MenuId::Object))->setEnabled(on.ObjectMenu);
}

void MainWindow::SetClipboardFilled(bool filled) {
  clipboardFilled_ = filled;
  ApplyEnabling();
}

// A right click with the selection tool: the object menu over a selection, else the
// page menu.
void MainWindow::ShowContextMenu(int x, int y) {
  if (WorkArea().Tool() != TTool::tSelect) return;
  const bool selected = !WorkArea().Selection().empty();
  QMenu* menu = actions_.Menu(QString::fromLatin1(selected ? MenuId::ObjectContext : MenuId::PageContext));
  // The work area counts device pixels; the menu is placed in logical ones.
  const qreal ratio = workAreaWidget_->devicePixelRatioF();
  menu->popup(workAreaWidget_->mapToGlobal(QPointF(x / ratio, y / ratio).toPoint()));
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
  AppendLog(text.toStdString());
}

void MainWindow::AppendLog(const std::string& line) { logDialog_->AddLine(line); }

// The page properties dialog opens 100 pixels right of and below the window's corner.
void MainWindow::PagePropertiesCommand() {
  const TPage& page = WorkArea().CurrentPage();
  pagePropsDialog_->SetPage(page.Title, page.MajorEntry, page.MinorEntry);
  pagePropsDialog_->move(pos() + QPoint(100, 100));
  if (!prompts_->ShowModal(*pagePropsDialog_)) return;
  pagePanel_->ApplyPageProperties(pagePropsDialog_->Title(), pagePropsDialog_->MajorEntry(),
                                  pagePropsDialog_->MinorEntry());
}
