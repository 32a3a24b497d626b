#pragma once

#include "model/bitmap.h"
#include "model/pdf_object.h"

// One end of a two-colour gradient, positioned relative to the owner's box.
struct TGradientEnd {
  friend bool operator==(const TGradientEnd&, const TGradientEnd&) = default;
  bool Extend = true;
  TColor Colour = 0;
  double X = 0;       // 0 at the owner's left edge, 1 at its right edge
  double Y = 0;       // 0 at the top, 1 at the bottom
  double Radius = 0;  // relative to the owner's width
  int PlacedRadius = 0;
};

// An axial or radial gradient fill. It never stands on a page by itself: an object owns
// it (or the document, as the page background). Its bounds hold the placed start point
// (Left, Top) and end point (Right, Bottom) for the owner's current box.
class TPDFGradient : public TPDFObject {
 public:
  TPDFGradient(int left, int top, int right, int bottom);

  std::uint8_t ClassID() const override { return ClassId::Gradient; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  // Computes the placed positions and radii for the owner's bounds.
  void PlaceGradient(const TPDFObject& owner);
  // Used when the owner is turned round: positions become 1 minus themselves.
  void MirrorHorizontally();
  void MirrorVertically();

  void AssignAppearanceTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;
  void PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) override;
  void SVGResources(TQuarrionCanvas& canvas, TResources& resources) override;

  // Renders the gradient, placed for `owner`, into a bitmap of the owner's screen size
  // whose unpainted pixels are the bitmap's transparent colour. The work area paints the
  // same gradients again and again, so the last rendering is kept and given back while
  // nothing it was made from has changed (the reference holds until the next call).
  const TBitmap& RenderGradient(const TQuarrionCanvas& canvas, const TPDFObject& owner) const;
  // Renders the gradient placed for a box of `width` x `height` pixels, one pixel per unit,
  // without a canvas or an owner (the colour dialog's preview). This gradient's own
  // placement is left as it was.
  TBitmap RenderGradient(int width, int height) const;

  int ShadingType = 2;  // 2 axial, 3 radial
  int ShadingNumber = 0;
  TGradientEnd Start;
  TGradientEnd End;

 private:
  // Everything a rendering for the screen is made from.
  struct TRenderKey {
    int Width = -1, Height = 0;
    int StartX = 0, StartY = 0, EndX = 0, EndY = 0;
    int Zoom = 0;
    int Type = 0;
    TGradientEnd Start, End;
    friend bool operator==(const TRenderKey&, const TRenderKey&) = default;
  };

  // A `width` x `height` bitmap with the start point at (sx, sy) and the end point at
  // (ex, ey), in bitmap pixels; `scale` turns the placed radii into pixels.
  TBitmap Render(int width, int height, double sx, double sy, double ex, double ey,
                 double scale) const;
  // Offsets of the start point and the axis in bitmap pixels.
  void RenderAxial(TBitmap& bmp, double sx, double sy, double dx, double dy) const;
  void RenderRadial(TBitmap& bmp, double sx, double sy, double dx, double dy, double scale) const;

  mutable TRenderKey renderedFor_;
  mutable TBitmap rendered_;
};
