#include "dialogs/guide_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/colour_swatch.h"
#include "dialogs/up_down.h"
#include "objects/guide.h"

GuidePanel::GuidePanel(PanelServices& services, QWidget* parent)
    : PropertyPanel("PropPanel_Guide", services, parent) {
  colour_ = ColourButton("Guide_Colour", tr("&Colour"), &colourButton_);
  position_ = Numeric("Guide_Position", NumericFormat{true, true, false, 65535});
  positionUpDown_ = new UpDown(position_, -32768, 32767, 8, this);
  auto* style = new QGroupBox(tr("Guide &Style"), this);
  style->setObjectName(QStringLiteral("Guide_Style"));
  horizontal_ = Check<QRadioButton>("Guide_Horizontal", tr("&Horizontal"));
  vertical_ = Check<QRadioButton>("Guide_Vertical", tr("&Vertical"));
  auto* styleRow = new QHBoxLayout(style);
  styleRow->addWidget(horizontal_);
  styleRow->addWidget(vertical_);
  connect(horizontal_, &QRadioButton::toggled, this, &GuidePanel::Changed);

  auto* form = new QGridLayout(this);
  form->addWidget(colourButton_, 0, 0);
  form->addWidget(colour_, 0, 1, Qt::AlignLeft);
  form->addWidget(Label(tr("&Position (points):"), position_), 1, 0);
  auto* row = new QHBoxLayout;
  row->addWidget(position_);
  row->addWidget(positionUpDown_);
  row->addStretch(1);
  form->addLayout(row, 1, 1);
  form->addWidget(style, 2, 0, 1, 2);
  form->setRowStretch(3, 1);
}

bool GuidePanel::Edits(const TPDFObject& obj) const { return obj.IsA(ClassId::Guide); }

void GuidePanel::DoFill(const TPDFObject& first, int count) {
  const auto& guide = static_cast<const TPDFGuide&>(first);
  colour_->SetColour(guide.Colour);
  const bool vertical = guide.Orientation() == 1;
  position_->SetValue(vertical ? guide.Left : guide.Top);
  // One position for several guides would stack them on one line.
  positionUpDown_->SetEnabledWithField(count == 1);
  vertical_->setChecked(vertical);
  horizontal_->setChecked(!vertical);
}

void GuidePanel::Apply(TPDFObject& obj) {
  auto& guide = static_cast<TPDFGuide&>(obj);
  guide.Colour = colour_->Colour();
  const bool vertical = vertical_->isChecked();
  if (position_->isEnabled()) {
    // Kept to the coordinates a document holds.
    const int at = ClampCoord(position_->Value());
    if (vertical)
      guide.Left = at;
    else
      guide.Top = at;
  }
  guide.SetOrientation(vertical ? 1 : 0);
}

void GuidePanel::ObjectMoved(const TPDFObject& obj) {
  if (!Edits(obj)) return;
  const auto& guide = static_cast<const TPDFGuide&>(obj);
  const QSignalBlocker quiet(position_);
  position_->SetValue(guide.Orientation() == 1 ? guide.Left : guide.Top);
}

QWidget* GuidePanel::FirstControl() { return colourButton_; }
