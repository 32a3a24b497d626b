#pragma once

#include <QPoint>
#include <QRect>
#include <QFrame>
#include <functional>
#include <memory>

#include "base/geometry.h"

class TPDFGradient;

// Shows a gradient on a box as if the box were the object that owns it. When editable,
// the start and end points carry handles that can be dragged; each move (with FullDrag)
// reports OnChanging, the release OnChange.
class TGradientPreview : public QFrame {
  Q_OBJECT
 public:
  explicit TGradientPreview(QWidget* parent = nullptr);
  ~TGradientPreview() override;

  TPDFGradient* Gradient() const { return gradient_.get(); }
  // Takes the gradient (the previous one goes); nothing clears it. The first gradient of
  // a preview whose box was never set gets a box of the whole control.
  void SetGradient(std::unique_ptr<TPDFGradient> gradient);
  // The box the gradient is shown on, in control pixels.
  QRect ObjectRect() const { return objectRect_; }
  void SetObjectRect(const QRect& rect);

  // Where the start and end points stand on the control.
  QPoint StartPoint() const;
  QPoint EndPoint() const;

  TColor Background = 0x808080;
  TColor ObjectCol = 0xFFFFFF;
  bool Editable = false;
  bool FullDrag = false;
  std::function<void()> OnChange;
  std::function<void()> OnChanging;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Dragged { None, Start, End };
  QImage Compose() const;
  // Moves the dragged point by the mouse's travel since the press and stores it in the
  // gradient as a fraction of the box.
  void FollowMouse(const QPoint& mouse);

  std::unique_ptr<TPDFGradient> gradient_;
  QRect objectRect_;  // empty until set
  Dragged dragged_ = Dragged::None;
  QPoint pointAtPress_;
  QPoint mouseAtPress_;
};
