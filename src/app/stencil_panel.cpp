#include "app/stencil_panel.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QMouseEvent>

#include "app/stencil_item_delegate.h"

StencilPanel::StencilPanel(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("Stencil"));
  setAccessibleName(tr("Stencils"));
  setViewMode(QListView::IconMode);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setWrapping(true);
  setUniformItemSizes(true);
  setIconSize(QSize(32, 32));
  setGridSize(StencilItemDelegate::EntrySize);
  setSpacing(0);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setDefaultDropAction(Qt::CopyAction);
  setMouseTracking(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
  setItemDelegate(new StencilItemDelegate(this));
}

void StencilPanel::Append(const QString& caption, const QIcon& icon) {
  auto* item = new QListWidgetItem(icon, caption, this);
  item->setToolTip(caption);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
}

void StencilPanel::SetEntry(int index, const QString& caption, const QIcon& icon) {
  QListWidgetItem* entry = item(index);
  if (!entry) return;
  entry->setText(caption);
  entry->setToolTip(caption);
  entry->setIcon(icon);
}

void StencilPanel::Remove(int index) {
  if (hover_ >= index) SetHover(-1);
  delete takeItem(index);
}

int StencilPanel::SelectedIndex() const {
  const QList<QListWidgetItem*> chosen = selectedItems();
  return chosen.isEmpty() ? -1 : row(chosen.first());
}

void StencilPanel::Select(int index) { setCurrentRow(index, QItemSelectionModel::ClearAndSelect); }

void StencilPanel::ClearChoice() {
  clearSelection();
  setCurrentItem(nullptr);
}

void StencilPanel::SetLatched(bool latched) {
  if (latched_ == latched) return;
  latched_ = latched;
  viewport()->update();
}

QMimeData* StencilPanel::DragData(int index) {
  auto* data = new QMimeData;
  const QByteArray payload = QByteArray::number(QCoreApplication::applicationPid()) + ':' + QByteArray::number(index);
  data->setData(QString::fromLatin1(MimeType), payload);
  return data;
}

int StencilPanel::DraggedIndex(const QMimeData* data) {
  if (!data || !data->hasFormat(QString::fromLatin1(MimeType))) return -1;
  const QList<QByteArray> parts = data->data(QString::fromLatin1(MimeType)).split(':');
  bool pidOk = false, indexOk = false;
  if (parts.size() != 2 || parts[0].toLongLong(&pidOk) != QCoreApplication::applicationPid() || !pidOk) return -1;
  const int index = parts[1].toInt(&indexOk);
  return indexOk && index >= 0 ? index : -1;
}

QStringList StencilPanel::mimeTypes() const { return {QString::fromLatin1(MimeType)}; }

QMimeData* StencilPanel::mimeData(const QList<QListWidgetItem*>& items) const {
  return items.isEmpty() ? nullptr : DragData(row(items.first()));
}

// A drag ends with neither hover frame nor selection, whether it was dropped or not.
void StencilPanel::startDrag(Qt::DropActions actions) {
  SetHover(-1);
  QListWidget::startDrag(actions);
  ClearChoice();
}

void StencilPanel::mouseMoveEvent(QMouseEvent* event) {
  const QModelIndex under = indexAt(event->position().toPoint());
  SetHover(under.isValid() ? under.row() : -1);
  QListWidget::mouseMoveEvent(event);
}

void StencilPanel::mousePressEvent(QMouseEvent* event) {
  SetHover(-1);
  QListWidget::mousePressEvent(event);
}

void StencilPanel::leaveEvent(QEvent* event) {
  SetHover(-1);
  QListWidget::leaveEvent(event);
}

void StencilPanel::SetHover(int index) {
  if (hover_ == index) return;
  hover_ = index;
  viewport()->update();
}
