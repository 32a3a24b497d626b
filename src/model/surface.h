#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/bitmap.h"
#include "base/geometry.h"

enum class TPenStyle { Solid, Dotted };
enum class TPenMode { Copy, Not };  // Not inverts what is below: drawing twice restores it
enum class TBrushStyle { Solid, Clear };

struct TPen {
  TColor Colour = 0;
  int Width = 1;  // 0 draws the thinnest line, like 1
  TPenStyle Style = TPenStyle::Solid;
  TPenMode Mode = TPenMode::Copy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Colour = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::Solid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

// A screen font: a face name, the character cell height in pixels and the styles.
struct TScreenFont {
  std::string Name = "Arial";
  int CellHeight = 12;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Colour = 0;
  friend bool operator==(const TScreenFont&, const TScreenFont&) = default;
};

// The drawing surface of the work area, in screen pixels. Rectangles follow the usual
// raster convention: Right and Bottom are exclusive. The operations map one to one onto
// QPainter; tests use a recording implementation.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPen(const TPen& pen) = 0;
  virtual void SetBrush(const TBrush& brush) = 0;
  virtual void SetFont(const TScreenFont& font) = 0;

  // Fills with the brush, no outline.
  virtual void FillRect(const TRect& r) = 0;
  // A one-pixel frame in the brush colour, no fill.
  virtual void FrameRect(const TRect& r) = 0;
  // Outline with the pen, filled with the brush unless the brush is clear.
  virtual void Rectangle(const TRect& r) = 0;
  // Filled with the brush and outlined with the pen: bands and circles of gradients.
  virtual void Polygon(const std::vector<TPoint>& points) = 0;
  virtual void Ellipse(const TRect& r) = 0;
  // A two-point polyline: the end point itself is not painted.
  virtual void Line(TPoint from, TPoint to) = 0;
  // Each segment as by Line, in order: the dashes of a dashed outline in one call.
  virtual void Lines(const std::vector<std::array<TPoint, 2>>& segments) {
    for (const auto& segment : segments) Line(segment[0], segment[1]);
  }
  virtual void Bezier(const std::array<TPoint, 4>& points) = 0;

  // Text with the cell's top-left corner at (x, y), in the current font, no background.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;

  virtual void Draw(int x, int y, const TBitmap& bitmap) = 0;
  // Stretched over r; honours the bitmap's transparent colour when it has one.
  virtual void StretchDraw(const TRect& r, const TBitmap& bitmap) = 0;

  // The pixels drawn so far (the cached page background is taken this way).
  virtual TBitmap Capture() const = 0;
};
