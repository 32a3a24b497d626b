#include "platform/qt/gui/qt_surface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

#include "platform/qt/gui/qt_image_cache.h"
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
// The pixels a thin solid line along a row or a column covers: Qt's thin lines run from
// the smaller coordinate up to, not including, the larger, whichever way they are drawn.
// False for other lines, and for lines so long that the rectangle's size would not fit.
bool AxisRun(const QLine& l, QRect& run) {
  constexpr int kFar = 1 << 28;
  if (std::abs(l.x1()) > kFar || std::abs(l.x2()) > kFar || std::abs(l.y1()) > kFar ||
      std::abs(l.y2()) > kFar)
    return false;
  if (l.y1() == l.y2() && l.x1() != l.x2()) {
    run = QRect(std::min(l.x1(), l.x2()), l.y1(), std::abs(l.x2() - l.x1()), 1);
    return true;
  }
  if (l.x1() == l.x2() && l.y1() != l.y2()) {
    run = QRect(l.x1(), std::min(l.y1(), l.y2()), 1, std::abs(l.y2() - l.y1()));
    return true;
  }
  return false;
}

// The pixels [Left, Right) x [Top, Bottom), whichever way round the corners are given.
QRect PixelRect(const TRect& r) {
  int l = std::min(r.Left, r.Right), t = std::min(r.Top, r.Bottom);
  return QRect(l, t, std::abs(r.Right - r.Left), std::abs(r.Bottom - r.Top));
}
}  // namespace

QtSurface::QtSurface(QImage* image) : image_(image) { UseFont(font_); }

QtSurface::QtSurface(int width, int height)
    : ownImage_(std::make_unique<QImage>(std::max(width, 1), std::max(height, 1),
                                         QImage::Format_RGB32)),
      image_(ownImage_.get()) {
  ownImage_->fill(Qt::white);
  UseFont(font_);
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
    // A new painter starts from its own defaults: nothing is known to be set yet.
    painterPen_ = PenKey{};
    painterBrush_ = BrushKey{};
    painterMode_ = painter_->compositionMode();
  }
  return *painter_;
}

int QtSurface::Width() const { return image_->width(); }
int QtSurface::Height() const { return image_->height(); }

void QtSurface::SetPen(const TPen& pen) { pen_ = pen; }
void QtSurface::SetBrush(const TBrush& brush) { brush_ = brush; }

void QtSurface::UseFont(const TScreenFont& font) {
  font_ = font;
  qfont_ = ScreenQFont(font);
  ascent_ = QFontMetricsF(qfont_).ascent();
  if (painter_) painter_->setFont(qfont_);
}

void QtSurface::SetFont(const TScreenFont& font) {
  if (fontSet_ && font == font_) return;
  fontSet_ = true;
  UseFont(font);
}

