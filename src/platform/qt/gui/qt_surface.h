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
  void Lines(const std::vector<std::array<TPoint, 2>>& segments) override;
  void Bezier(const std::array<TPoint, 4>& points) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  void Draw(int x, int y, const TBitmap& bitmap) override;
  void StretchDraw(const TRect& r, const TBitmap& bitmap) override;
  TBitmap Capture() const override;

 private:
  // The pen last given to the painter, described by what it was made from.
  enum class PenKind { Unknown, None, Stroke, Hairline, Text };
  struct PenKey {
    PenKind Kind = PenKind::Unknown;
    TColor Colour = 0;
    int Width = 0;
    TPenStyle Style = TPenStyle::Solid;
    friend bool operator==(const PenKey&, const PenKey&) = default;
  };
  struct BrushKey {
    bool Known = false;
    bool None = false;
    TColor Colour = 0;
    friend bool operator==(const BrushKey&, const BrushKey&) = default;
  };

  QPainter& Painter();
  // Each gives the painter its state only when it differs from what it has: setting
  // pens and brushes for every one of thousands of objects costs more than drawing them.
  void ApplyPen(const PenKey& key);
  void ApplyBrush(const BrushKey& key);
  void ApplyMode(QPainter::CompositionMode mode);
  // The pen's colour, width, style and mode for strokes.
  void UseStrokePen();
  void StrokeFrame(const QRect& r);
  void UseFont(const TScreenFont& font);

  std::unique_ptr<QImage> ownImage_;
  QImage* image_;
  // Kept open between operations (opening one per call is slow); mutable so that a
  // capture can finish it.
  mutable std::unique_ptr<QPainter> painter_;
  TPen pen_;
  TBrush brush_;
  TScreenFont font_;
  QFont qfont_;
  double ascent_ = 0;
  bool fontSet_ = false;
  PenKey painterPen_;
  BrushKey painterBrush_;
  QPainter::CompositionMode painterMode_ = QPainter::CompositionMode_SourceOver;
};

// Conversions between the core's pictures and colours and Qt's.
QColor ToQColor(TColor c);
QImage ToQImage(const TBitmap& bitmap);
TBitmap ToBitmap(const QImage& image);
