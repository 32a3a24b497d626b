#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "base/geometry.h"

class ColourSwatch;
class NumericField;
class QCheckBox;
class QGridLayout;
class QLabel;
class QSlider;
class UpDown;
struct TGradientEnd;

// One tab of the gradient panel: the colour of one end (hue, saturation, brightness), its
// position as fractions of the box, its radius in per cent and whether it extends beyond
// the end. Its controls are named with the end's number (Hue1, XPos1, Rad1, ...).
class GradientEndTab : public QWidget {
  Q_OBJECT
 public:
  GradientEndTab(int number, QWidget* parent = nullptr);

  // Shows `end` without reporting anything.
  void Load(const TGradientEnd& end);
  void SetRadiusEnabled(bool enabled);

  // Reports of the user's changes.
  std::function<void(TColor)> OnColour;
  std::function<void(double x, double y)> OnPosition;
  std::function<void(double radius)> OnRadius;
  std::function<void(bool extend)> OnExtend;

  // "+0.50", "-1.00", "0.00": a position slider's value as a signed fraction.
  static QString PositionText(int sliderValue);

 private:
  QSlider* AddSlider(QGridLayout* grid, int row, const QString& name, const QString& caption,
                     int minimum, int maximum);
  void ColourMoved();
  void PositionMoved();
  void RadiusEdited();
  void ShowValues();

  std::array<QSlider*, 3> hsb_{};
  std::array<QSlider*, 2> position_{};
  std::array<QLabel*, 5> values_{};
  ColourSwatch* sample_ = nullptr;
  QCheckBox* extend_ = nullptr;
  NumericField* radius_ = nullptr;
  UpDown* radiusUpDown_ = nullptr;
  bool updating_ = false;
};
