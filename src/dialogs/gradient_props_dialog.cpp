#include "dialogs/gradient_props_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_text.h"
#include "dialogs/named_button.h"
#include "dialogs/gradient_end_tab.h"
#include "dialogs/gradient_preset_list.h"
#include "dialogs/gradient_preview.h"
#include "dialogs/solid_colour_panel.h"
#include "objects/gradient.h"

TGradProps::TGradProps(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Colour Properties"));
  setModal(true);
  auto* column = new QVBoxLayout(this);
  // The dialog takes the height of the panel showing.
  column->setSizeConstraint(QLayout::SetFixedSize);
  auto* switches = new QHBoxLayout;
  useSolid_ = NamedButton(QStringLiteral("UseSolid"), tr("Use &solid colour"), this);
  useGradient_ = NamedButton(QStringLiteral("UseGradient"), tr("Use &gradient fill"), this);
  useSolid_->setCheckable(true);
  useGradient_->setCheckable(true);
  connect(useSolid_, &QPushButton::clicked, this, [this] { ShowGradientPanel(false); });
  connect(useGradient_, &QPushButton::clicked, this, [this] { ShowGradientPanel(true); });
  switches->addWidget(useSolid_);
  switches->addWidget(useGradient_);
  switches->addStretch(1);
  column->addLayout(switches);

  solid_ = new SolidColourPanel(this);
  solid_->setObjectName(QStringLiteral("SolidPanel"));
  column->addWidget(solid_);
  gradPanel_ = BuildGradientPanel();
  column->addWidget(gradPanel_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (QAbstractButton* button : buttons->buttons()) {
    button->setObjectName(WithoutAccelerator(button->text()));
    button->setAccessibleName(WithoutAccelerator(button->text()));
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);

  SetGradient(nullptr);
  ShowGradientPanel(false);
}

TGradProps::~TGradProps() {
  // The list points at the preview's gradient; it must not outlive it.
  presets_->SetCustom(nullptr);
}

QWidget* TGradProps::BuildGradientPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("GradPanel"));
  endSelect_ = new QTabWidget(panel);
  endSelect_->setObjectName(QStringLiteral("EndSelect"));
  endSelect_->setAccessibleName(tr("Gradient ends"));
  for (int i = 0; i < 2; ++i) {
    auto* tab = new GradientEndTab(i + 1, endSelect_);
    ends_[i] = tab;
    endSelect_->addTab(tab, i == 0 ? tr("Start (Back)") : tr("End (Front)"));
    WireEnd(i);
  }
  auto* type = new QGroupBox(tr("Gradient Type"), panel);
  axial_ = new QRadioButton(tr("Axial"), type);
  radial_ = new QRadioButton(tr("Radial"), type);
  axial_->setObjectName(QStringLiteral("Axial"));
  radial_->setObjectName(QStringLiteral("Radial"));
  axial_->setAccessibleName(axial_->text());
  radial_->setAccessibleName(radial_->text());
  auto* typeRow = new QHBoxLayout(type);
  typeRow->addWidget(axial_);
  typeRow->addWidget(radial_);
  connect(axial_, &QRadioButton::toggled, this, &TGradProps::TypeChosen);

  presets_ = new GradientPresetList(panel);
  presets_->setObjectName(QStringLiteral("Presets"));
  presets_->setAccessibleName(tr("Gradients"));
  presets_->setMinimumWidth(210);
  connect(presets_, &QListWidget::currentRowChanged, this, &TGradProps::PresetChosen);

  preview_ = new TGradientPreview(panel);
  preview_->setObjectName(QStringLiteral("GradientPreview1"));
  preview_->setFixedSize(200, 150);
  preview_->Editable = true;
  preview_->FullDrag = true;
  preview_->OnChanging = [this] { Reload(); };
  preview_->OnChange = [this] { Reload(); };

  auto* left = new QVBoxLayout;
  left->addWidget(endSelect_);
  left->addWidget(type);
  auto* right = new QVBoxLayout;
  right->addWidget(preview_);
  right->addWidget(presets_, 1);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->addLayout(left);
  row->addLayout(right);
  return panel;
}

void TGradProps::WireEnd(int i) {
  GradientEndTab* tab = ends_[i];
  auto end = [this, i]() -> TGradientEnd& {
    TPDFGradient* g = preview_->Gradient();
    return i == 0 ? g->Start : g->End;
  };
  tab->OnColour = [this, i, end](TColor c) {
    if (updating_) return;
    // Every entry, the custom one (the preview's) included, shows the user's colours.
    if (i == 0)
      presets_->SetStartColour(c);
    else
      presets_->SetEndColour(c);
    end().Colour = c;
    GradientEdited();
  };
  tab->OnPosition = [this, end](double x, double y) {
    if (updating_) return;
    end().X = x;
    end().Y = y;
    GradientEdited();
  };
  tab->OnRadius = [this, end](double r) {
    if (updating_) return;
    end().Radius = r;
    GradientEdited();
  };
  tab->OnExtend = [this, end](bool on) {
    if (updating_) return;
    end().Extend = on;
    GradientEdited();
  };
}

void TGradProps::SetColour(TColor colour) { solid_->SetColour(colour); }
TColor TGradProps::Colour() const { return solid_->Colour(); }

void TGradProps::SetGradientAllowed(bool allowed) {
  useGradient_->setEnabled(allowed);
  if (!allowed) ShowGradientPanel(false);
}

void TGradProps::SetGradient(const TPDFGradient* gradient) {
  auto copy = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  if (gradient) gradient->AssignAppearanceTo(*copy);
  preview_->SetGradient(std::move(copy));
  presets_->SetCustom(preview_->Gradient());
  Reload();
}

const TPDFGradient* TGradProps::Gradient() const { return preview_->Gradient(); }

void TGradProps::ShowGradientPanel(bool show) {
  show = show && useGradient_->isEnabled();
  gradPanel_->setVisible(show);
  solid_->setVisible(!show);
  useSolid_->setChecked(!show);
  useGradient_->setChecked(show);
}

bool TGradProps::GradientChosen() const { return useGradient_->isChecked(); }

void TGradProps::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  updating_ = true;
  presets_->setCurrentRow(0);
  updating_ = false;
  presets_->SetCustom(preview_->Gradient());
}

// Loads every control of the gradient panel from the preview's gradient.
void TGradProps::Reload() {
  const TPDFGradient* g = preview_->Gradient();
  if (!g) return;
  updating_ = true;
  ends_[0]->Load(g->Start);
  ends_[1]->Load(g->End);
  radial_->setChecked(g->ShadingType == 3);
  axial_->setChecked(g->ShadingType != 3);
  for (auto* end : ends_) end->SetRadiusEnabled(g->ShadingType == 3);
  updating_ = false;
  presets_->viewport()->update();
}

void TGradProps::PresetChosen(int row) {
  if (updating_ || row <= 0) return;
  auto copy = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  presets_->Entry(row)->AssignAppearanceTo(*copy);
  preview_->SetGradient(std::move(copy));
  presets_->SetCustom(preview_->Gradient());
  Reload();
}

void TGradProps::TypeChosen() {
  const bool radial = radial_->isChecked();
  for (auto* end : ends_) end->SetRadiusEnabled(radial);
  if (updating_) return;
  preview_->Gradient()->ShadingType = radial ? 3 : 2;
  GradientEdited();
}

void TGradProps::GradientEdited() {
  preview_->update();
  presets_->viewport()->update();
}
