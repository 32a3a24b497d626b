#include "dialogs/solid_colour_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "dialogs/colour_swatch.h"
#include "dialogs/dialog_text.h"
#include "dialogs/numeric_field.h"
#include "shell/colour_hsb.h"

namespace {
// The ready colours offered as swatches: the sixteen colours of the basic palette.
constexpr std::array<TColor, 16> kSwatches = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

QString HexOf(TColor c) {
  return QString::asprintf("%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
}
}  // namespace

SolidColourPanel::SolidColourPanel(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout;
  const char* names[] = {"SolidHue", "SolidSat", "SolidLum", "SolidRed", "SolidGreen", "SolidBlue"};
  const QString captions[] = {tr("H&ue:"),  tr("S&aturation:"), tr("Brig&htness:"),
                              tr("&Red:"), tr("Gr&een:"),      tr("B&lue:")};
  for (int i = 0; i < 6; ++i) {
    QSlider* s = AddSlider(grid, i, names[i], captions[i], values_[std::size_t(i)]);
    if (i < 3) {
      hsb_[std::size_t(i)] = s;
      connect(s, &QSlider::valueChanged, this, &SolidColourPanel::HSBChanged);
    } else {
      rgb_[std::size_t(i - 3)] = s;
      connect(s, &QSlider::valueChanged, this, &SolidColourPanel::RGBChanged);
    }
  }
  hex_ = new NumericField(this, NumericFormat{true, false, true, 0xFFFFFF});
  hex_->setObjectName(QStringLiteral("Hex"));
  auto* hexLabel = new QLabel(tr("He&x:"), this);
  hexLabel->setBuddy(hex_);
  hex_->setAccessibleName(WithoutAccelerator(hexLabel->text()));
  connect(hex_, &QLineEdit::textEdited, this, &SolidColourPanel::HexEdited);
  grid->addWidget(hexLabel, 6, 0);
  grid->addWidget(hex_, 6, 1);
  sample_ = new ColourSwatch(this);
  sample_->setObjectName(QStringLiteral("Sample"));
  sample_->setFrameShadow(QFrame::Sunken);
  sample_->setMinimumSize(48, 48);
  grid->addWidget(sample_, 6, 2, 1, 1);

  auto* swatches = new QGridLayout;
  swatches->setSpacing(3);
  for (std::size_t i = 0; i < kSwatches.size(); ++i) {
    auto* swatch = new ColourSwatch(this, kSwatches[i]);
    swatch->setObjectName(QStringLiteral("Swatch%1").arg(i));
    swatch->setFixedSize(20, 20);
    swatch->OnClick = [this](TColor c) { Show(c, true, true, true); };
    swatches->addWidget(swatch, int(i / 8), int(i % 8));
  }
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(grid);
  column->addLayout(swatches);
  Show(0, true, true, true);
}

QSlider* SolidColourPanel::AddSlider(QGridLayout* grid, int row, const char* name,
                                     const QString& caption, QLabel*& value) {
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName(QString::fromLatin1(name));
  slider->setRange(0, 255);
  slider->setMinimumWidth(200);
  auto* label = new QLabel(caption, this);
  label->setBuddy(slider);
  slider->setAccessibleName(WithoutAccelerator(caption));
  value = new QLabel(QStringLiteral("0"), this);
  value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance(QStringLiteral("0000")));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(label, row, 0);
  grid->addWidget(slider, row, 1);
  grid->addWidget(value, row, 2);
  return slider;
}

void SolidColourPanel::SetColour(TColor colour) { Show(colour & 0xFFFFFF, true, true, true); }

void SolidColourPanel::HSBChanged() {
  if (updating_) return;
  Show(HSBToColour(hsb_[0]->value(), hsb_[1]->value(), hsb_[2]->value()), false, true, true);
}

void SolidColourPanel::RGBChanged() {
  if (updating_) return;
  Show(RGBColour(rgb_[0]->value(), rgb_[1]->value(), rgb_[2]->value()), true, false, true);
}

void SolidColourPanel::HexEdited() {
  if (updating_) return;
  const long long v = hex_->Value();
  Show(RGBColour(int(v / 65536), int(v / 256 % 256), int(v % 256)), true, true, false);
}

void SolidColourPanel::Show(TColor colour, bool setHSB, bool setRGB, bool setHex) {
  colour_ = colour;
  updating_ = true;
  if (setHSB) {
    const HSB hsb = ColourToHSB(colour);
    hsb_[0]->setValue(hsb.H);
    hsb_[1]->setValue(hsb.S);
    hsb_[2]->setValue(hsb.B);
  }
  if (setRGB) {
    rgb_[0]->setValue(RedOf(colour));
    rgb_[1]->setValue(GreenOf(colour));
    rgb_[2]->setValue(BlueOf(colour));
  }
  if (setHex) hex_->setText(HexOf(colour));
  for (std::size_t i = 0; i < 3; ++i) {
    values_[i]->setNum(hsb_[i]->value());
    values_[i + 3]->setNum(rgb_[i]->value());
  }
  sample_->SetColour(colour);
  updating_ = false;
}
