#include "objects/rectangle.h"

#include "base/pdf_colour_state.h"
#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/gradient.h"

TPDFRectangle::TPDFRectangle(int left, int top, int right, int bottom)
    : TPDFNormalised(left, top, right, bottom) {
  HelpContext = 1504;
}

std::unique_ptr<TPDFObject> TPDFRectangle::CreateBlank() const {
  return std::make_unique<TPDFRectangle>(0, 0, 0, 0);
}

void TPDFRectangle::Draw(TQuarrionCanvas& canvas) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  TRect r = ScreenRect(canvas, Left, Top, Right, Bottom);
  if (Shadow) {
    s->SetBrush({ShadowColour, TBrushStyle::Solid});
    s->SetPen({ShadowColour, 1, TPenStyle::Solid, TPenMode::Copy});
    if (Fill)
      s->FillRect(ScreenRect(canvas, Left + ShadowX, Top + ShadowY, Right + ShadowX + 1,
                             Bottom + ShadowY + 1));
    else
      s->FrameRect(ScreenRect(canvas, Left + ShadowX, Top + ShadowY, Right + ShadowX,
                              Bottom + ShadowY));
  }
  int width = int(static_cast<long long>(canvas.ZoomX * LineWidth) / 1000);
  s->SetPen({OutlineColour, width, TPenStyle::Solid, TPenMode::Copy});
  s->SetBrush({FillColour, TBrushStyle::Solid});
  if (Fill) {
    if (auto* g = Gradient()) {
      g->PlaceGradient(*this);
      s->Draw(r.Left, r.Top, g->RenderGradient(canvas, *this));
    } else {
      s->FillRect(r);
    }
  }
  if (Outline) {
    TPoint tl{r.Left, r.Top}, tr{r.Right, r.Top}, bl{r.Left, r.Bottom}, br{r.Right, r.Bottom};
    std::vector<std::array<TPoint, 2>> sides;
    AppendDashes(sides, tl, tr);
    AppendDashes(sides, bl, tl);
    AppendDashes(sides, br, bl);
    AppendDashes(sides, tr, br);
    s->Lines(sides);
  }
}

std::string TPDFRectangle::RectPath(const TQuarrionCanvas& canvas) const {
  std::string p;
  AppendInt(p, Left);
  p.push_back(' ');
  AppendInt(p, canvas.PageHeight - Bottom);
  p.push_back(' ');
  AppendInt(p, static_cast<long long>(Right) - Left);
  p.push_back(' ');
  AppendInt(p, static_cast<long long>(Bottom) - Top);
  p.append(" re");
  return p;
}

void TPDFRectangle::PDFCode(TQuarrionCanvas& canvas, std::string& out) {
  const int h = canvas.PageHeight;
  const long long x1 = Left, y1 = h - Top, x2 = Right, y2 = h - Bottom;
  out.append(canvas.EndPDFText());
  if (Shadow) {
    AppendPDFColourState(canvas.PDFState(), out, Fill ? "rg" : "RG", ShadowColour);
    AppendInt(out, x1 + ShadowX);
    out.push_back(' ');
    AppendInt(out, y2 - ShadowY);
    out.push_back(' ');
    AppendInt(out, x2 - x1);
    out.push_back(' ');
    AppendInt(out, y1 - y2);
    out.append(Fill ? " re F\n" : " re S\n");
  }
  AppendPDFDashAndWidth(canvas, out);
  if (Outline) AppendPDFColourState(canvas.PDFState(), out, "RG", OutlineColour);
  TPDFGradient* g = Gradient();
  if (Fill && !g) AppendPDFColourState(canvas.PDFState(), out, "rg", FillColour);
  std::string path = RectPath(canvas);
  if (g && Fill) {
    out.append(path).append(" q W n /Shading");
    AppendInt(out, g->ShadingNumber);
    out.append(Outline ? " sh Q n " : " sh Q\n");
    if (Outline) out.append(path).append(" S\n");
    return;
  }
  const char* paint = Outline ? (Fill ? "B" : "S") : (Fill ? "F" : "n");
  out.append(path).push_back(' ');
  out.append(paint).push_back('\n');
}

void TPDFRectangle::AppendSVGBox(std::string& out) const {
  std::string stroke;
  AppendSVGStroke(stroke);
  auto geometry = [&](long long x, long long y) {
    AppendSVGGeometry(out, x, y);
    out.append("\"/>\n");
  };
  if (Shadow) {
    std::string c = SVGColour(ShadowColour);
    out.append("<rect stroke=\"").append(c).append("\" fill=\"").append(c).append("\" ");
    out.append(stroke);
    geometry(static_cast<long long>(Left) + ShadowX, static_cast<long long>(Top) + ShadowY);
  }
  out.append("<rect stroke=\"").append(Outline ? SVGColour(OutlineColour) : "none");
  out.append("\" fill=\"");
  if (auto* g = Gradient())
    out.append("url(#Grad").append(IntToStr(g->ObjectID)).append(")");
  else
    out.append(Fill ? SVGColour(FillColour) : "none");
  out.append("\" ").append(stroke);
  geometry(Left, Top);
}

void TPDFRectangle::SVGCode(TQuarrionCanvas&, std::string& out) { AppendSVGBox(out); }

void TPDFRectangle::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Rectangle)) return;
  TPDFObject::AssignAppearanceTo(dest);
  auto& r = static_cast<TPDFRectangle&>(dest);
  r.Outline = Outline;
  r.Fill = Fill;
  r.Shadow = Shadow;
  r.OutlineColour = OutlineColour;
  r.FillColour = FillColour;
  r.ShadowColour = ShadowColour;
  r.ShadowX = ShadowX;
  r.ShadowY = ShadowY;
}

void TPDFRectangle::SaveToString(std::string& out) const {
  TPDFObject::SaveToString(out);
  ByteWriter w(out);
  w.Flags(std::uint8_t((Outline ? 1 : 0) | (Fill ? 2 : 0) | (Shadow ? 4 : 0)));
  w.Colour(OutlineColour);
  w.Colour(FillColour);
  w.Colour(ShadowColour);
  w.Byte(static_cast<long long>(ShadowX) + 128, "shadow offset X + 128");
  w.Byte(static_cast<long long>(ShadowY) + 128, "shadow offset Y + 128");
  w.Zeros(14);
}

void TPDFRectangle::LoadFromString(ByteReader& in) {
  TPDFObject::LoadFromString(in);
  std::uint8_t flags = in.Byte("rectangle flags");
  Outline = flags & 1;
  Fill = flags & 2;
  Shadow = flags & 4;
  OutlineColour = in.Colour("outline colour");
  FillColour = in.Colour("fill colour");
  ShadowColour = in.Colour("shadow colour");
  ShadowX = in.Byte("shadow offset") - 128;
  ShadowY = in.Byte("shadow offset") - 128;
  in.Skip(14, "rectangle reserved bytes");
}
