#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>
#include <map>
#include <memory>

#include "model/canvas_host.h"
#include "platform/qt/gui/qt_surface.h"

class TQuarrionCanvas;

// The widget that shows a work area. Qt paints only inside paintEvent, so the widget
// keeps the composed picture of the control (page, objects, drag feedback) in an image:
// the work area draws into it, also while the mouse moves, and paintEvent copies it out.
// A requested repaint is carried out the next time the work area asks for the control's
// surface or Qt asks for a paint, whichever comes first, so feedback drawn after a
// repaint always lands on the new picture. The picture has one pixel per device pixel.
class QtCanvasHost : public QWidget, public CanvasHost {
 public:
  explicit QtCanvasHost(QWidget* parent = nullptr);
  ~QtCanvasHost() override;

  // The work area shown; not owned. Pass nullptr before the work area goes away.
  void SetCanvas(TQuarrionCanvas* canvas);
  TQuarrionCanvas* Canvas() const { return canvas_; }
  // The cursor shown for a cursor number of the work area (8 is the dropper).
  void RegisterCursor(int number, const QCursor& cursor) { cursors_[number] = cursor; }
  // The control's picture as it stands, pending repaint done.
  const QImage& Frame();

  void Repaint() override;
  // The control's size in device pixels: the work area draws at the screen's density and
  // reads the pointer in the same pixels.
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetCursor(int cursor) override;
  void ProcessMessages() override;
  Surface* ControlSurface() override;
  std::unique_ptr<Surface> CreateOffscreen(int width, int height) override;
  void CopyToControl(Surface& offscreen) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void EnsureFrame();
  void PaintIfPending();

  TQuarrionCanvas* canvas_ = nullptr;
  QImage frame_;
  std::unique_ptr<QtSurface> frameSurface_;
  std::map<int, QCursor> cursors_;
  bool pending_ = true;
  bool painting_ = false;
};
