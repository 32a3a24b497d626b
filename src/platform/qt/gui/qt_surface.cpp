#include "platform/qt/gui/qt_surface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "platform/qt/gui/screen_fonts.h"

QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QImage ToQImage(const TBitmap& bitmap) {
  if (bitmap.Empty()) return QImage();
  const bool transparent = bitmap.HasTransparentColour;
  QImage image(bitmap.Width(), bitmap.Height(),
               transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.Width(); ++x) {
      TColor c = bitmap.Pixel(x, y);
      line[x] = (transparent && c == bitmap.TransparentColour) ? qRgba(0, 0, 0, 0)
                                                              : qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    }
  }
  return image;
}

TBitmap ToBitmap(const QImage& source) {
  if (source.isNull()) return TBitmap();
  QImage image = source.format() == QImage::Format_RGB32 ? source
                                                          : source.convertToFormat(QImage::Format_RGB32);
  TBitmap bitmap(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      bitmap.SetPixel(x, y, RGBColour(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
  }
  return bitmap;
}

namespace {
// The pixels [Left, Right) x [Top, Bottom), whichever way round the corners are given.
QRect PixelRect(const TRect& r) {
  int l = std::min(r.Left, r.Right), t = std::min(r.Top, r.Bottom);
  return QRect(l, t, std::abs(r.Right - r.Left), std::abs(r.Bottom - r.Top));
}
}  // namespace

QtSurface::QtSurface(QImage* image) : image_(image), qfont_(ScreenQFont(font_)) {}

QtSurface::QtSurface(int width, int height)
    : ownImage_(std::make_unique<QImage>(std::max(width, 1), std::max(height, 1),
                                         QImage::Format_RGB32)),
      image_(ownImage_.get()),
      qfont_(ScreenQFont(font_)) {
  ownImage_->fill(Qt::white);
}

QtSurface::~QtSurface() { Flush(); }

std::unique_ptr<Surface> QtSurface::CreateOffscreen(int width, int height) {
  return std::make_unique<QtSurface>(width, height);
}

const QImage& QtSurface::Image() {
  Flush();
  return *image_;
}

void QtSurface::Flush() {
  if (painter_) painter_->end();
  painter_.reset();
}

QPainter& QtSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setFont(qfont_);
  }
  return *painter_;
}

int QtSurface::Width() const { return image_->width(); }
int QtSurface::Height() const { return image_->height(); }

void QtSurface::SetPen(const TPen& pen) { pen_ = pen; }
void QtSurface::SetBrush(const TBrush& brush) { brush_ = brush; }

void QtSurface::SetFont(const TScreenFont& font) {
  if (fontSet_ && font == font_) return;
  fontSet_ = true;
  font_ = font;
  qfont_ = ScreenQFont(font);
  if (painter_) painter_->setFont(qfont_);
}

