#include "objects/line.h"

#include <cstdlib>

#include "base/pdf_colour_state.h"
#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"

const std::array<TDashStyle, 6>& DashStyles() {
  static const std::array<TDashStyle, 6> kStyles = {{{"Current", {}},
                                                     {"Solid", {}},
                                                     {"Dashed", {4}},
                                                     {"Short Dashes", {2}},
                                                     {"Dotted", {1, 4}},
                                                     {"Dash Dot", {4, 4, 1, 4}}}};
  return kStyles;
}

TPDFLine::TPDFLine(int left, int top, int right, int bottom)
    : TPDFObject(left, top, right, bottom) {
  LineWidth = 1.0;
  HelpContext = 1502;
}

std::unique_ptr<TPDFObject> TPDFLine::CreateBlank() const {
  return std::make_unique<TPDFLine>(0, 0, 0, 0);
}

bool TPDFLine::Near(int x, int y, int px, int py) {
  return std::llabs(static_cast<long long>(x) - px) < 4 &&
         std::llabs(static_cast<long long>(y) - py) < 4;
}

int TPDFLine::HitTest(int x, int y) const {
  if (Near(x, y, Left, Top)) return Edge::TopLeft;
  if (Near(x, y, Right, Bottom)) return Edge::BottomRight;
  // Twice the distance outside the bounding box, horizontally and vertically.
  auto outside = [](long long v, long long a, long long b) {
    return std::llabs(std::llabs(v - a) + std::llabs(v - b) - std::llabs(b - a));
  };
  return outside(x, Left, Right) + outside(y, Top, Bottom) < 16 ? Edge::All : 0;
}

int TPDFLine::PenWidth(const TQuarrionCanvas& canvas) const {
  return int(static_cast<long long>(canvas.ZoomX * LineWidth) / 1000);
}

void TPDFLine::Draw(TQuarrionCanvas& canvas) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({Colour, PenWidth(canvas), TPenStyle::Solid, TPenMode::Copy});
  DashedLine(*s, canvas.PageToScreen(Left, Top), canvas.PageToScreen(Right, Bottom));
}

void TPDFLine::DrawHighlight(TQuarrionCanvas& canvas) {
  DrawHandles(canvas, {Left, Top, Right, Bottom});
}

void TPDFLine::DrawFrame(TQuarrionCanvas& canvas, const TRect& b) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({0, PenWidth(canvas), TPenStyle::Dotted, TPenMode::Not});
  s->SetBrush({0, TBrushStyle::Clear});
  s->Line(canvas.PageToScreen(b.Left, b.Top), canvas.PageToScreen(b.Right, b.Bottom));
}

void TPDFLine::DrawHandleSquares(TQuarrionCanvas& canvas, const TPoint* points, int count) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({0, 1, TPenStyle::Solid, TPenMode::Copy});
  s->SetBrush({0xFFFF00, TBrushStyle::Solid});
  for (int i = 0; i < count; ++i) {
    TPoint p = canvas.PageToScreen(points[i].X, points[i].Y);
    s->Rectangle({p.X - 4, p.Y - 4, p.X + 4, p.Y + 4});
  }
}

void TPDFLine::DrawHandles(TQuarrionCanvas& canvas, const TRect& b) {
  const TPoint ends[2] = {{b.Left, b.Top}, {b.Right, b.Bottom}};
  DrawHandleSquares(canvas, ends, 2);
}

void TPDFLine::AppendPDFStroke(TQuarrionCanvas& canvas, std::string& out) const {
  out.append(canvas.EndPDFText());
  AppendPDFDashAndWidth(canvas, out);
  AppendPDFColourState(canvas.PDFState(), out, "RG", Colour);
}

void TPDFLine::PDFCode(TQuarrionCanvas& canvas, std::string& out) {
  const long long h = canvas.PageHeight;
  AppendPDFStroke(canvas, out);
  AppendInt(out, Left);
  out.push_back(' ');
  AppendInt(out, h - Top);
  out.append(" m ");
  AppendInt(out, Right);
  out.push_back(' ');
  AppendInt(out, h - Bottom);
  out.append(" l S\n");
}

void TPDFLine::AppendSVGStart(std::string& out, const char* tag) const {
  out.push_back('<');
  out.append(tag).append(" stroke=\"").append(SVGColour(Colour)).append("\" fill=\"none\" ");
  AppendSVGStroke(out);
}

void TPDFLine::SVGCode(TQuarrionCanvas&, std::string& out) {
  AppendSVGStart(out, "line");
  const std::pair<const char*, int> attrs[4] = {{"x1", Left}, {"y1", Top}, {"x2", Right}, {"y2", Bottom}};
  for (int i = 0; i < 4; ++i) {
    if (i) out.push_back(' ');
    out.append(attrs[i].first).append("=\"");
    AppendInt(out, attrs[i].second);
    out.push_back('"');
  }
  out.append("/>\n");
}

void TPDFLine::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Line)) return;
  TPDFObject::AssignAppearanceTo(dest);
  static_cast<TPDFLine&>(dest).Colour = Colour;
}

void TPDFLine::SaveToString(std::string& out) const {
  TPDFObject::SaveToString(out);
  ByteWriter w(out);
  w.Colour(Colour);
  w.Zeros(16);
}

void TPDFLine::LoadFromString(ByteReader& in) {
  TPDFObject::LoadFromString(in);
  Colour = in.Colour("line colour");
  in.Skip(16, "line reserved bytes");
}
