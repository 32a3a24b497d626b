#include "dialogs/go_to_page_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"

TForm6::TForm6(QWidget* parent) : TSmallDialog(QStringLiteral("Go To Page"), parent) {
  pages_ = new QListWidget(this);
  pages_->setObjectName(QStringLiteral("Pages"));
  pages_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(pages_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(AddLabel(QStringLiteral("Select &Page:"), pages_));
  layout->addWidget(pages_, 1);
  AddButtons(layout);
  SetTabOrder({pages_});
  SetInitialControl(pages_);
  resize(320, 360);
}

void TForm6::SetPages(const std::vector<std::string>& titles, int current) {
  pages_->clear();
  for (std::size_t i = 0; i < titles.size(); ++i)
    pages_->addItem(QString::number(i + 1) + QStringLiteral(": ") + FromDocumentText(titles[i]));
  if (QListWidgetItem* item = pages_->item(current)) pages_->setCurrentItem(item);
}

int TForm6::SelectedPage() const {
  const QList<QListWidgetItem*> selected = pages_->selectedItems();
  return selected.isEmpty() ? -1 : pages_->row(selected.first());
}
