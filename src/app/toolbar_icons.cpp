#include "app/toolbar_icons.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>

#include "app/action_ids.h"
#include "app/action_registry.h"

static void LoadToolbarResources() { Q_INIT_RESOURCE(toolbar); }

namespace {
struct TIconRow {
  const char* Id;
  const char* ThemeName;  // freedesktop icon name, or "" when there is none to fit
  const char* Bundled;    // picture under :/toolbar/
};

const TIconRow IconTable[] = {
    {ActionId::FileNew, "document-new", "new"},
    {ActionId::FileOpen, "document-open", "open"},
    {ActionId::FileSave, "document-save", "save"},
    {ActionId::ObjDelete, "edit-delete", "delete"},
    {ActionId::ObjProperties, "document-properties", "properties"},
    {ActionId::EditUndo, "edit-undo", "undo"},
    {ActionId::EditRedo, "edit-redo", "redo"},
    {ActionId::SlideFirst, "go-first", "first"},
    {ActionId::SlidePrevious, "go-previous", "previous"},
    {ActionId::SlideNext, "go-next", "next"},
    {ActionId::SlideLast, "go-last", "last"},
    {ActionId::FilePdf, "", "pdf"},
    {ActionId::FileSvg, "", "svg"},
    {ActionId::SlideInsert, "", "insert"},
    {ActionId::SlideAdd, "", "add"},
    {ActionId::SlideDelete, "", "delete-slide"},
    {ActionId::SlideOrganiser, "", "organiser"},
    {ActionId::SlideShowStart, "", "show"},
    {ActionId::SlideShowCurrent, "", "show-current"},
    {ActionId::ToolSelection, "", "selection"},
    {ActionId::ToolDropper, "color-picker", "dropper"},
    {ActionId::HelpContents, "help-contents", "help"},
};

QIcon Bundled(const char* name) {
  QIcon icon;
  icon.addFile(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name)), QSize(24, 24));
  icon.addFile(QStringLiteral(":/toolbar/%1@2x.png").arg(QLatin1String(name)), QSize(48, 48));
  return icon;
}
}  // namespace

void ApplyToolbarIcons(ActionRegistry& actions, QToolBar* toolbar) {
  LoadToolbarResources();
  for (const TIconRow& row : IconTable) {
    const QString theme = QString::fromLatin1(row.ThemeName);
    const QIcon fallback = Bundled(row.Bundled);
    actions.Action(QString::fromLatin1(row.Id))
        ->setIcon(theme.isEmpty() ? fallback : QIcon::fromTheme(theme, fallback));
  }
  if (toolbar) {
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setIconSize(QSize(24, 24));
  }
}
