#pragma once

#include <QStyledItemDelegate>

// Draws each row of the font list in its own font: the family in the row's FamilyRole,
// the text 4 pixels right of the row's left edge, rows 16 pixels high.
class FontListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  static constexpr int FamilyRole = Qt::UserRole + 1;
  static constexpr int RowHeight = 16;

  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
