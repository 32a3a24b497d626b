#pragma once

#include "dialogs/property_panel.h"

class FontFaceList;
class MarkupEdit;
class QCheckBox;
class QComboBox;

// The text's page: the markup itself, its colours and flags, and the font (face, size,
// styles), line spacing and alignment.
class TextPanel : public PropertyPanel {
  Q_OBJECT
 public:
  TextPanel(PanelServices& services, QWidget* parent);

  bool Edits(const TPDFObject& obj) const override;
  void Apply(TPDFObject& obj) override;
  QWidget* FirstControl() override;

  // The font size the line-spacing rule started from, in thousandths of a point.
  void RememberFontSize();
  int RememberedFontSize() const { return rememberedSize_; }

 protected:
  void DoFill(const TPDFObject& first, int count) override;

 private:
  QWidget* BuildFontGroup();
  void FontSizeChanged();
  void FaceChanged();
  int FontSizeValue() const;

  MarkupEdit* text_ = nullptr;
  ColourSwatch* textColour_ = nullptr;
  ColourSwatch* linkColour_ = nullptr;
  ColourSwatch* blockColour_ = nullptr;
  QCheckBox* underlineLinks_ = nullptr;
  QCheckBox* wrap_ = nullptr;
  QCheckBox* bulleted_ = nullptr;
  QCheckBox* smartQuotes_ = nullptr;
  QCheckBox* blockOut_ = nullptr;
  NumericField* lineSpacing_ = nullptr;
  QComboBox* alignment_ = nullptr;
  FontFaceList* font_ = nullptr;
  QComboBox* size_ = nullptr;
  NumericField* sizeField_ = nullptr;
  QCheckBox* bold_ = nullptr;
  QCheckBox* italic_ = nullptr;
  QCheckBox* underline_ = nullptr;
  int rememberedSize_ = 12000;
};
