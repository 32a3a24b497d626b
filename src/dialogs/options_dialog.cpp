#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/numeric_field.h"

TOptions::TOptions(QWidget* parent) : TSmallDialog(QStringLiteral("Options"), parent) {
  auto* viewer = new QGroupBox(QStringLiteral("Viewer Options"), this);
  startViewer_ = AddCheckBox(QStringLiteral("StartPDF"), QStringLiteral("&Start viewer on export"));
  startViewer_->setChecked(true);
  auto* viewerLayout = new QVBoxLayout(viewer);
  viewerLayout->addWidget(startViewer_);

  auto* interfaceBox = new QGroupBox(QStringLiteral("Interface Options"), this);
  confirmDelete_ = AddCheckBox(QStringLiteral("ConfirmDelete"), QStringLiteral("Confirm &deletion of objects"));
  showPropsOnAdd_ = AddCheckBox(QStringLiteral("ShowPropsOnAdd"), QStringLiteral("Show &properties for new objects"));
  snapToGrid_ = AddCheckBox(QStringLiteral("SnapToGrid"), QStringLiteral("Snap to &grid"));
  gridSize_ = new NumericField(this);
  gridSize_->setObjectName(QStringLiteral("GridSize"));
  gridSize_->setEnabled(false);
  gridSize_->setMaximumWidth(80);
  showDocProps_ = AddCheckBox(QStringLiteral("ShowDocProps"), QStringLiteral("Show prope&rties for new documents"));
  showTips_ = AddCheckBox(QStringLiteral("ShowTips"), QStringLiteral("Show &tooltips on controls"));

  auto* grid = new QHBoxLayout;
  grid->addSpacing(20);
  grid->addWidget(AddLabel(QStringLiteral("Grid si&ze:"), gridSize_));
  grid->addWidget(gridSize_);
  grid->addStretch(1);
  auto* interfaceLayout = new QVBoxLayout(interfaceBox);
  interfaceLayout->addWidget(confirmDelete_);
  interfaceLayout->addWidget(showPropsOnAdd_);
  interfaceLayout->addWidget(snapToGrid_);
  interfaceLayout->addLayout(grid);
  interfaceLayout->addWidget(showDocProps_);
  interfaceLayout->addWidget(showTips_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(viewer);
  layout->addWidget(interfaceBox);
  layout->addStretch(1);
  AddButtons(layout);
  SetTabOrder({startViewer_, confirmDelete_, showPropsOnAdd_, snapToGrid_, gridSize_, showDocProps_, showTips_});

  connect(snapToGrid_, &QCheckBox::toggled, gridSize_, &QWidget::setEnabled);
  SetInitialControl(confirmDelete_);
}

void TOptions::SetValues(const OptionsValues& values) {
  startViewer_->setChecked(values.ShowPDFOnExport);
  confirmDelete_->setChecked(values.ConfirmDelete);
  showPropsOnAdd_->setChecked(values.ShowPropsOnStencilDblClick);
  snapToGrid_->setChecked(values.SnapToGrid);
  gridSize_->SetValue(values.GridSize);
  showDocProps_->setChecked(values.ShowDocPropsOnNew);
  showTips_->setChecked(values.ShowTooltips);
}

OptionsValues TOptions::Values() const {
  OptionsValues values;
  values.ShowPDFOnExport = startViewer_->isChecked();
  values.ConfirmDelete = confirmDelete_->isChecked();
  values.ShowPropsOnStencilDblClick = showPropsOnAdd_->isChecked();
  values.SnapToGrid = snapToGrid_->isChecked();
  values.GridSize = int(gridSize_->Value());
  values.ShowDocPropsOnNew = showDocProps_->isChecked();
  values.ShowTooltips = showTips_->isChecked();
  return values;
}
