#include "app/stencil_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace {
const QColor kInk(40, 52, 72);
const QColor kAccent(46, 118, 206);
const QColor kFill(206, 226, 250);

// Each picture is drawn on a 32 x 32 grid, scaled to the size asked for.
void DrawText(QPainter& p) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(22);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(2, 0, 18, 26), Qt::AlignCenter, QStringLiteral("T"));
  p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
  for (int y : {10, 16, 22}) p.drawLine(QPointF(21, y), QPointF(29, y));
  p.drawLine(QPointF(4, 28), QPointF(29, 28));
}

void DrawLine(QPainter& p) {
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5, 27), QPointF(27, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(5, 27), 2.5, 2.5);
  p.drawEllipse(QPointF(27, 5), 2.5, 2.5);
}

void DrawBezier(QPainter& p) {
  QPainterPath path(QPointF(4, 26));
  path.cubicTo(QPointF(8, 2), QPointF(24, 30), QPointF(28, 6));
  p.setPen(QPen(kAccent, 1, Qt::DashLine));
  p.drawLine(QPointF(4, 26), QPointF(8, 2));
  p.drawLine(QPointF(28, 6), QPointF(24, 30));
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawRect(QRectF(6.5, 0.5, 3, 3));
  p.drawRect(QRectF(22.5, 28.5, 3, 3));
}

void DrawRectangle(QPainter& p) {
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(kFill);
  p.drawRect(QRectF(5, 7, 22, 18));
}

void DrawEllipse(QPainter& p) {
  p.setPen(QPen(kInk, 2.5));
  p.setBrush(kFill);
  p.drawEllipse(QRectF(3, 7, 26, 18));
}

void DrawArrow(QPainter& p) {
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(4, 16), QPointF(26, 16));
  p.drawPolyline(QPolygonF({QPointF(18, 8), QPointF(27, 16), QPointF(18, 24)}));
}

void DrawImage(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kFill);
  p.drawRect(QRectF(3, 6, 26, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 150, 90));
  p.drawPolygon(QPolygonF({QPointF(4, 25), QPointF(13, 14), QPointF(19, 21), QPointF(22, 18), QPointF(28, 25)}));
  p.setBrush(QColor(236, 178, 40));
  p.drawEllipse(QPointF(22, 11.5), 2.5, 2.5);
}

void DrawGuide(QPainter& p) {
  p.setPen(QPen(kAccent, 2, Qt::DashLine));
  p.drawLine(QPointF(16, 2), QPointF(16, 30));
  p.drawLine(QPointF(2, 16), QPointF(30, 16));
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(8, 8, 8, 8));
}

void DrawActiveRegion(QPainter& p) {
  p.setPen(QPen(kAccent, 2, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3, 5, 24, 18));
  // A pointer arrow over the region.
  QPolygonF pointer({QPointF(15, 12), QPointF(15, 30), QPointF(19.5, 25.5), QPointF(23, 31),
                     QPointF(26, 29.5), QPointF(22.5, 24), QPointF(28, 23)});
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(kInk);
  p.drawPolygon(pointer);
}

void DrawGroup(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kFill);
  p.drawRect(QRectF(3, 3, 16, 14));
  p.setBrush(QColor(250, 222, 190));
  p.drawEllipse(QRectF(12, 12, 17, 17));
}

void DrawStar(QPainter& p) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 ? 6 : 14;
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    star << QPointF(16 + r * std::cos(a), 17 + r * std::sin(a));
  }
  p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(250, 210, 80));
  p.drawPolygon(star);
}

void DrawTitle(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2, 5, 28, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawRect(QRectF(6, 9, 20, 4));
  p.setBrush(QColor(150, 160, 176));
  for (int y : {16, 20}) p.drawRect(QRectF(6, y, 16, 2));
}

using Painter = void (*)(QPainter&);
constexpr Painter kPainters[StencilIcons::Count] = {
    DrawText, DrawLine,  DrawBezier,       DrawRectangle, DrawEllipse, DrawArrow,
    DrawImage, DrawGuide, DrawActiveRegion, DrawGroup,     DrawStar,    DrawTitle};

void DrawMissing(QPainter& p) {
  p.setPen(QPen(QColor(150, 150, 150), 1.5, Qt::DashLine));
  p.drawRect(QRectF(4, 4, 24, 24));
}

// Paints its picture fresh for every size and device pixel ratio.
class StencilIconEngine : public QIconEngine {
 public:
  explicit StencilIconEngine(Painter painter) : painter_(painter) {}
  void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->translate(rect.topLeft());
    const double side = std::min(rect.width(), rect.height());
    p->translate((rect.width() - side) / 2, (rect.height() - side) / 2);
    p->scale(side / 32, side / 32);
    if (mode == QIcon::Disabled) p->setOpacity(0.4);
    painter_(*p);
    p->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap picture(size * scale);
    picture.fill(Qt::transparent);
    picture.setDevicePixelRatio(scale);
    QPainter p(&picture);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    return picture;
  }
  QIconEngine* clone() const override { return new StencilIconEngine(painter_); }

 private:
  Painter painter_;
};
}  // namespace

QIcon StencilIcons::Icon(int index) {
  const Painter painter = index >= 0 && index < Count ? kPainters[index] : DrawMissing;
  return QIcon(new StencilIconEngine(painter));
}

QList<QIcon> StencilIcons::All() {
  QList<QIcon> icons;
  for (int i = 0; i < Count; ++i) icons << Icon(i);
  return icons;
}
