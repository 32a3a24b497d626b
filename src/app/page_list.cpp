#include "app/page_list.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"
#include "model/quarrion_canvas.h"

PageList::PageList(TQuarrionCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas), list_(new QListWidget(this)) {
  auto* label = new QLabel(tr(" &Page list:"), this);
  label->setBuddy(list_);
  list_->setObjectName(QStringLiteral("PageList"));
  list_->setAccessibleName(tr("Page list"));
  // Long titles are elided; the whole line is the item's tooltip.
  list_->setTextElideMode(Qt::ElideRight);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(label);
  layout->addWidget(list_);
  // A click or the arrow keys choose the page; the list's own refreshes are silent.
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit PageChosen(row);
  });
}

QString PageList::LineFor(const TQuarrionCanvas& canvas, int index) {
  const TPage& page = canvas.Pages()[std::size_t(index)];
  const QString title = FromDocumentText(page.Title);
  if (page.IsMaster) return title + QStringLiteral(" (m)");
  return QString::number(canvas.GetAbsolutePage(index)) + QStringLiteral(": ") + title;
}

void PageList::Refresh() {
  const QSignalBlocker block(list_);
  if (list_->count() != canvas_.PageCount()) {
    list_->clear();
    for (int i = 0; i < canvas_.PageCount(); ++i) list_->addItem(QString());
  }
  RefreshFrom(0);
  list_->setCurrentRow(canvas_.Page());
}

void PageList::RefreshFrom(int first) {
  for (int i = std::max(first, 0); i < list_->count() && i < canvas_.PageCount(); ++i) {
    const QString line = LineFor(canvas_, i);
    if (list_->item(i)->text() != line) {
      list_->item(i)->setText(line);
      list_->item(i)->setToolTip(line);
    }
  }
}
