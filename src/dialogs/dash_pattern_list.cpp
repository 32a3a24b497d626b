#include "dialogs/dash_pattern_list.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "objects/line.h"

namespace {
// The styles offered: every fixed style but the main window's "Current".
constexpr int kFirstStyle = DashStyle::Solid;

// A line across `r` with the pattern, its dashes and gaps scaled by a width of 2 pixels.
void DrawSample(QPainter& p, const QRect& r, const TDashPattern& pattern, const QColor& colour) {
  QPen pen(colour, 2, Qt::SolidLine, Qt::FlatCap);
  if (!pattern.empty()) {
    QList<qreal> dashes;
    for (std::uint8_t d : pattern) dashes << qreal(d);
    // One dash and one gap each in a one-element pattern.
    if (dashes.size() % 2) dashes += dashes;
    pen.setDashPattern(dashes);
  }
  p.setPen(pen);
  const int y = r.center().y();
  p.drawLine(r.left() + 4, y, r.right() - 4, y);
}

class DashDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    const auto& style = DashStyles()[std::size_t(index.row() + kFirstStyle)];
    DrawSample(*p, option.rect, style.Pattern,
               selected ? option.palette.highlightedText().color() : option.palette.text().color());
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {100, 18}; }
};
}  // namespace

DashPatternList::DashPatternList(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new DashDelegate(this));
  for (std::size_t i = kFirstStyle; i < DashStyles().size(); ++i)
    addItem(QString::fromLatin1(DashStyles()[i].Name));
  setMinimumWidth(100);
}

void DashPatternList::SetPattern(const TDashPattern& pattern) {
  for (std::size_t i = kFirstStyle; i < DashStyles().size(); ++i)
    if (DashStyles()[i].Pattern == pattern) {
      setCurrentIndex(int(i) - kFirstStyle);
      return;
    }
  setCurrentIndex(-1);
}

bool DashPatternList::Pattern(TDashPattern& pattern) const {
  if (currentIndex() < 0) return false;
  pattern = DashStyles()[std::size_t(currentIndex() + kFirstStyle)].Pattern;
  return true;
}

void DashPatternList::paintEvent(QPaintEvent*) {
  // The closed list shows the sample too, not the style's name.
  QStylePainter p(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  p.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() < 0) return;
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  DrawSample(p, field, DashStyles()[std::size_t(currentIndex() + kFirstStyle)].Pattern,
             palette().text().color());
}
