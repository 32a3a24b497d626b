#include "dialogs/gradient_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "objects/gradient.h"
#include "platform/qt/gui/qt_surface.h"

namespace {
// A press this close to a point, in x and in y, takes that point.
bool Near(const QPoint& a, const QPoint& b) {
  return std::abs(a.x() - b.x()) < 4 && std::abs(a.y() - b.y()) < 4;
}
}  // namespace

TGradientPreview::TGradientPreview(QWidget* parent) : QFrame(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TGradientPreview::~TGradientPreview() = default;

void TGradientPreview::SetGradient(std::unique_ptr<TPDFGradient> gradient) {
  gradient_ = std::move(gradient);
  if (gradient_ && objectRect_.isNull()) objectRect_ = rect();
  dragged_ = Dragged::None;
  update();
}

void TGradientPreview::SetObjectRect(const QRect& rect) {
  objectRect_ = rect;
  update();
}

QPoint TGradientPreview::StartPoint() const {
  if (!gradient_) return {};
  return {objectRect_.left() + int(std::trunc(objectRect_.width() * gradient_->Start.X)),
          objectRect_.top() + int(std::trunc(objectRect_.height() * gradient_->Start.Y))};
}

QPoint TGradientPreview::EndPoint() const {
  if (!gradient_) return {};
  return {objectRect_.left() + int(std::ceil(objectRect_.width() * gradient_->End.X)),
          objectRect_.top() + int(std::ceil(objectRect_.height() * gradient_->End.Y))};
}

QImage TGradientPreview::Compose() const {
  // Composed off screen and copied in one go, so a drag does not flicker.
  QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(ToQColor(Background));
  QPainter p(&image);
  p.fillRect(objectRect_, ToQColor(ObjectCol));
  if (gradient_ && objectRect_.width() > 0 && objectRect_.height() > 0)
    p.drawImage(objectRect_.topLeft(),
                ToQImage(gradient_->RenderGradient(objectRect_.width(), objectRect_.height())));
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(objectRect_.adjusted(0, 0, -1, -1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (Editable && gradient_) {
    const QPoint s = StartPoint(), e = EndPoint();
    p.drawLine(s, e);
    p.setBrush(Qt::cyan);
    p.drawRect(s.x() - 4, s.y() - 4, 7, 7);
    p.drawRect(e.x() - 4, e.y() - 4, 7, 7);
  }
  return image;
}

void TGradientPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Compose());
}

void TGradientPreview::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !Editable || !gradient_) return;
  const QPoint at = e->position().toPoint();
  if (Near(at, StartPoint())) {
    dragged_ = Dragged::Start;
    pointAtPress_ = StartPoint();
  } else if (Near(at, EndPoint())) {
    dragged_ = Dragged::End;
    pointAtPress_ = EndPoint();
  } else {
    return;
  }
  mouseAtPress_ = at;
}

void TGradientPreview::FollowMouse(const QPoint& mouse) {
  const QPoint point = pointAtPress_ + (mouse - mouseAtPress_);
  const double w = std::max(objectRect_.width(), 1), h = std::max(objectRect_.height(), 1);
  TGradientEnd& end = dragged_ == Dragged::Start ? gradient_->Start : gradient_->End;
  end.X = (point.x() - objectRect_.left()) / w;
  end.Y = (point.y() - objectRect_.top()) / h;
}

void TGradientPreview::mouseMoveEvent(QMouseEvent* e) {
  if (dragged_ == Dragged::None || !FullDrag) return;
  FollowMouse(e->position().toPoint());
  update();
  if (OnChanging) OnChanging();
}

void TGradientPreview::mouseReleaseEvent(QMouseEvent* e) {
  if (dragged_ == Dragged::None) return;
  FollowMouse(e->position().toPoint());
  dragged_ = Dragged::None;
  if (OnChange) OnChange();
  update();
}
