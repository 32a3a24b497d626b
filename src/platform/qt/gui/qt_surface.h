#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "model/surface.h"

// The work area's drawing surface on a QImage, painted with QPainter without
// antialiasing so that pixels land where the raster conventions of Surface put them and
// the inverting pen restores what it inverted when drawn twice.
class QtSurface : public Surface {
 public:
  // Draws on `image`, which must outlive the surface (a widget's frame, for instance).
  explicit QtSurface(QImage* image);
  // Owns an image of the given size, filled white: the off-screen images of the work area.
  QtSurface(int width, int height);
  ~QtSurface() override;
  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

  static std::unique_ptr<Surface> CreateOffscreen(int width, int height);

  // The pixels, with every pending operation finished.
  const QImage& Image();
  // Ends the painter so that the image can be read or resized by others.
  void Flush();

  int Width() const override;
  int Height() const override;
  void SetPen(const TPen& pen) override;
  void SetBrush(const TBrush& brush) override;
  void SetFont(const TScreenFont& font) override;
  void FillRect(const TRect& r) override;
  void FrameRect(const TRect& r) override;
  void Rectangle(const TRect& r) override;
  void Polygon(const std::vector<TPoint>& points) override;
  void Ellipse(const TRect& r) override;
  void Line(TPoint from, TPoint to) override;
  void Bezier(const std::array<TPoint, 4>& points) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  void Draw(int x, int y, const TBitmap& bitmap) override;
  void StretchDraw(const TRect& r, const TBitmap& bitmap) override;
  TBitmap Capture() const override;

 private:
  QPainter& Painter();
  // Applies the pen (with or without the brush) to the painter.
  void UsePen();
  void UseBrushOnly();
  void StrokeFrame(const QRect& r);

  std::unique_ptr<QImage> ownImage_;
  QImage* image_;
  // Kept open between operations (opening one per call is slow); mutable so that a
  // capture can finish it.
  mutable std::unique_ptr<QPainter> painter_;
  TPen pen_;
  TBrush brush_;
  TScreenFont font_;
  QFont qfont_;
  bool fontSet_ = false;
};

// Conversions between the core's pictures and colours and Qt's.
QColor ToQColor(TColor c);
QImage ToQImage(const TBitmap& bitmap);
TBitmap ToBitmap(const QImage& image);
