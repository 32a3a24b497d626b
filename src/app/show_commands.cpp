#include "app/show_commands.h"

#include <QFileInfo>
#include <QScreen>

#include "app/action_ids.h"
#include "app/action_registry.h"
#include "app/main_window.h"
#include "app/slide_show_window.h"
#include "model/quarrion_canvas.h"

void ShowCommands::Connect(ActionRegistry& actions) {
  actions.Connect(QString::fromLatin1(ActionId::SlideShowStart), [this] { StartFromFirst(); });
  actions.Connect(QString::fromLatin1(ActionId::SlideShowCurrent), [this] { StartFromCurrent(); });
}

void ShowCommands::StartFromFirst() { Start(0); }

void ShowCommands::StartFromCurrent() {
  TQuarrionCanvas& document = window_.WorkArea();
  Start(TShowNavigator::StartSlideFor(document, document.Page()));
}

void ShowCommands::Start(int slide) {
  TQuarrionCanvas& document = window_.WorkArea();
  // A deck of master pages only has nothing to show; one show at a time.
  if (show_ || document.SlideCount() == 0) return;
  show_ = new SlideShowWindow(document, slide, &window_);
  if (window_.FileName() != QLatin1String(MainWindow::Untitled))
    show_->LinkFolder = QFileInfo(window_.FileName()).absolutePath();
  QObject::connect(show_, &SlideShowWindow::Ended, &window_, [this](int page) {
    TQuarrionCanvas& canvas = window_.WorkArea();
    if (page >= 0 && page < canvas.PageCount() && page != canvas.Page()) canvas.SetPage(page);
    window_.activateWindow();
  });
  if (QScreen* screen = window_.screen()) {
    show_->setScreen(screen);
    show_->setGeometry(screen->geometry());
  }
  show_->showFullScreen();
  show_->activateWindow();
  show_->setFocus();
}
