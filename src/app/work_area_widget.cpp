#include "app/work_area_widget.h"

#include <QMouseEvent>
#include <QPixmap>

#include "model/quarrion_canvas.h"

// The program's pictures live in a static library; register them before first use.
static void LoadResources() { Q_INIT_RESOURCE(quarrion); }

namespace {
QCursor DropperCursorImage() {
  QPixmap picture(QStringLiteral(":/quarrion/dropper.png"));
  if (picture.isNull()) return QCursor(Qt::CrossCursor);
  // The tip of the dropper is its bottom-left pixel.
  return QCursor(picture, 1, picture.height() - 2);
}
}  // namespace

WorkAreaWidget::WorkAreaWidget(QWidget* parent)
    : QtCanvasHost(parent), canvas_(std::make_unique<TQuarrionCanvas>()) {
  setObjectName(QStringLiteral("WorkArea"));
  setAccessibleName(tr("Work area"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  LoadResources();
  RegisterCursor(DropperCursor, DropperCursorImage());
  SetCanvas(canvas_.get());
}

WorkAreaWidget::~WorkAreaWidget() { SetCanvas(nullptr); }

void WorkAreaWidget::mousePressEvent(QMouseEvent* event) {
  pressAt_ = event->position().toPoint();
  pressed_ = event->button() == Qt::LeftButton;
  dragging_ = false;
  QtCanvasHost::mousePressEvent(event);
}

void WorkAreaWidget::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ && !dragging_) {
    const QPoint travel = event->position().toPoint() - pressAt_;
    if (std::max(std::abs(travel.x()), std::abs(travel.y())) < DragThreshold) return;
    dragging_ = true;
  }
  QtCanvasHost::mouseMoveEvent(event);
}

// A release before the drag started is reported where the button went down, so the
// work area sees a click and nothing moved.
void WorkAreaWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && !dragging_ && event->button() == Qt::LeftButton;
  pressed_ = dragging_ = false;
  if (!click) {
    QtCanvasHost::mouseReleaseEvent(event);
    return;
  }
  QMouseEvent atPress(event->type(), QPointF(pressAt_), event->globalPosition(), event->button(),
                      event->buttons(), event->modifiers());
  QtCanvasHost::mouseReleaseEvent(&atPress);
}

void WorkAreaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  pressAt_ = event->position().toPoint();
  pressed_ = event->button() == Qt::LeftButton;
  dragging_ = false;
  QtCanvasHost::mouseDoubleClickEvent(event);
}
