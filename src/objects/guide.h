#pragma once

#include "model/pdf_object.h"

// A dashed layout line across the whole page, horizontal at Top or vertical at Left.
// Edited like any object but never exported.
class TPDFGuide : public TPDFObject {
 public:
  TPDFGuide(int left, int top, int right, int bottom);

  std::uint8_t ClassID() const override { return ClassId::Guide; }
  bool IsA(std::uint8_t id) const override { return id == ClassId::Guide; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  // 0 horizontal, 1 vertical. Setting 0 or 1 also sets Bottom (65536 or 1); other values
  // change only the orientation.
  std::uint8_t Orientation() const { return orientation_; }
  void SetOrientation(std::uint8_t value);

  int HitTest(int x, int y) const override;
  void Draw(TQuarrionCanvas& canvas) override;
  void DrawHighlight(TQuarrionCanvas&) override {}
  void DrawFrame(TQuarrionCanvas& canvas, const TRect& bounds) override;
  void DrawHandles(TQuarrionCanvas&, const TRect&) override {}
  void PDFCode(TQuarrionCanvas&, std::string&) override {}
  void AssignAppearanceTo(TPDFObject& dest) const override;
  void AssignGeometryTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;

  TColor Colour = 0xFF0000;

 private:
  void GuideLine(TQuarrionCanvas& canvas, const TRect& at, bool inverted) const;

  std::uint8_t orientation_ = 0;
};
