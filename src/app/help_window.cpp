#include "app/help_window.h"

#include "dialogs/dialog_text.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

static void LoadHelpResources() { Q_INIT_RESOURCE(help); }

namespace {
const char* ContentsPage = "qrc:/help/index.html";
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  LoadHelpResources();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Quarrion Help"));
  resize(640, 560);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  auto* bar = new QToolBar(this);
  const QList<QAction*> actions = {bar->addAction(tr("&Contents"), this, [this] { ShowContents(); }),
                                   bar->addAction(tr("&Back"), browser_, &QTextBrowser::backward),
                                   bar->addAction(tr("&Forward"), browser_, &QTextBrowser::forward)};
  for (QAction* action : actions)
    bar->widgetForAction(action)->setAccessibleName(WithoutAccelerator(action->text()));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar);
  layout->addWidget(browser_, 1);
}

QUrl HelpWindow::TopicUrl(int topic) {
  if (topic < 1501 || topic > 1507) return {};
  return QUrl(QStringLiteral("qrc:/help/objects.html#%1").arg(topic));
}

void HelpWindow::Show(const QUrl& url) {
  browser_->setSource(url);
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContents() { Show(QUrl(QString::fromLatin1(ContentsPage))); }

void HelpWindow::ShowTopic(int topic) {
  const QUrl url = TopicUrl(topic);
  if (url.isEmpty())
    ShowContents();
  else
    Show(url);
}

QUrl HelpWindow::Source() const { return browser_->source(); }
