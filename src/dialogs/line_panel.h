#pragma once

#include "dialogs/property_panel.h"

class DashPatternList;

// The page of lines and Bezier curves: colour, dash pattern and line thickness.
class LinePanel : public PropertyPanel {
  Q_OBJECT
 public:
  LinePanel(PanelServices& services, QWidget* parent);

  bool Edits(const TPDFObject& obj) const override;
  void Apply(TPDFObject& obj) override;
  QWidget* FirstControl() override;

 protected:
  void DoFill(const TPDFObject& first, int count) override;

 private:
  QPushButton* colourButton_ = nullptr;
  ColourSwatch* colour_ = nullptr;
  DashPatternList* dash_ = nullptr;
  NumericField* thickness_ = nullptr;
};
