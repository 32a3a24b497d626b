#include "dialogs/stencil_properties_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"

TStencilProperties::TStencilProperties(QWidget* parent)
    : TSmallDialog(QStringLiteral("Stencil Properties"), parent) {
  package_ = new QLineEdit(QStringLiteral("Default stencils (Default.stn)"), this);
  package_->setObjectName(QStringLiteral("Package"));
  package_->setEnabled(false);
  name_ = AddTextField(QStringLiteral("StencilName"));
  name_->setMaxLength(MaxNameLength);
  count_ = new QLabel(QStringLiteral("0"), this);
  count_->setObjectName(QStringLiteral("NoOfObjects"));
  count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  icons_ = new QListWidget(this);
  icons_->setObjectName(QStringLiteral("Icons"));
  icons_->setViewMode(QListView::IconMode);
  icons_->setIconSize(QSize(32, 32));
  icons_->setMovement(QListView::Static);
  icons_->setResizeMode(QListView::Adjust);
  icons_->setSelectionMode(QAbstractItemView::SingleSelection);
  icons_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  auto* grid = new QGridLayout;
  grid->addWidget(AddLabel(QStringLiteral("&Package:"), package_), 0, 0);
  grid->addWidget(package_, 0, 1);
  grid->addWidget(AddLabel(QStringLiteral("&Name:"), name_), 1, 0);
  grid->addWidget(name_, 1, 1);
  auto* objects = new QLabel(QStringLiteral("Objects:"), this);
  count_->setAccessibleName(objects->text());
  grid->addWidget(objects, 2, 0);
  grid->addWidget(count_, 2, 1);
  grid->addWidget(AddLabel(QStringLiteral("&Icon:"), icons_), 3, 0, Qt::AlignTop);
  grid->addWidget(icons_, 3, 1);
  grid->setRowStretch(3, 1);
  grid->setColumnMinimumWidth(1, 260);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  AddButtons(layout);
  SetTabOrder({package_, name_, icons_});
  SetInitialControl(name_);
  resize(380, 320);
}

void TStencilProperties::SetPackage(const QString& package) { package_->setText(package); }
QString TStencilProperties::Package() const { return package_->text(); }

void TStencilProperties::SetStencilName(const std::string& name) { name_->setText(FromDocumentText(name)); }
std::string TStencilProperties::StencilName() const { return ToDocumentText(name_->text()); }

void TStencilProperties::SetObjectCount(int count) { count_->setText(QString::number(count)); }

void TStencilProperties::SetIcons(const QList<QIcon>& icons) {
  const int chosen = IconIndex();
  icons_->clear();
  for (const QIcon& icon : icons) {
    auto* item = new QListWidgetItem(icon, QString(), icons_);
    item->setSizeHint(QSize(40, 40));
    // The icons have no caption; name them for screen readers by their index.
    item->setData(Qt::AccessibleTextRole, QStringLiteral("Icon %1").arg(icons_->count()));
  }
  SetIconIndex(chosen);
}

void TStencilProperties::SetIconIndex(int index) {
  if (QListWidgetItem* item = icons_->item(index))
    icons_->setCurrentItem(item);
  else
    icons_->clearSelection();
}

int TStencilProperties::IconIndex() const {
  const QList<QListWidgetItem*> selected = icons_->selectedItems();
  return selected.isEmpty() ? -1 : icons_->row(selected.first());
}
