#pragma once

#include "objects/rectangle.h"

// An ellipse inside its bounds. It has the rectangle's appearance (outline, fill, shadow,
// line width and dash) and saved form, so the rectangle page of the properties dialog
// and the dropper serve it too; only its shape differs.
class TPDFEllipse : public TPDFRectangle {
 public:
  TPDFEllipse(int left, int top, int right, int bottom);

  // The class ID the registry gave the kind when the plug-in registered it.
  static std::uint8_t RegisteredID;

  std::uint8_t ClassID() const override { return RegisteredID; }
  bool IsA(std::uint8_t id) const override { return id == RegisteredID || id == ClassId::Rectangle; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  int HitTest(int x, int y) const override;
  void Draw(TQuarrionCanvas& canvas) override;
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override;
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;

  // The closed outline as four Bezier arcs in PDF coordinates ("x y m" and four "c"),
  // the ellipse shifted by (dx, dy) points.
  std::string EllipsePath(const TQuarrionCanvas& canvas, int dx = 0, int dy = 0) const;
};
