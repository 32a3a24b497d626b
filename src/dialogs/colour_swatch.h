#pragma once

#include <QFrame>
#include <functional>

#include "base/geometry.h"

// A small panel showing one colour. Pressing it shows it sunken until the release; a
// click reports OnClick.
class ColourSwatch : public QFrame {
  Q_OBJECT
 public:
  explicit ColourSwatch(QWidget* parent = nullptr, TColor colour = 0);

  TColor Colour() const { return colour_; }
  void SetColour(TColor colour);

  std::function<void(TColor)> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TColor colour_;
};
