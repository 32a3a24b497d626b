#include "app/stencil_item_delegate.h"

#include <QPainter>

#include "app/stencil_panel.h"

namespace {
// Light edge top-left and dark edge bottom-right: raised; swapped: sunken.
void DrawFrame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.setPen(topLeft);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(bottomRight);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}
}  // namespace

StencilItemDelegate::StencilItemDelegate(StencilPanel* panel)
    : QStyledItemDelegate(panel), panel_(panel) {}

QSize StencilItemDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return EntrySize;
}

void StencilItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QPalette& palette = option.palette;
  const QRect cell = option.rect.adjusted(1, 1, -2, -2);
  const bool hover = index.row() == panel_->HoverIndex();
  const bool sunken = panel_->Latched() && (option.state & QStyle::State_Selected);
  painter->save();
  if (sunken) {
    painter->fillRect(cell, QColor(224, 224, 224));
    DrawFrame(*painter, cell, palette.color(QPalette::Dark), palette.color(QPalette::Light));
  } else if (hover) {
    DrawFrame(*painter, cell, palette.color(QPalette::Light), palette.color(QPalette::Dark));
  } else {
    painter->setPen(palette.color(QPalette::Button));
    painter->drawRect(cell);
  }
  const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
  const QRect iconRect(cell.left() + (cell.width() - IconSide) / 2, cell.top() + 4, IconSide, IconSide);
  icon.paint(painter, iconRect);
  const QRect label(cell.left() + 2, iconRect.bottom() + 3, cell.width() - 4,
                    cell.bottom() - iconRect.bottom() - 4);
  const QFontMetrics metrics(option.font);
  painter->setFont(option.font);
  painter->setPen(palette.color(QPalette::ButtonText));
  painter->setClipRect(label);
  int y = label.top();
  for (const QString& line : WrapCaption(index.data().toString(), metrics, label.width())) {
    painter->drawText(QRect(label.left(), y, label.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                      metrics.elidedText(line, Qt::ElideRight, label.width()));
    y += metrics.height();
  }
  painter->restore();
}

QStringList StencilItemDelegate::WrapCaption(const QString& caption, const QFontMetrics& metrics,
                                             int width) {
  QStringList lines;
  QString line;
  for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      line = longer;
    } else {
      lines << line;
      line = word;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}
