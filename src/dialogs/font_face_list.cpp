#include "dialogs/font_face_list.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/qt/gui/screen_fonts.h"
#include "text/font_table.h"

namespace {
class FaceDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    const std::string& face = FontTable()[std::size_t(index.row())].Name;
    const QString name = QString::fromStdString(face);
    // Symbol faces would show their name as symbols: those keep the list's own font.
    QFont font = option.font;
    if (ScreenText(face, face) == name) {
      font = QFont(ScreenFamily(face));
      font.setPixelSize(14);
    }
    p->setFont(font);
    p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    p->drawText(option.rect.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {option.fontMetrics.horizontalAdvance(index.data().toString()) + 40, 20};
  }
};
}  // namespace

FontFaceList::FontFaceList(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new FaceDelegate(this));
  for (const TFontFace& face : FontTable()) addItem(QString::fromStdString(face.Name));
}
