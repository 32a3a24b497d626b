#pragma once

#include "dialogs/property_panel.h"

class DashPatternList;
class QCheckBox;
class TGradientPreview;
class UpDown;

// The rectangle's page: outline, fill and shadow colours (the fill may be a gradient),
// which of the three are drawn, dash pattern, line thickness and shadow offset.
class RectPanel : public PropertyPanel {
  Q_OBJECT
 public:
  RectPanel(PanelServices& services, QWidget* parent);

  bool Edits(const TPDFObject& obj) const override;
  void Apply(TPDFObject& obj) override;
  QWidget* FirstControl() override;

 protected:
  void DoFill(const TPDFObject& first, int count) override;

 private:
  void ChooseFill();
  // Shows the fill as a gradient (a copy of `gradient`) or, given nothing, as a colour.
  void ShowFillGradient(const TPDFGradient* gradient);

  QPushButton* outlineButton_ = nullptr;
  ColourSwatch* outlineColour_ = nullptr;
  ColourSwatch* fillColour_ = nullptr;
  ColourSwatch* shadowColour_ = nullptr;
  TGradientPreview* fillGradient_ = nullptr;
  QCheckBox* outline_ = nullptr;
  QCheckBox* shadow_ = nullptr;
  QCheckBox* fill_ = nullptr;
  DashPatternList* dash_ = nullptr;
  NumericField* thickness_ = nullptr;
  NumericField* shadowX_ = nullptr;
  NumericField* shadowY_ = nullptr;
};
