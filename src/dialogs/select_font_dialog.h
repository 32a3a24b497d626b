#pragma once

#include <string>
#include <vector>

#include "dialogs/small_dialog.h"
#include "text/font_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

// What "Select Font" hands back.
struct FontSelection {
  static constexpr int BoldBit = 1;
  static constexpr int ItalicBit = 2;
  static constexpr int UnderlineBit = 4;

  int FontIndex = 0;  // the position in the font table
  int Size = 12000;   // thousandths of a point
  int Style = 0;      // BoldBit | ItalicBit | UnderlineBit
  friend bool operator==(const FontSelection&, const FontSelection&) = default;
};

// "Select Font": a face of the font table, a size and the styles, with a preview. Bold
// and italic can be chosen only for faces that have them.
class TSelectFont : public TSmallDialog {
  Q_OBJECT
 public:
  explicit TSelectFont(QWidget* parent = nullptr);

  // The faces to offer, in font-table order; each row shows the face's regular PDF font
  // name drawn in the face's screen font.
  void SetFontTable(const TCustomFontTable& table);
  // The sizes the Size list offers, as texts ("12", "10.5", ...).
  void SetSizes(const std::vector<std::string>& sizes);

  void SetSelection(const FontSelection& selection);
  // The size is "0" and the Size text read as a number, times 1000, rounded; a style bit
  // is set only when its box is enabled and checked.
  FontSelection Selection() const;

 private:
  struct Face {
    QString ScreenName;
    bool HasBold = false;
    bool HasItalic = false;
  };

  void FaceChosen();
  void UpdatePreview();
  bool StyleOn(const QCheckBox* box) const;

  std::vector<Face> faces_;
  QListWidget* font_;
  QComboBox* size_;
  QCheckBox* bold_;
  QCheckBox* italic_;
  QCheckBox* underline_;
  QLabel* preview_;
};
