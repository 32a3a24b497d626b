#include "objects/guide.h"

#include <algorithm>
#include <cstdlib>

#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/gradient.h"
#include "objects/line.h"

TPDFGuide::TPDFGuide(int left, int top, int right, int bottom)
    : TPDFObject(left, top, right, bottom) {
  SetOrientation(0);
  LineWidth = 1.0;
  DashPattern = DashStyles()[DashStyle::Dashed].Pattern;
  HelpContext = 1506;
}

std::unique_ptr<TPDFObject> TPDFGuide::CreateBlank() const {
  return std::make_unique<TPDFGuide>(0, 0, 0, 0);
}

void TPDFGuide::SetOrientation(std::uint8_t value) {
  orientation_ = value;
  if (value == 0) Bottom = 65536;
  if (value == 1) Bottom = 1;
}

int TPDFGuide::HitTest(int x, int y) const {
  if (orientation_ == 1)
    return std::llabs(static_cast<long long>(x) - Left) < 4 ? Edge::Left | Edge::Right : 0;
  return std::llabs(static_cast<long long>(y) - Top) < 4 ? Edge::Top | Edge::Bottom : 0;
}

void TPDFGuide::GuideLine(TQuarrionCanvas& canvas, const TRect& at, bool inverted) const {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({Colour, 1, TPenStyle::Solid, inverted ? TPenMode::Not : TPenMode::Copy});
  TPoint a, b;
  if (orientation_ == 1) {
    a = canvas.PageToScreen(at.Left, 0);
    b = canvas.PageToScreen(at.Left, canvas.PageHeight);
  } else {
    a = canvas.PageToScreen(0, at.Top);
    b = canvas.PageToScreen(canvas.PageWidth, at.Top);
  }
  DashedLine(*s, a, b);
}

void TPDFGuide::Draw(TQuarrionCanvas& canvas) {
  // A guide helps placing objects; the audience never sees it.
  if (canvas.DrawContext.Mode == TDrawMode::Show) return;
  GuideLine(canvas, {Left, Top, Right, Bottom}, false);
}

void TPDFGuide::DrawFrame(TQuarrionCanvas& canvas, const TRect& bounds) {
  GuideLine(canvas, bounds, true);
}

void TPDFGuide::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Guide)) return;
  TPDFObject::AssignAppearanceTo(dest);
  static_cast<TPDFGuide&>(dest).Colour = Colour;
}

void TPDFGuide::AssignGeometryTo(TPDFObject& dest) const {
  TPDFObject::AssignGeometryTo(dest);
  if (dest.IsA(ClassId::Guide)) static_cast<TPDFGuide&>(dest).SetOrientation(orientation_);
}

void TPDFGuide::SaveToString(std::string& out) const {
  // A horizontal guide's Bottom (65536) only says "to the end of the page" and is set
  // again from the orientation on loading; it is stored as the largest coordinate the
  // form holds rather than wrapped or refused.
  auto& self = const_cast<TPDFGuide&>(*this);
  const int bottom = Bottom;
  self.Bottom = ClampCoord(bottom);
  try {
    TPDFObject::SaveToString(out);
  } catch (...) {
    self.Bottom = bottom;
    throw;
  }
  self.Bottom = bottom;
  ByteWriter w(out);
  w.Colour(Colour);
  w.Flags(orientation_);
  w.Zeros(16);
}

void TPDFGuide::LoadFromString(ByteReader& in) {
  TPDFObject::LoadFromString(in);
  Colour = in.Colour("guide colour");
  std::uint8_t orientation = in.Byte("guide orientation");
  // An unknown orientation keeps the current one, but Bottom must still follow it, or a
  // second save and load would give a different guide.
  SetOrientation(orientation <= 1 ? orientation : orientation_);
  // The base part placed any gradient against the stored Bottom; place it against the
  // one the orientation gives, as every later save will.
  if (TPDFGradient* g = Gradient()) g->PlaceGradient(*this);
  // Only colour and orientation are required; a short reserved tail still loads.
  in.Skip(std::min<std::size_t>(16, in.Remaining()), "guide reserved bytes");
}