void QtSurface::UsePen() {
  QPainter& p = Painter();
  // Wide pens draw solid, as the platform the work area was designed on does.
  const int width = std::max(pen_.Width, 1);
  QPen pen(ToQColor(pen_.Colour), width);
  pen.setCosmetic(width == 1);
  pen.setStyle(pen_.Style == TPenStyle::Dotted && width == 1 ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
  p.setPen(pen);
  p.setCompositionMode(pen_.Mode == TPenMode::Not ? QPainter::RasterOp_NotDestination
                                                  : QPainter::CompositionMode_SourceOver);
  if (brush_.Style == TBrushStyle::Clear)
    p.setBrush(Qt::NoBrush);
  else
    p.setBrush(ToQColor(brush_.Colour));
}

void QtSurface::UseBrushOnly() {
  QPainter& p = Painter();
  p.setPen(Qt::NoPen);
  p.setBrush(ToQColor(brush_.Colour));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtSurface::FillRect(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  Painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
  Painter().fillRect(q, ToQColor(brush_.Colour));
}

void QtSurface::FrameRect(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  QColor c = ToQColor(brush_.Colour);
  p.fillRect(QRect(q.left(), q.top(), q.width(), 1), c);
  p.fillRect(QRect(q.left(), q.bottom(), q.width(), 1), c);
  p.fillRect(QRect(q.left(), q.top(), 1, q.height()), c);
  p.fillRect(QRect(q.right(), q.top(), 1, q.height()), c);
}

// The one-pixel outline of the pixels of r, every pixel once (an inverting pen must not
// meet a corner twice); a dotted pen paints every other pixel of each side.
void QtSurface::StrokeFrame(const QRect& r) {
  const bool dotted = pen_.Style == TPenStyle::Dotted;
  QPolygon points;
  auto side = [&](int x, int y, int dx, int dy, int count) {
    for (int i = 0; i < count; ++i)
      if (!dotted || i % 2 == 0) points << QPoint(x + i * dx, y + i * dy);
  };
  const int w = r.width(), h = r.height();
  side(r.left(), r.top(), 1, 0, w);
  if (h > 1) side(r.left(), r.bottom(), 1, 0, w);
  if (h > 2) {
    side(r.left(), r.top() + 1, 0, 1, h - 2);
    if (w > 1) side(r.right(), r.top() + 1, 0, 1, h - 2);
  }
  QPainter& p = Painter();
  QPen pen(ToQColor(pen_.Colour), 1);
  pen.setCosmetic(true);
  p.setPen(pen);
  p.drawPoints(points);
}

void QtSurface::Rectangle(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  if (brush_.Style != TBrushStyle::Clear && q.width() > 2 && q.height() > 2) {
    UseBrushOnly();
    Painter().drawRect(q.adjusted(1, 1, -1, -1));
  }
  UsePen();
  if (pen_.Width <= 1) {
    StrokeFrame(q);
  } else {
    Painter().setBrush(Qt::NoBrush);
    Painter().drawRect(QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void QtSurface::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  QPolygon polygon;
  polygon.reserve(int(points.size()));
  for (TPoint pt : points) polygon << QPoint(pt.X, pt.Y);
  UsePen();
  Painter().drawPolygon(polygon);
}

void QtSurface::Ellipse(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  UsePen();
  Painter().drawEllipse(QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5));
}

void QtSurface::Line(TPoint from, TPoint to) {
  if (from == to) return;
  UsePen();
  QPainter& p = Painter();
  // A thin line with flat caps stops one pixel short of its end point, as lines joined
  // end to end (and inverted ones) need: Qt's cosmetic lines do exactly that.
  p.drawLine(from.X, from.Y, to.X, to.Y);
}

void QtSurface::Bezier(const std::array<TPoint, 4>& pts) {
  QPainterPath path(QPointF(pts[0].X, pts[0].Y));
  path.cubicTo(pts[1].X, pts[1].Y, pts[2].X, pts[2].Y, pts[3].X, pts[3].Y);
  UsePen();
  Painter().setBrush(Qt::NoBrush);
  Painter().drawPath(path);
}

void QtSurface::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(ToQColor(font_.Colour));
  p.setFont(qfont_);
  QFontMetricsF metrics(qfont_);
  p.drawText(QPointF(x, y + metrics.ascent()), ScreenText(font_.Name, text));
}

int QtSurface::TextWidth(const std::string& text) {
  return int(std::lround(QFontMetricsF(qfont_).horizontalAdvance(ScreenText(font_.Name, text))));
}

void QtSurface::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  Painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
  Painter().drawImage(QPoint(x, y), ToQImage(bitmap));
}

void QtSurface::StretchDraw(const TRect& r, const TBitmap& bitmap) {
  QRect q = PixelRect(r);
  if (bitmap.Empty() || q.isEmpty()) return;
  Painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
  Painter().drawImage(q, ToQImage(bitmap));
}

TBitmap QtSurface::Capture() const {
  painter_.reset();  // finishes what is pending
  return ToBitmap(*image_);
}
