#include "dialogs/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

ColourSwatch::ColourSwatch(QWidget* parent, TColor colour) : QFrame(parent), colour_(colour) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setMinimumSize(16, 16);
}

void ColourSwatch::SetColour(TColor colour) {
  colour_ = colour & 0xFFFFFF;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(contentsRect(), QColor(RedOf(colour_), GreenOf(colour_), BlueOf(colour_)));
  }
  QFrame::paintEvent(event);
}

void ColourSwatch::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  setFrameShadow(QFrame::Sunken);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  setFrameShadow(QFrame::Raised);
  if (rect().contains(e->position().toPoint()) && OnClick) OnClick(colour_);
}
