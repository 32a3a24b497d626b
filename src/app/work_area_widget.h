#pragma once

#include <QPoint>
#include <memory>

#include "platform/qt/widgets/qt_canvas_host.h"

class TQuarrionCanvas;

// The work area of the main window: owns the document's TQuarrionCanvas and shows it.
// A press goes to the work area at once (it selects); moving only starts a drag once the
// pointer has travelled DragThreshold pixels with the button down, so a shaky click
// never moves an object. Clicking gives it the keyboard focus, so the window's shortcuts
// (select all, copy, nudges) act on its objects.
class WorkAreaWidget : public QtCanvasHost {
 public:
  static constexpr int DragThreshold = 8;
  // The cursor number the work area asks for with the dropper tool.
  static constexpr int DropperCursor = 8;

  explicit WorkAreaWidget(QWidget* parent = nullptr);
  ~WorkAreaWidget() override;
  TQuarrionCanvas& WorkArea() { return *canvas_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::unique_ptr<TQuarrionCanvas> canvas_;
  QPoint pressAt_;
  bool pressed_ = false;
  bool dragging_ = false;
};
