#include "dialogs/slide_organiser_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"

namespace {
// Each item remembers which of the rows it was filled from.
constexpr int RowRole = Qt::UserRole;

QString YesNo(bool value) { return value ? QStringLiteral("Yes") : QStringLiteral("No"); }

QTreeWidgetItem* MakeItem(const SlideOrganiserRow& row, int rowIndex) {
  const bool inOutline = !row.MajorEntry.empty() || !row.MinorEntry.empty();
  auto* item = new QTreeWidgetItem(QStringList{FromDocumentText(row.Title), YesNo(row.IsMaster),
                                               YesNo(row.UseMaster), YesNo(inOutline),
                                               FromDocumentText(row.MajorEntry),
                                               FromDocumentText(row.MinorEntry)});
  item->setData(0, RowRole, rowIndex);
  return item;
}
}  // namespace

TSO::TSO(QWidget* parent) : TSmallDialog(QStringLiteral("Slide Organiser"), parent) {
  pages_ = new QTreeWidget(this);
  pages_->setObjectName(QStringLiteral("Pages"));
  pages_->setRootIsDecorated(false);
  pages_->setUniformRowHeights(true);
  pages_->setSelectionMode(QAbstractItemView::SingleSelection);
  pages_->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Master"), QStringLiteral("Uses Master"),
                           QStringLiteral("Outline"), QStringLiteral("Major Entry"),
                           QStringLiteral("Minor Entry")});
  // The flags are short; the title and the entries share what is left.
  QHeaderView* header = pages_->header();
  header->setStretchLastSection(true);
  for (int column : {1, 2, 3}) header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  pages_->setColumnWidth(0, 150);
  pages_->setColumnWidth(4, 110);

  QPushButton* up = AddButton(QStringLiteral("ShiftUp"), QStringLiteral("Shift &Up"));
  QPushButton* down = AddButton(QStringLiteral("ShiftDown"), QStringLiteral("Shift &Down"));
  connect(up, &QPushButton::clicked, this, [this] { Shift(-1); });
  connect(down, &QPushButton::clicked, this, [this] { Shift(+1); });

  auto* side = new QVBoxLayout;
  side->addWidget(up);
  side->addWidget(down);
  side->addStretch(1);
  auto* body = new QHBoxLayout;
  body->addWidget(pages_, 1);
  body->addLayout(side);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(AddLabel(QStringLiteral("&Slides:"), pages_));
  layout->addLayout(body, 1);
  AddButtons(layout);
  SetTabOrder({pages_, up, down});
  SetInitialControl(pages_);
  resize(680, 360);
}

void TSO::SetRows(const std::vector<SlideOrganiserRow>& rows, int currentRow) {
  rows_ = rows;
  pages_->clear();
  for (int i = 0; i < int(rows_.size()); ++i) pages_->addTopLevelItem(MakeItem(rows_[i], i));
  if (QTreeWidgetItem* current = pages_->topLevelItem(currentRow)) pages_->setCurrentItem(current);
}

std::vector<SlideOrganiserRow> TSO::Rows() const {
  std::vector<SlideOrganiserRow> rows;
  for (int i = 0; i < pages_->topLevelItemCount(); ++i)
    rows.push_back(rows_[pages_->topLevelItem(i)->data(0, RowRole).toInt()]);
  return rows;
}

std::vector<int> TSO::PageOrder() const {
  std::vector<int> order;
  for (const SlideOrganiserRow& row : Rows()) order.push_back(row.PageIndex);
  return order;
}

void TSO::Shift(int delta) {
  const QList<QTreeWidgetItem*> selected = pages_->selectedItems();
  if (selected.isEmpty()) return;
  const int i = pages_->indexOfTopLevelItem(selected.first());
  const int j = i + delta;
  if (j < 0 || j >= pages_->topLevelItemCount()) return;
  QTreeWidgetItem* item = pages_->takeTopLevelItem(i);
  pages_->insertTopLevelItem(j, item);
  pages_->setCurrentItem(item);
}
