#pragma once

#include "model/pdf_normalised.h"

// The box: outline, fill (colour or gradient) and a drop shadow.
class TPDFRectangle : public TPDFNormalised {
 public:
  TPDFRectangle(int left, int top, int right, int bottom);

  std::uint8_t ClassID() const override { return ClassId::Rectangle; }
  bool IsA(std::uint8_t id) const override { return id == ClassId::Rectangle; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  void Draw(TQuarrionCanvas& canvas) override;
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override;
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;
  void AssignAppearanceTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;

  // "x y w h re" of the box in PDF coordinates.
  virtual std::string RectPath(const TQuarrionCanvas& canvas) const;

  bool Outline = true;
  bool Fill = true;
  bool Shadow = false;
  TColor OutlineColour = 0;
  TColor FillColour = 0xFFFFFF;
  TColor ShadowColour = 0x808080;
  int ShadowX = 4;
  int ShadowY = 3;

 protected:
  // The box element (and the shadow before it) without the attached links.
  void AppendSVGBox(std::string& out) const;
};
