#include "dialogs/gradient_end_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <cmath>

#include "dialogs/colour_swatch.h"
#include "dialogs/dialog_text.h"
#include "dialogs/numeric_field.h"
#include "dialogs/up_down.h"
#include "objects/gradient.h"
#include "shell/colour_hsb.h"

namespace {
// Fractions are held by the sliders in hundredths, rounded as the list's presets are.
int Hundredths(double v) { return int(std::trunc(v * 100 + 0.5)); }
}  // namespace

GradientEndTab::GradientEndTab(int number, QWidget* parent) : QWidget(parent) {
  const QString n = QString::number(number);
  auto* grid = new QGridLayout;
  const QString names[] = {"Hue", "Sat", "Lum", "XPos", "YPos"};
  const QString captions[] = {tr("H&ue:"), tr("S&aturation:"), tr("Brig&htness:"),
                              tr("&X position:"), tr("&Y position:")};
  for (int i = 0; i < 5; ++i) {
    const bool colour = i < 3;
    QSlider* s = AddSlider(grid, i, names[i] + n, captions[i], colour ? 0 : -100, colour ? 255 : 200);
    if (colour) {
      hsb_[std::size_t(i)] = s;
      connect(s, &QSlider::valueChanged, this, &GradientEndTab::ColourMoved);
    } else {
      position_[std::size_t(i - 3)] = s;
      connect(s, &QSlider::valueChanged, this, &GradientEndTab::PositionMoved);
    }
  }
  sample_ = new ColourSwatch(this);
  sample_->setObjectName(QStringLiteral("Sample") + n);
  sample_->setFrameShadow(QFrame::Sunken);
  sample_->setMinimumSize(40, 40);
  grid->addWidget(sample_, 0, 3, 3, 1);

  extend_ = new QCheckBox(tr("E&xtend beyond end"), this);
  extend_->setObjectName(QStringLiteral("Extend") + n);
  extend_->setAccessibleName(WithoutAccelerator(extend_->text()));
  connect(extend_, &QCheckBox::toggled, this, [this](bool on) {
    if (!updating_ && OnExtend) OnExtend(on);
  });

  radius_ = new NumericField(this);
  radius_->setObjectName(QStringLiteral("Rad") + n);
  radius_->setMaximumWidth(60);
  radiusUpDown_ = new UpDown(radius_, 0, 200, 5, this);
  auto* radiusLabel = new QLabel(tr("&Radius (%):"), this);
  radiusLabel->setBuddy(radius_);
  radius_->setAccessibleName(WithoutAccelerator(radiusLabel->text()));
  connect(radius_, &QLineEdit::textChanged, this, &GradientEndTab::RadiusEdited);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(extend_);
  bottom->addStretch(1);
  bottom->addWidget(radiusLabel);
  bottom->addWidget(radius_);
  bottom->addWidget(radiusUpDown_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(bottom);
  column->addStretch(1);
  updating_ = true;
  radius_->SetValue(60);
  updating_ = false;
  ShowValues();
}

QSlider* GradientEndTab::AddSlider(QGridLayout* grid, int row, const QString& name,
                                   const QString& caption, int minimum, int maximum) {
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName(name);
  slider->setRange(minimum, maximum);
  slider->setMinimumWidth(180);
  auto* label = new QLabel(caption, this);
  label->setBuddy(slider);
  slider->setAccessibleName(WithoutAccelerator(caption));
  auto* value = new QLabel(this);
  value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance(QStringLiteral("+0.000")));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  values_[std::size_t(row)] = value;
  grid->addWidget(label, row, 0);
  grid->addWidget(slider, row, 1);
  grid->addWidget(value, row, 2);
  return slider;
}

QString GradientEndTab::PositionText(int sliderValue) {
  const QString text = QString::number(sliderValue / 100.0, 'f', 2);
  return sliderValue > 0 ? QStringLiteral("+") + text : text;
}

void GradientEndTab::ShowValues() {
  for (std::size_t i = 0; i < 3; ++i) values_[i]->setNum(hsb_[i]->value());
  for (std::size_t i = 0; i < 2; ++i) values_[i + 3]->setText(PositionText(position_[i]->value()));
  sample_->SetColour(HSBToColour(hsb_[0]->value(), hsb_[1]->value(), hsb_[2]->value()));
}

void GradientEndTab::Load(const TGradientEnd& end) {
  updating_ = true;
  const HSB hsb = ColourToHSB(end.Colour);
  hsb_[0]->setValue(hsb.H);
  hsb_[1]->setValue(hsb.S);
  hsb_[2]->setValue(hsb.B);
  position_[0]->setValue(Hundredths(end.X));
  position_[1]->setValue(Hundredths(end.Y));
  radius_->SetValue(Hundredths(end.Radius));
  extend_->setChecked(end.Extend);
  updating_ = false;
  ShowValues();
}

void GradientEndTab::SetRadiusEnabled(bool enabled) { radiusUpDown_->SetEnabledWithField(enabled); }

void GradientEndTab::ColourMoved() {
  ShowValues();
  if (!updating_ && OnColour) OnColour(sample_->Colour());
}

void GradientEndTab::PositionMoved() {
  ShowValues();
  if (!updating_ && OnPosition) OnPosition(position_[0]->value() / 100.0, position_[1]->value() / 100.0);
}

void GradientEndTab::RadiusEdited() {
  if (!updating_ && OnRadius) OnRadius(double(radius_->Value()) / 100);
}
