#pragma once

#include "dialogs/property_panel.h"

class QCheckBox;
class QLineEdit;
class UpDown;

// The picture's page: its file, its size (with the picture's own size beside it), whether
// the file travels in the document, and the colour shown transparent.
class ImagePanel : public PropertyPanel {
  Q_OBJECT
 public:
  ImagePanel(PanelServices& services, QWidget* parent);

  bool Edits(const TPDFObject& obj) const override;
  void Apply(TPDFObject& obj) override;
  QWidget* FirstControl() override;
  void ObjectMoved(const TPDFObject& obj) override;

 protected:
  void DoFill(const TPDFObject& first, int count) override;

 private:
  void Browse();
  // The first image takes the file named in the field; the panel shows what it got.
  void FileNameLeft();
  void ShowPicture(const TPDFObject& image);
  void WidthEdited();
  void HeightEdited();
  void StoreInFileClicked(bool on);
  void TransparentClicked();
  void EnableTransparency();

  QLineEdit* fileName_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLabel* originalWidth_ = nullptr;
  QLabel* originalHeight_ = nullptr;
  NumericField* width_ = nullptr;
  NumericField* height_ = nullptr;
  QCheckBox* preserveAspect_ = nullptr;
  QCheckBox* storeInFile_ = nullptr;
  QCheckBox* transparent_ = nullptr;
  QPushButton* colourButton_ = nullptr;
  ColourSwatch* colour_ = nullptr;
  NumericField* tolerance_ = nullptr;
  UpDown* toleranceUpDown_ = nullptr;
  bool sizeEnabled_ = false;
  int count_ = 0;
  bool adjusting_ = false;
};
