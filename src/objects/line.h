#pragma once

#include <array>

#include "model/pdf_object.h"

// The fixed dash styles, in the order of the dash-style choosers of the main window.
struct TDashStyle {
  const char* Name;
  TDashPattern Pattern;
};
const std::array<TDashStyle, 6>& DashStyles();
namespace DashStyle {
inline constexpr int Current = 0;
inline constexpr int Solid = 1;
inline constexpr int Dashed = 2;
inline constexpr int ShortDashes = 3;
inline constexpr int Dotted = 4;
inline constexpr int DashDot = 5;
}  // namespace DashStyle

// A straight stroked segment. The start point is (Left, Top), the end point (Right,
// Bottom); a line is never normalised, so the two points keep their identity.
class TPDFLine : public TPDFObject {
 public:
  TPDFLine(int left, int top, int right, int bottom);

  std::uint8_t ClassID() const override { return ClassId::Line; }
  bool IsA(std::uint8_t id) const override { return id == ClassId::Line; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  int HitTest(int x, int y) const override;
  void Draw(TQuarrionCanvas& canvas) override;
  void DrawHighlight(TQuarrionCanvas& canvas) override;
  void DrawFrame(TQuarrionCanvas& canvas, const TRect& bounds) override;
  void DrawHandles(TQuarrionCanvas& canvas, const TRect& bounds) override;
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override;
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;
  void AssignAppearanceTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;

  TColor Colour = 0;

 protected:
  // trunc(ZoomX × LineWidth) div 1000 screen pixels.
  int PenWidth(const TQuarrionCanvas& canvas) const;
  // "d", "w" and "RG" through the state cache, after closing any open text object.
  void AppendPDFStroke(TQuarrionCanvas& canvas, std::string& out) const;
  // `<tag stroke="#RRGGBB" fill="none" ` and the stroke attributes.
  void AppendSVGStart(std::string& out, const char* tag) const;
  // The cyan selection squares at the given page points.
  static void DrawHandleSquares(TQuarrionCanvas& canvas, const TPoint* points, int count);
  // Strict ±4 square around (px, py).
  static bool Near(int x, int y, int px, int py);
};
