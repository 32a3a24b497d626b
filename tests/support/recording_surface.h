#pragma once

#include <string>
#include <vector>

#include "model/surface.h"

// A drawing surface that writes down every call as a line of text, so tests can check
// what was drawn, in which order, with which pen and brush.
class RecordingSurface : public Surface {
 public:
  RecordingSurface(int width = 800, int height = 600) : width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
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
  TBitmap Capture() const override { return TBitmap(width_, height_); }

  std::vector<std::string> Calls;
  TPen Pen;
  TBrush Brush;
  TScreenFont Font;
  // Width of one character for TextWidth.
  int CharWidth = 6;

  // Calls whose text starts with `prefix`.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

 private:
  int width_;
  int height_;
};
