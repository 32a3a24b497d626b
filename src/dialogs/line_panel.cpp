#include "dialogs/line_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/colour_swatch.h"
#include "dialogs/dash_pattern_list.h"
#include "dialogs/up_down.h"
#include "objects/line.h"

LinePanel::LinePanel(PanelServices& services, QWidget* parent)
    : PropertyPanel("PropPanel_Line", services, parent) {
  colour_ = ColourButton("Line_Colour", tr("&Colour"), &colourButton_);
  dash_ = new DashPatternList(this);
  dash_->setObjectName(QStringLiteral("Line_Dash"));
  connect(dash_, &QComboBox::currentIndexChanged, this, &LinePanel::Changed);
  thickness_ = Numeric("Line_Thickness", NumericFormat{false, false, false, 65535});

  auto* form = new QGridLayout(this);
  form->addWidget(colourButton_, 0, 0);
  form->addWidget(colour_, 0, 1, Qt::AlignLeft);
  form->addWidget(Label(tr("&Dash pattern:"), dash_), 1, 0);
  form->addWidget(dash_, 1, 1);
  form->addWidget(Label(tr("Line &thickness:"), thickness_), 2, 0);
  auto* row = new QHBoxLayout;
  row->addWidget(thickness_);
  row->addWidget(new UpDown(thickness_, 0, 65535, 1, this));
  row->addStretch(1);
  form->addLayout(row, 2, 1);
  form->setRowStretch(3, 1);
}

bool LinePanel::Edits(const TPDFObject& obj) const { return obj.IsA(ClassId::Line); }

void LinePanel::DoFill(const TPDFObject& first, int) {
  const auto& line = static_cast<const TPDFLine&>(first);
  colour_->SetColour(line.Colour);
  dash_->SetPattern(line.DashPattern);
  thickness_->setText(PointsText(line.LineWidth));
}

void LinePanel::Apply(TPDFObject& obj) {
  auto& line = static_cast<TPDFLine&>(obj);
  line.Colour = colour_->Colour();
  line.LineWidth = DecimalValue(*thickness_);
  dash_->Pattern(line.DashPattern);
}

QWidget* LinePanel::FirstControl() { return colourButton_; }
