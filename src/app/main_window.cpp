#include "app/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "app/commands.h"
#include "app/page_list.h"
#include "app/page_panel.h"
#include "app/recovery_keeper.h"
#include "app/show_commands.h"
#include "app/tooltip_gate.h"
#include "app/work_area_widget.h"
#include "dialogs/log_dialog.h"
#include "dialogs/page_props_dialog.h"
#include "model/quarrion_canvas.h"

MainWindow::MainWindow(TLookupTableManager& registry, QWidget* parent)
    : QMainWindow(parent), registry_(registry), actions_(this),
      prompts_(std::make_unique<QtPrompts>(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setMinimumSize(600, 300);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  CreatePanels();
  CreateDialogs();
  RouteHints();
  ConnectWorkArea();
  ConnectFileCommands();
  CreateCommands();
  CreateSlideShow();
  UpdateCaption();
}

MainWindow::~MainWindow() = default;

TQuarrionCanvas& MainWindow::WorkArea() { return workAreaWidget_->WorkArea(); }

void MainWindow::SetPrompts(std::unique_ptr<Prompts> prompts) {
  prompts_ = std::move(prompts);
  pagePanel_->SetPrompts(prompts_.get());
}

// Created once and reused, like every dialog of the window.
void MainWindow::CreateDialogs() {
  pagePropsDialog_ = new TPageProps(this);
  logDialog_ = new TLog(this);
  for (TSmallDialog* dialog : {static_cast<TSmallDialog*>(pagePropsDialog_), static_cast<TSmallDialog*>(logDialog_)})
    dialog->SetWarningHandler([this](const QString& text) { prompts_->Warning(text); });
}

void MainWindow::CreateStatusBar() {
  // A label rather than the status bar's own message, so screen readers can read it.
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusText"));
  status_->setAccessibleName(tr("Status"));
  status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
  statusBar()->addWidget(status_, 1);
}

// Left: the page list over the stencil place, split at a height the settings keep.
// Right: the page panel over the work area.
void MainWindow::CreatePanels() {
  workAreaWidget_ = new WorkAreaWidget(this);
  pagePanel_ = new PagePanel(WorkArea(), this);
  pagePanel_->SetPrompts(prompts_.get());
  pageList_ = new PageList(WorkArea(), this);
  stencilPlace_ = new QWidget(this);
  stencilPlace_->setObjectName(QStringLiteral("Stencils"));
  stencilPlace_->setAccessibleName(tr("Stencils"));
  new QVBoxLayout(stencilPlace_);
  stencilPlace_->layout()->setContentsMargins(0, 0, 0, 0);
  pageList_->setMinimumHeight(50);
  stencilPlace_->setMinimumHeight(50);

  leftSplitter_ = new QSplitter(Qt::Vertical, this);
  leftSplitter_->setObjectName(QStringLiteral("PageListSplitter"));
  leftSplitter_->setChildrenCollapsible(false);
  leftSplitter_->addWidget(pageList_);
  leftSplitter_->addWidget(stencilPlace_);
  // The page list keeps its height when the window grows; the stencils take the rest.
  leftSplitter_->setStretchFactor(0, 0);
  leftSplitter_->setStretchFactor(1, 1);
  leftSplitter_->setMinimumWidth(140);

  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->setSpacing(0);
  rightLayout->addWidget(pagePanel_);
  rightLayout->addWidget(workAreaWidget_, 1);

  auto* main = new QSplitter(Qt::Horizontal, this);
  main->addWidget(leftSplitter_);
  main->addWidget(right);
  main->setStretchFactor(1, 1);
  main->setSizes({210, 600});
  setCentralWidget(main);
}

int MainWindow::PageListHeight() const {
  return pendingPageListHeight_ > 0 ? pendingPageListHeight_ : leftSplitter_->sizes().value(0);
}

// The splitter shares out its height only once it is laid out, so a height set before the
// window shows is applied when it does.
void MainWindow::SetPageListHeight(int height) {
  pendingPageListHeight_ = std::max(height, 50);
  if (leftSplitter_->isVisible()) ApplyPageListHeight();
}

void MainWindow::ApplyPageListHeight() {
  const QList<int> sizes = leftSplitter_->sizes();
  const int total = sizes.value(0) + sizes.value(1);
  if (total <= 0) return;
  const int height = std::min(pendingPageListHeight_, std::max(total - 50, 50));
  leftSplitter_->setSizes({height, total - height});
  pendingPageListHeight_ = 0;
}

// Queued: the splitter is laid out once the show has been handled.
void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (pendingPageListHeight_ > 0)
    QMetaObject::invokeMethod(this, &MainWindow::ApplyPageListHeight, Qt::QueuedConnection);
}

// Hints go to the status text (event() below); tooltips follow the settings.
void MainWindow::RouteHints() {
  tooltips_ = new TooltipGate(this);
  qApp->installEventFilter(tooltips_);
}

void MainWindow::SetStatus(const QString& text) {
  status_->setText(text);
  QAccessibleEvent changed(status_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void MainWindow::UpdateCaption() {
  const QString name = fileName_ == QLatin1String(Untitled) ? fileName_ : QFileInfo(fileName_).fileName();
  setWindowTitle(QStringLiteral("Quarrion - ") + name);
}

// The hint under the mouse: its long part goes to the status text.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    SetStatus(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (MayClose())
    event->accept();
  else
    event->ignore();
}
