#pragma once

#include <QWidget>
#include <array>

#include "base/geometry.h"

class ColourSwatch;
class NumericField;
class QGridLayout;
class QLabel;
class QSlider;

// The colour dialog's solid-colour panel: hue, saturation and brightness sliders, red,
// green and blue sliders, a hexadecimal field, swatches of ready colours and a sample.
// Each way of entering the colour keeps the others in step.
class SolidColourPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SolidColourPanel(QWidget* parent = nullptr);

  TColor Colour() const { return colour_; }
  void SetColour(TColor colour);

 private:
  QSlider* AddSlider(QGridLayout* grid, int row, const char* name, const QString& caption,
                     QLabel*& value);
  void HSBChanged();
  void RGBChanged();
  void HexEdited();
  // Shows `colour` everywhere; the sliders of the side that did not change are set, the
  // hexadecimal field unless it is the one being typed in.
  void Show(TColor colour, bool setHSB, bool setRGB, bool setHex);

  TColor colour_ = 0;
  std::array<QSlider*, 3> hsb_{};
  std::array<QSlider*, 3> rgb_{};
  std::array<QLabel*, 6> values_{};
  NumericField* hex_ = nullptr;
  ColourSwatch* sample_ = nullptr;
  bool updating_ = false;
};
