#pragma once

#include "objects/line.h"

// A cubic Bezier curve: the line's start and end points plus two control points, the
// first belonging to the start point and the second to the end point.
class TPDFBezier : public TPDFLine {
 public:
  // The control points go 50 points outside the two ends.
  TPDFBezier(int left, int top, int right, int bottom);
  TPDFBezier(int left, int top, int right, int bottom, int controlX1, int controlY1,
             int controlX2, int controlY2);

  std::uint8_t ClassID() const override { return ClassId::Bezier; }
  bool IsA(std::uint8_t id) const override { return id == ClassId::Bezier || TPDFLine::IsA(id); }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  void MoveEdges(int edges, int dx, int dy) override;
  int HitTest(int x, int y) const override;
  void Draw(TQuarrionCanvas& canvas) override;
  void DrawFrame(TQuarrionCanvas& canvas, const TRect& bounds) override;
  void DrawHandles(TQuarrionCanvas& canvas, const TRect& bounds) override;
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override;
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;
  void AssignGeometryTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;

  // Kept inside the coordinate range of the saved form wherever they are edited.
  int ControlX1 = 0;
  int ControlY1 = 0;
  int ControlX2 = 0;
  int ControlY2 = 0;

 private:
  std::array<TPoint, 4> ScreenPoints(const TQuarrionCanvas& canvas, const TRect& ends) const;
};
