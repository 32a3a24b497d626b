#include "platform/qt/widgets/qt_canvas_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "model/quarrion_canvas.h"

namespace {
TMouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton:
      return TMouseButton::Right;
    case Qt::MiddleButton:
      return TMouseButton::Middle;
    default:
      return TMouseButton::Left;
  }
}

TShiftState ShiftOf(Qt::KeyboardModifiers m) {
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier)};
}

// Where the pointer is on the control's picture, which has the screen's pixel density.
TPoint PixelOf(const QMouseEvent* e, qreal ratio) {
  const QPointF p = e->position() * ratio;
  return {int(std::floor(p.x())), int(std::floor(p.y()))};
}
}  // namespace

QtCanvasHost::QtCanvasHost(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  cursors_[0] = QCursor(Qt::ArrowCursor);
  cursors_[8] = QCursor(Qt::CrossCursor);  // until the program registers its dropper image
}

QtCanvasHost::~QtCanvasHost() {
  if (canvas_ && canvas_->Host() == this) canvas_->SetHost(nullptr);
}

void QtCanvasHost::SetCanvas(TQuarrionCanvas* canvas) {
  if (canvas_ && canvas_->Host() == this) canvas_->SetHost(nullptr);
  canvas_ = canvas;
  if (canvas_) {
    canvas_->SetHost(this);
    canvas_->ClearStatic();
  }
  Repaint();
}

int QtCanvasHost::ClientWidth() const { return int(std::lround(width() * devicePixelRatioF())); }
int QtCanvasHost::ClientHeight() const { return int(std::lround(height() * devicePixelRatioF())); }

void QtCanvasHost::EnsureFrame() {
  const QSize wanted(std::max(ClientWidth(), 1), std::max(ClientHeight(), 1));
  if (frameSurface_ && frame_.size() == wanted) return;
  if (frameSurface_) frameSurface_->Flush();
  frame_ = QImage(wanted, QImage::Format_RGB32);
  frame_.fill(palette().color(QPalette::Window));
  frameSurface_ = std::make_unique<QtSurface>(&frame_);
  pending_ = true;
}

void QtCanvasHost::PaintIfPending() {
  if (!pending_ || painting_ || !canvas_) return;
  pending_ = false;
  painting_ = true;
  canvas_->Paint();
  painting_ = false;
}

const QImage& QtCanvasHost::Frame() {
  EnsureFrame();
  PaintIfPending();
  return frameSurface_->Image();
}

void QtCanvasHost::Repaint() {
  pending_ = true;
  update();
}

void QtCanvasHost::SetCursor(int cursor) {
  auto it = cursors_.find(cursor);
  setCursor(it != cursors_.end() ? it->second : QCursor(Qt::ArrowCursor));
}

// Saves and exports call this between pages: paints and timers run, but a click or key
// waits until the walk is over (a slide deleted mid-export would corrupt it).
void QtCanvasHost::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

Surface* QtCanvasHost::ControlSurface() {
  EnsureFrame();
  PaintIfPending();
  return frameSurface_.get();
}

std::unique_ptr<Surface> QtCanvasHost::CreateOffscreen(int w, int h) {
  return QtSurface::CreateOffscreen(w, h);
}

void QtCanvasHost::CopyToControl(Surface& offscreen) {
  auto* source = dynamic_cast<QtSurface*>(&offscreen);
  if (!source) return;
  EnsureFrame();
  frameSurface_->Flush();
  QPainter p(&frame_);
  p.drawImage(0, 0, source->Image());
}

void QtCanvasHost::paintEvent(QPaintEvent*) {
  const QImage& frame = Frame();
  QPainter p(this);
  // One pixel of the picture per device pixel: crisp on high-density screens.
  p.drawImage(QRectF(0, 0, width(), height()), frame);
}

void QtCanvasHost::resizeEvent(QResizeEvent*) {
  if (canvas_) canvas_->Resize();
  Repaint();
}

// Before any mouse message the picture is brought up to date, so that the scale the
// press is read with is the one the user sees.
void QtCanvasHost::mousePressEvent(QMouseEvent* e) {
  if (!canvas_) return;
  ControlSurface();
  TPoint p = PixelOf(e, devicePixelRatioF());
  canvas_->MouseDown(ButtonOf(e->button()), ShiftOf(e->modifiers()), p.X, p.Y);
  update();
}

void QtCanvasHost::mouseMoveEvent(QMouseEvent* e) {
  if (!canvas_) return;
  ControlSurface();
  TPoint p = PixelOf(e, devicePixelRatioF());
  canvas_->MouseMove(ShiftOf(e->modifiers()), p.X, p.Y);
  update();  // the feedback was drawn into the frame
}

void QtCanvasHost::mouseReleaseEvent(QMouseEvent* e) {
  if (!canvas_) return;
  ControlSurface();
  TPoint p = PixelOf(e, devicePixelRatioF());
  canvas_->MouseUp(ButtonOf(e->button()), ShiftOf(e->modifiers()), p.X, p.Y);
  update();
}

// Qt sends a double click in place of the second press; the work area expects the
// double click and then the press, which it passes on without editing.
void QtCanvasHost::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!canvas_) return;
  canvas_->DblClick();
  mousePressEvent(e);
}
