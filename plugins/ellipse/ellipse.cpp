#include "ellipse.h"

#include <cmath>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/gradient.h"

std::uint8_t TPDFEllipse::RegisteredID = 0;

namespace {
// How far along the tangents a quarter arc's control points lie, as a fraction of the
// radius: the cubic that best follows a quarter circle.
constexpr double kKappa = 0.5522847498307936;

void AppendCoordinate(std::string& out, double v) {
  AppendGeneral(out, std::round(v * 1000) / 1000 + 0.0, 9);
}

void AppendPoints(std::string& out, std::initializer_list<double> values, const char* op) {
  for (double v : values) {
    AppendCoordinate(out, v);
    out.push_back(' ');
  }
  out.append(op).push_back('\n');
}
}  // namespace

TPDFEllipse::TPDFEllipse(int left, int top, int right, int bottom)
    : TPDFRectangle(left, top, right, bottom) {}

std::unique_ptr<TPDFObject> TPDFEllipse::CreateBlank() const {
  return std::make_unique<TPDFEllipse>(0, 0, 0, 0);
}

// The handles at the corners of the bounds, and the inside of the ellipse itself.
int TPDFEllipse::HitTest(int x, int y) const {
  const int corner = TPDFObject::HitTest(x, y);
  if (corner != 0 && corner != Edge::All) return corner;
  const double rx = (Right - Left) / 2.0, ry = (Bottom - Top) / 2.0;
  if (rx <= 0 || ry <= 0) return 0;
  const double u = (x - (Left + rx)) / rx, v = (y - (Top + ry)) / ry;
  return u * u + v * v < 1 ? Edge::All : 0;
}

void TPDFEllipse::Draw(TQuarrionCanvas& canvas) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  if (Shadow) {
    s->SetBrush({ShadowColour, Fill ? TBrushStyle::Solid : TBrushStyle::Clear});
    s->SetPen({ShadowColour, 1, TPenStyle::Solid, TPenMode::Copy});
    s->Ellipse(ScreenRect(canvas, Left + ShadowX, Top + ShadowY, Right + ShadowX, Bottom + ShadowY));
  }
  const int width = int(static_cast<long long>(canvas.ZoomX * LineWidth) / 1000);
  // Without an outline the pen takes the fill's colour, so the edge is not drawn black.
  s->SetPen({Outline ? OutlineColour : FillColour, width, TPenStyle::Solid, TPenMode::Copy});
  s->SetBrush({FillColour, Fill ? TBrushStyle::Solid : TBrushStyle::Clear});
  if (Fill || Outline) s->Ellipse(ScreenRect(canvas, Left, Top, Right, Bottom));
}

std::string TPDFEllipse::EllipsePath(const TQuarrionCanvas& canvas, int dx, int dy) const {
  const double rx = (Right - Left) / 2.0, ry = (Bottom - Top) / 2.0;
  const double cx = Left + dx + rx, cy = canvas.PageHeight - (Top + dy + ry);
  const double kx = kKappa * rx, ky = kKappa * ry;
  std::string p;
  AppendPoints(p, {cx + rx, cy}, "m");
  AppendPoints(p, {cx + rx, cy + ky, cx + kx, cy + ry, cx, cy + ry}, "c");
  AppendPoints(p, {cx - kx, cy + ry, cx - rx, cy + ky, cx - rx, cy}, "c");
  AppendPoints(p, {cx - rx, cy - ky, cx - kx, cy - ry, cx, cy - ry}, "c");
  AppendPoints(p, {cx + kx, cy - ry, cx + rx, cy - ky, cx + rx, cy}, "c");
  return p;
}

void TPDFEllipse::PDFCode(TQuarrionCanvas& canvas, std::string& out) {
  out.append(canvas.EndPDFText());
  if (Shadow) {
    canvas.AppendPDFState(out, Fill ? "rg" : "RG", PDFColour(ShadowColour));
    out.append(EllipsePath(canvas, ShadowX, ShadowY)).append(Fill ? "f\n" : "s\n");
  }
  AppendPDFDashAndWidth(canvas, out);
  if (Outline) canvas.AppendPDFState(out, "RG", PDFColour(OutlineColour));
  TPDFGradient* g = Gradient();
  if (Fill && g) {
    out.append("q\n").append(EllipsePath(canvas)).append("W n /Shading");
    AppendInt(out, g->ShadingNumber);
    out.append(" sh Q\n");
    if (Outline) out.append(EllipsePath(canvas)).append("s\n");
    return;
  }
  if (Fill) canvas.AppendPDFState(out, "rg", PDFColour(FillColour));
  const char* paint = Outline ? (Fill ? "b\n" : "s\n") : (Fill ? "f\n" : "n\n");
  out.append(EllipsePath(canvas)).append(paint);
}

void TPDFEllipse::SVGCode(TQuarrionCanvas&, std::string& out) {
  std::string stroke;
  AppendSVGStroke(stroke);
  const auto shape = [&](int dx, int dy, const std::string& strokeColour, const std::string& fill) {
    out.append("<ellipse stroke=\"").append(strokeColour).append("\" fill=\"").append(fill);
    out.append("\" ").append(stroke).append("cx=\"");
    AppendCoordinate(out, (Left + Right) / 2.0 + dx);
    out.append("\" cy=\"");
    AppendCoordinate(out, (Top + Bottom) / 2.0 + dy);
    out.append("\" rx=\"");
    AppendCoordinate(out, (Right - Left) / 2.0);
    out.append("\" ry=\"");
    AppendCoordinate(out, (Bottom - Top) / 2.0);
    out.append("\"/>\n");
  };
  if (Shadow) shape(ShadowX, ShadowY, SVGColour(ShadowColour), Fill ? SVGColour(ShadowColour) : "none");
  std::string fill = "none";
  if (Fill) fill = Gradient() ? "url(#Grad" + IntToStr(Gradient()->ObjectID) + ")" : SVGColour(FillColour);
  shape(0, 0, Outline ? SVGColour(OutlineColour) : "none", fill);
}
