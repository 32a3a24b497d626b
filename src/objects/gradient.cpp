#include "objects/gradient.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/quarrion_canvas.h"

TPDFGradient::TPDFGradient(int left, int top, int right, int bottom)
    : TPDFObject(left, top, right, bottom) {
  Start.Colour = 0x0000FF;
  End.Colour = 0x00FFFF;
}

std::unique_ptr<TPDFObject> TPDFGradient::CreateBlank() const {
  return std::make_unique<TPDFGradient>(0, 0, 0, 0);
}

void TPDFGradient::PlaceGradient(const TPDFObject& owner) {
  double w = double(owner.Right) - owner.Left, h = double(owner.Bottom) - owner.Top;
  // Far-out positions are kept inside the coordinate range of the saved form, so that
  // a gradient placed on any box can still be saved.
  auto place = [](double origin, double offset) {
    return ClampCoord(static_cast<long long>(std::clamp(origin + offset, -1e9, 1e9)));
  };
  Left = place(owner.Left, std::trunc(w * Start.X));
  Top = place(owner.Top, std::trunc(h * Start.Y));
  Right = place(owner.Left, std::ceil(w * End.X));
  Bottom = place(owner.Top, std::ceil(h * End.Y));
  Start.PlacedRadius = int(std::clamp(std::trunc(w * Start.Radius), -1e9, 1e9));
  End.PlacedRadius = int(std::clamp(std::trunc(w * End.Radius), -1e9, 1e9));
}

namespace {
// What the 24-bit position form holds: (0 .. 0xFFFFFF) - 200000, in 1/65536.
constexpr double kMinPosition = -200000 / 65536.0;
constexpr double kMaxPosition = (0xFFFFFF - 200000) / 65536.0;
double Mirrored(double v) { return std::clamp(1 - v, kMinPosition, kMaxPosition); }
}  // namespace

void TPDFGradient::MirrorHorizontally() {
  Start.X = Mirrored(Start.X);
  End.X = Mirrored(End.X);
}

void TPDFGradient::MirrorVertically() {
  Start.Y = Mirrored(Start.Y);
  End.Y = Mirrored(End.Y);
}

void TPDFGradient::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Gradient)) return;
  TPDFObject::AssignAppearanceTo(dest);
  auto& g = static_cast<TPDFGradient&>(dest);
  g.Start = Start;
  g.End = End;
  g.ShadingType = ShadingType;
}

namespace {
long long Fixed(double v) { return std::llrint(v * 65536.0); }  // rounds halves to even

void SaveEnd(ByteWriter& w, const TGradientEnd& e, int shadingType) {
  w.Flags(e.Extend ? 1 : 0);
  w.Byte(shadingType, "gradient type");
  w.Colour(e.Colour);
  w.Int24BE(Fixed(e.Radius), "gradient radius");
  w.Int24BE(Fixed(e.X) + 200000, "gradient position");
  w.Int24BE(Fixed(e.Y) + 200000, "gradient position");
  w.Zeros(16);
}

int LoadEnd(ByteReader& in, TGradientEnd& e) {
  e.Extend = in.Byte("gradient flags") & 1;
  int type = in.Byte("gradient type");
  e.Colour = in.Colour("gradient colour");
  e.Radius = in.Int24BE("gradient radius") / 65536.0;
  e.X = (double(in.Int24BE("gradient position")) - 200000) / 65536.0;
  e.Y = (double(in.Int24BE("gradient position")) - 200000) / 65536.0;
  in.Skip(16, "gradient reserved bytes");
  return type;
}
}  // namespace

void TPDFGradient::SaveToString(std::string& out) const {
  TPDFObject::SaveToString(out);
  ByteWriter w(out);
  SaveEnd(w, Start, ShadingType);
  SaveEnd(w, End, ShadingType);
  w.Zeros(16);
}

void TPDFGradient::LoadFromString(ByteReader& in) {
  TPDFObject::LoadFromString(in);
  // A gradient fills its owner and owns nothing itself. A gradient or links stored inside
  // one never come from this program; a nested gradient would be placed against a box
  // that moves when the owner places this one, so the file would change on every save.
  DetachGradient();
  ClearAnnots();
  LoadEnd(in, Start);
  // Only axial (2) and radial (3) shadings are written; anything else reads as axial.
  ShadingType = LoadEnd(in, End) == 3 ? 3 : 2;
  in.Skip(16, "gradient reserved bytes");
}

void TPDFGradient::PDFResources(TQuarrionCanvas& canvas, int firstNumber,
                                TPDFResources& resources) {
  ShadingNumber = firstNumber;
  const int h = canvas.PageHeight;
  std::string b;
  b.reserve(200);
  b.append("<</ShadingType ");
  AppendInt(b, ShadingType);
  b.append("\n/ColorSpace /DeviceRGB\n/Extend [");
  b.append(Start.Extend ? "true " : "false ");
  b.append(End.Extend ? "true]\n" : "false]\n");
  b.append("/Coords [");
  auto num = [&](long long v, char after) {
    AppendInt(b, v);
    b.push_back(after);
  };
  num(Left, ' ');
  num(h - Top, ' ');
  if (ShadingType == 3) num(Start.PlacedRadius, ' ');
  num(Right, ' ');
  if (ShadingType == 3) {
    num(h - Bottom, ' ');
    num(End.PlacedRadius, ']');
  } else {
    num(h - Bottom, ']');
  }
  b.append("\n/Function << /FunctionType 2 /Domain [0 1]\n/C0 [");
  AppendPDFColour(b, Start.Colour);
  b.append("] /C1 [");
  AppendPDFColour(b, End.Colour);
  b.append("] /N 1 >>\n>>");
  resources.push_back({"Shading", std::move(b), true});
}

void TPDFGradient::SVGResources(TQuarrionCanvas&, TResources& resources) {
  const bool radial = ShadingType == 3;
  const char* tag = radial ? "radialGradient" : "linearGradient";
  std::string name = "Grad" + IntToStr(ObjectID);
  std::string t = "<";
  t.append(tag).append(" id=\"").append(name).append("\" ");
  auto attr = [&](const char* key, long long v) {
    t.append(key).append("=\"");
    AppendInt(t, v);
    t.append("\" ");
  };
  if (radial) {
    attr("cx", Left);
    attr("cy", Top);
    attr("fx", Right);
    attr("fy", Bottom);
    attr("r", Start.PlacedRadius);
  } else {
    attr("x1", Left);
    attr("y1", Top);
    attr("x2", Right);
    attr("y2", Bottom);
  }
  t.append("gradientUnits=\"userSpaceOnUse\">\n");
  TColor first = radial ? End.Colour : Start.Colour, second = radial ? Start.Colour : End.Colour;
  t.append("<stop offset=\"0\" stop-color=\"").append(SVGColour(first)).append("\"/>\n");
  t.append("<stop offset=\"1\" stop-color=\"").append(SVGColour(second)).append("\"/>\n");
  t.append("</").append(tag).append(">\n");
  resources.push_back({std::move(name), std::move(t), ""});
}
