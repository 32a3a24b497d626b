#include "dialogs/rect_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/colour_swatch.h"
#include "dialogs/dash_pattern_list.h"
#include "dialogs/gradient_preview.h"
#include "dialogs/gradient_props_dialog.h"
#include "dialogs/up_down.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

namespace {
// Line widths take decimals; shadow offsets are whole points that the saved form keeps
// between -128 and 127, so no larger offset gets in.
constexpr NumericFormat kThickness{false, false, false, 65535};
constexpr NumericFormat kShadowOffset{true, false, false, 127};
}  // namespace

RectPanel::RectPanel(PanelServices& services, QWidget* parent)
    : PropertyPanel("PropPanel_Rect", services, parent) {
  auto* colours = new QGroupBox(tr("&Colours"), this);
  auto* colourGrid = new QGridLayout(colours);
  QPushButton *fillButton = nullptr, *shadowButton = nullptr;
  outlineColour_ = ColourButton("Rect_OutlineColour", tr("O&utline:"), &outlineButton_);
  fillColour_ = ColourButton("Rect_FillColour", tr("F&ill:"), &fillButton, false);
  shadowColour_ = ColourButton("Rect_ShadowColour", tr("S&hadow:"), &shadowButton);
  fillGradient_ = new TGradientPreview(this);
  fillGradient_->setObjectName(QStringLiteral("Rect_FillGradient"));
  fillGradient_->setFixedSize(fillColour_->size());
  fillGradient_->hide();
  // The fill button runs the dialog that also takes gradients.
  connect(fillButton, &QPushButton::clicked, this, &RectPanel::ChooseFill);
  const std::pair<QPushButton*, QWidget*> rows[] = {
      {outlineButton_, outlineColour_}, {fillButton, fillColour_}, {shadowButton, shadowColour_}};
  for (int i = 0; i < 3; ++i) {
    colourGrid->addWidget(rows[i].first, i, 0);
    colourGrid->addWidget(rows[i].second, i, 1);
  }
  colourGrid->addWidget(fillGradient_, 1, 1);

  auto* flags = new QGroupBox(tr("&Drawing Flags"), this);
  auto* flagColumn = new QVBoxLayout(flags);
  outline_ = Check<QCheckBox>("Rect_Outline", tr("&Outline"));
  shadow_ = Check<QCheckBox>("Rect_Shadow", tr("&Shadow"));
  fill_ = Check<QCheckBox>("Rect_Fill", tr("&Fill"));
  for (QCheckBox* box : {outline_, shadow_, fill_}) {
    flagColumn->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &RectPanel::Changed);
  }
  flagColumn->addStretch(1);

  dash_ = new DashPatternList(this);
  dash_->setObjectName(QStringLiteral("Rect_Dash"));
  connect(dash_, &QComboBox::currentIndexChanged, this, &RectPanel::Changed);
  thickness_ = Numeric("Rect_Thickness", kThickness);
  shadowX_ = Numeric("Rect_ShadowX", kShadowOffset);
  shadowY_ = Numeric("Rect_ShadowY", kShadowOffset);

  auto* form = new QGridLayout(this);
  form->addWidget(colours, 0, 0, 1, 2);
  form->addWidget(flags, 0, 2, 1, 2);
  form->addWidget(Label(tr("&Dash pattern:"), dash_), 1, 0);
  form->addWidget(dash_, 1, 1, 1, 2);
  form->addWidget(Label(tr("Line &thickness:"), thickness_), 2, 0);
  auto* thicknessRow = new QHBoxLayout;
  thicknessRow->addWidget(thickness_);
  thicknessRow->addWidget(new UpDown(thickness_, 0, 65535, 1, this));
  thicknessRow->addStretch(1);
  form->addLayout(thicknessRow, 2, 1, 1, 3);
  form->addWidget(Label(tr("Sh&adow offset:"), shadowX_), 3, 0);
  auto* offsetRow = new QHBoxLayout;
  offsetRow->addWidget(shadowX_);
  offsetRow->addWidget(new QLabel(QStringLiteral("\u00D7"), this));
  offsetRow->addWidget(shadowY_);
  offsetRow->addStretch(1);
  shadowY_->setAccessibleName(tr("Shadow offset Y"));
  form->addLayout(offsetRow, 3, 1, 1, 3);
  form->setRowStretch(4, 1);
}

bool RectPanel::Edits(const TPDFObject& obj) const { return obj.IsA(ClassId::Rectangle); }

void RectPanel::DoFill(const TPDFObject& first, int) {
  const auto& r = static_cast<const TPDFRectangle&>(first);
  outlineColour_->SetColour(r.OutlineColour);
  fillColour_->SetColour(r.FillColour);
  shadowColour_->SetColour(r.ShadowColour);
  ShowFillGradient(r.Gradient());
  outline_->setChecked(r.Outline);
  shadow_->setChecked(r.Shadow);
  fill_->setChecked(r.Fill);
  dash_->SetPattern(r.DashPattern);
  thickness_->setText(PointsText(r.LineWidth));
  shadowX_->SetValue(r.ShadowX);
  shadowY_->SetValue(r.ShadowY);
}

void RectPanel::Apply(TPDFObject& obj) {
  auto& r = static_cast<TPDFRectangle&>(obj);
  r.Outline = outline_->isChecked();
  r.Fill = fill_->isChecked();
  r.Shadow = shadow_->isChecked();
  r.OutlineColour = outlineColour_->Colour();
  r.FillColour = fillColour_->Colour();
  r.ShadowColour = shadowColour_->Colour();
  if (const TPDFGradient* g = fillGradient_->Gradient()) {
    auto copy = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->AssignAppearanceTo(*copy);
    copy->PlaceGradient(r);
    r.SetGradient(std::move(copy));
  } else {
    r.SetGradient(nullptr);
  }
  r.ShadowX = int(shadowX_->Value());
  r.ShadowY = int(shadowY_->Value());
  r.LineWidth = DecimalValue(*thickness_);
  dash_->Pattern(r.DashPattern);
}

void RectPanel::ShowFillGradient(const TPDFGradient* gradient) {
  if (gradient) {
    auto copy = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    gradient->AssignAppearanceTo(*copy);
    fillGradient_->SetGradient(std::move(copy));
  } else {
    fillGradient_->SetGradient(nullptr);
  }
  fillGradient_->setVisible(gradient != nullptr);
  fillColour_->setVisible(gradient == nullptr);
}

void RectPanel::ChooseFill() {
  TGradProps dialog(this);
  dialog.SetGradientAllowed(true);
  const bool gradientShown = fillGradient_->Gradient() != nullptr;
  dialog.SetGradient(gradientShown ? fillGradient_->Gradient() : nullptr);
  dialog.ShowGradientPanel(gradientShown);
  if (!ChooseColour(fillColour_, dialog)) return;
  ShowFillGradient(dialog.GradientChosen() ? dialog.Gradient() : nullptr);
  Changed();
}

QWidget* RectPanel::FirstControl() { return outlineButton_; }