void QtSurface::ApplyPen(const PenKey& key) {
  QPainter& p = Painter();
  if (key == painterPen_) return;
  painterPen_ = key;
  switch (key.Kind) {
    case PenKind::Stroke: {
      // Wide pens draw solid, as the platform the work area was designed on does.
      QPen pen(ToQColor(key.Colour), key.Width);
      pen.setCosmetic(key.Width == 1);
      pen.setStyle(key.Style == TPenStyle::Dotted && key.Width == 1 ? Qt::DotLine : Qt::SolidLine);
      pen.setCapStyle(key.Width == 1 ? Qt::FlatCap : Qt::RoundCap);
      pen.setJoinStyle(key.Width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
      p.setPen(pen);
      break;
    }
    case PenKind::Hairline: {
      QPen pen(ToQColor(key.Colour), 1);
      pen.setCosmetic(true);
      p.setPen(pen);
      break;
    }
    case PenKind::Text:
      p.setPen(ToQColor(key.Colour));
      break;
    case PenKind::None:
    case PenKind::Unknown:
      p.setPen(Qt::NoPen);
      break;
  }
}

void QtSurface::ApplyBrush(const BrushKey& key) {
  QPainter& p = Painter();
  if (key == painterBrush_) return;
  painterBrush_ = key;
  if (key.None)
    p.setBrush(Qt::NoBrush);
  else
    p.setBrush(ToQColor(key.Colour));
}

void QtSurface::ApplyMode(QPainter::CompositionMode mode) {
  QPainter& p = Painter();
  if (mode == painterMode_) return;
  painterMode_ = mode;
  p.setCompositionMode(mode);
}

void QtSurface::UseStrokePen() {
  ApplyMode(pen_.Mode == TPenMode::Not ? QPainter::RasterOp_NotDestination
                                       : QPainter::CompositionMode_SourceOver);
  ApplyPen({PenKind::Stroke, pen_.Colour, std::max(pen_.Width, 1), pen_.Style});
}

void QtSurface::FillRect(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  ApplyMode(QPainter::CompositionMode_SourceOver);
  Painter().fillRect(q, ToQColor(brush_.Colour));
}

void QtSurface::FrameRect(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  QPainter& p = Painter();
  ApplyMode(QPainter::CompositionMode_SourceOver);
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
  ApplyMode(pen_.Mode == TPenMode::Not ? QPainter::RasterOp_NotDestination
                                       : QPainter::CompositionMode_SourceOver);
  ApplyPen({PenKind::Hairline, pen_.Colour, 1, TPenStyle::Solid});
  Painter().drawPoints(points);
}

void QtSurface::Rectangle(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  if (brush_.Style != TBrushStyle::Clear && q.width() > 2 && q.height() > 2) {
    ApplyMode(QPainter::CompositionMode_SourceOver);
    ApplyPen({PenKind::None});
    ApplyBrush({true, false, brush_.Colour});
    Painter().drawRect(q.adjusted(1, 1, -1, -1));
  }
  if (pen_.Width <= 1) {
    StrokeFrame(q);
  } else {
    UseStrokePen();
    ApplyBrush({true, true});
    Painter().drawRect(QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void QtSurface::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  QPolygon polygon;
  polygon.reserve(int(points.size()));
  for (TPoint pt : points) polygon << QPoint(pt.X, pt.Y);
  UseStrokePen();
  ApplyBrush({true, brush_.Style == TBrushStyle::Clear, brush_.Colour});
  Painter().drawPolygon(polygon);
}

void QtSurface::Ellipse(const TRect& r) {
  QRect q = PixelRect(r);
  if (q.isEmpty()) return;
  UseStrokePen();
  ApplyBrush({true, brush_.Style == TBrushStyle::Clear, brush_.Colour});
  Painter().drawEllipse(QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5));
}

void QtSurface::Line(TPoint from, TPoint to) {
  if (from == to) return;
  UseStrokePen();
  // A thin line with flat caps stops one pixel short of its end point, as lines joined
  // end to end (and inverted ones) need: Qt's cosmetic lines do exactly that.
  Painter().drawLine(from.X, from.Y, to.X, to.Y);
}

void QtSurface::Lines(const std::vector<std::array<TPoint, 2>>& segments) {
  // One drawLines is not a row of drawLine calls: a dotted pattern runs on from line to
  // line, an inverting pen skips a pixel two lines share, and a wide pen strokes the batch
  // as one path. Only a thin solid copying pen paints the same either way.
  if (std::max(pen_.Width, 1) > 1 || pen_.Style != TPenStyle::Solid || pen_.Mode != TPenMode::Copy) {
    Surface::Lines(segments);
    return;
  }
  // Runs along a row or a column are filled rather than stroked: the same pixels at a
  // fraction of the cost (outlines are mostly such runs). One colour over all of them,
  // so the order they land in does not matter.
  QVarLengthArray<QLine, 256> lines;
  QVarLengthArray<QRect, 256> runs;
  QRect run;
  for (const auto& [from, to] : segments) {
    if (from == to) continue;
    const QLine line(from.X, from.Y, to.X, to.Y);
    if (AxisRun(line, run))
      runs.append(run);
    else
      lines.append(line);
  }
  if (!runs.isEmpty()) {
    // Without a pen, a rectangle fills exactly its pixels.
    ApplyMode(QPainter::CompositionMode_SourceOver);
    ApplyPen({PenKind::None});
    ApplyBrush({true, false, pen_.Colour});
    Painter().drawRects(runs.constData(), int(runs.size()));
  }
  if (lines.isEmpty()) return;
  UseStrokePen();
  Painter().drawLines(lines.constData(), int(lines.size()));
}

void QtSurface::Bezier(const std::array<TPoint, 4>& pts) {
  QPainterPath path(QPointF(pts[0].X, pts[0].Y));
  path.cubicTo(pts[1].X, pts[1].Y, pts[2].X, pts[2].Y, pts[3].X, pts[3].Y);
  UseStrokePen();
  ApplyBrush({true, true});
  Painter().drawPath(path);
}

void QtSurface::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  ApplyMode(QPainter::CompositionMode_SourceOver);
  ApplyPen({PenKind::Text, font_.Colour});
  Painter().drawText(QPointF(x, y + ascent_), ScreenText(font_.Name, text));
}

int QtSurface::TextWidth(const std::string& text) {
  return int(std::lround(QFontMetricsF(qfont_).horizontalAdvance(ScreenText(font_.Name, text))));
}

void QtSurface::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  ApplyMode(QPainter::CompositionMode_SourceOver);
  Painter().drawImage(QPoint(x, y), QtImageCache::Shared().ImageOf(bitmap));
}

void QtSurface::StretchDraw(const TRect& r, const TBitmap& bitmap) {
  QRect q = PixelRect(r);
  if (bitmap.Empty() || q.isEmpty()) return;
  ApplyMode(QPainter::CompositionMode_SourceOver);
  Painter().drawImage(q, QtImageCache::Shared().ImageOf(bitmap));
}

TBitmap QtSurface::Capture() const {
  painter_.reset();  // finishes what is pending
  return ToBitmap(*image_);
}
