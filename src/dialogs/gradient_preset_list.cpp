#include "dialogs/gradient_preset_list.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "objects/gradient.h"
#include "platform/qt/gui/qt_surface.h"
#include "shell/gradient_presets.h"

namespace {
constexpr int kSample = 20;

// Draws an entry: its gradient on a 20 x 20 box framed in black, its name beside it.
class PresetDelegate : public QStyledItemDelegate {
 public:
  explicit PresetDelegate(GradientPresetList* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    p->fillRect(r, selected ? pal.highlight() : pal.base());
    if (const TPDFGradient* g = list_->Entry(index.row())) {
      p->fillRect(r.left() + 3, r.top() + 3, kSample, kSample, Qt::white);
      p->drawImage(r.left() + 3, r.top() + 3, ToQImage(g->RenderGradient(kSample, kSample)));
    }
    p->setPen(Qt::black);
    p->setBrush(Qt::NoBrush);
    p->drawRect(r.left() + 2, r.top() + 2, 22, 22);
    p->setPen(selected ? pal.highlightedText().color() : pal.text().color());
    const QRect text(r.left() + 28, r.top() + 6, r.width() - 30, r.height() - 6);
    p->drawText(text, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const int textWidth = option.fontMetrics.horizontalAdvance(index.data().toString());
    return {28 + textWidth + 8, std::max(27, option.fontMetrics.height() + 10)};
  }

 private:
  const GradientPresetList* list_;
};
}  // namespace

GradientPresetList::GradientPresetList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new PresetDelegate(this));
  addItem(tr("Custom Gradient"));
  for (const GradientPreset& preset : kGradientPresets) addItem(QString::fromLatin1(preset.Name.data(), int(preset.Name.size())));
  presets_ = MakePresetGradients(0x0000FF, 0x00FFFF);
}

GradientPresetList::~GradientPresetList() = default;

TPDFGradient* GradientPresetList::Entry(int row) const {
  if (row == 0) return custom_;
  if (row < 1 || row >= kEntries) return nullptr;
  return presets_[std::size_t(row - 1)].get();
}

void GradientPresetList::SetCustom(TPDFGradient* gradient) {
  custom_ = gradient;
  viewport()->update();
}

void GradientPresetList::SetStartColour(TColor colour) {
  for (int row = 0; row < kEntries; ++row)
    if (TPDFGradient* g = Entry(row)) g->Start.Colour = colour;
  viewport()->update();
}

void GradientPresetList::SetEndColour(TColor colour) {
  for (int row = 0; row < kEntries; ++row)
    if (TPDFGradient* g = Entry(row)) g->End.Colour = colour;
  viewport()->update();
}
