#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class QFontMetrics;
class StencilPanel;

// Draws one stencil entry as the panel shows it: the icon, the caption word-wrapped
// below it, a raised frame under the mouse, and a sunken frame on light grey for the
// selected entry while the stencil tool is latched.
class StencilItemDelegate : public QStyledItemDelegate {
 public:
  static constexpr QSize EntrySize{72, 72};
  static constexpr int IconSide = 32;

  explicit StencilItemDelegate(StencilPanel* panel);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // `caption` broken at spaces: a line takes words while they fit `width`; a word wider
  // than `width` stands on its own line.
  static QStringList WrapCaption(const QString& caption, const QFontMetrics& metrics, int width);

 private:
  StencilPanel* panel_;
};
