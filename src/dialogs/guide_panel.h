#pragma once

#include "dialogs/property_panel.h"

class QRadioButton;
class UpDown;

// The guide's page: colour, position in points and orientation.
class GuidePanel : public PropertyPanel {
  Q_OBJECT
 public:
  GuidePanel(PanelServices& services, QWidget* parent);

  bool Edits(const TPDFObject& obj) const override;
  void Apply(TPDFObject& obj) override;
  QWidget* FirstControl() override;
  void ObjectMoved(const TPDFObject& obj) override;

 protected:
  void DoFill(const TPDFObject& first, int count) override;

 private:
  QPushButton* colourButton_ = nullptr;
  ColourSwatch* colour_ = nullptr;
  NumericField* position_ = nullptr;
  UpDown* positionUpDown_ = nullptr;
  QRadioButton* horizontal_ = nullptr;
  QRadioButton* vertical_ = nullptr;
};
