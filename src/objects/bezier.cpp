#include "objects/bezier.h"

#include "base/number_format.h"
#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/gradient.h"

TPDFBezier::TPDFBezier(int left, int top, int right, int bottom)
    : TPDFBezier(left, top, right, bottom, left - 50, top - 50, right + 50, bottom + 50) {}

TPDFBezier::TPDFBezier(int left, int top, int right, int bottom, int controlX1, int controlY1,
                       int controlX2, int controlY2)
    : TPDFLine(left, top, right, bottom),
      ControlX1(ClampCoord(controlX1)),
      ControlY1(ClampCoord(controlY1)),
      ControlX2(ClampCoord(controlX2)),
      ControlY2(ClampCoord(controlY2)) {
  HelpContext = 1503;
}

std::unique_ptr<TPDFObject> TPDFBezier::CreateBlank() const {
  return std::make_unique<TPDFBezier>(0, 0, 0, 0);
}

void TPDFBezier::MoveEdges(int edges, int dx, int dy) {
  auto has = [edges](int set) { return (edges & set) == set; };
  auto move = [dx, dy](int& x, int& y) {
    x = ClampCoord(static_cast<long long>(x) + dx);
    y = ClampCoord(static_cast<long long>(y) + dy);
  };
  if (has(Edge::TopLeft)) move(Left, Top);
  if (has(Edge::BottomRight)) move(Right, Bottom);
  if (has(Edge::TopRight)) move(ControlX1, ControlY1);
  if (has(Edge::BottomLeft)) move(ControlX2, ControlY2);
  if (auto* g = Gradient()) g->PlaceGradient(*this);
}

int TPDFBezier::HitTest(int x, int y) const {
  // The control points come first: they may sit on top of an end point.
  if (Near(x, y, ControlX1, ControlY1)) return Edge::TopRight;
  if (Near(x, y, ControlX2, ControlY2)) return Edge::BottomLeft;
  return TPDFLine::HitTest(x, y);
}

std::array<TPoint, 4> TPDFBezier::ScreenPoints(const TQuarrionCanvas& canvas,
                                               const TRect& ends) const {
  return {canvas.PageToScreen(ends.Left, ends.Top), canvas.PageToScreen(ControlX1, ControlY1),
          canvas.PageToScreen(ControlX2, ControlY2), canvas.PageToScreen(ends.Right, ends.Bottom)};
}

void TPDFBezier::Draw(TQuarrionCanvas& canvas) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  // The surface has no dashed curves; the pattern shows in PDF and SVG only.
  s->SetPen({Colour, PenWidth(canvas), TPenStyle::Solid, TPenMode::Copy});
  s->SetBrush({0, TBrushStyle::Clear});
  s->Bezier(ScreenPoints(canvas, {Left, Top, Right, Bottom}));
}

void TPDFBezier::DrawFrame(TQuarrionCanvas& canvas, const TRect& b) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  s->SetPen({0, PenWidth(canvas), TPenStyle::Dotted, TPenMode::Not});
  s->SetBrush({0, TBrushStyle::Clear});
  s->Bezier(ScreenPoints(canvas, b));
}

void TPDFBezier::DrawHandles(TQuarrionCanvas& canvas, const TRect& b) {
  const TPoint points[4] = {
      {b.Left, b.Top}, {b.Right, b.Bottom}, {ControlX1, ControlY1}, {ControlX2, ControlY2}};
  DrawHandleSquares(canvas, points, 4);
}

void TPDFBezier::PDFCode(TQuarrionCanvas& canvas, std::string& out) {
  const long long h = canvas.PageHeight;
  AppendPDFStroke(canvas, out);
  auto point = [&](long long x, long long y, const char* after) {
    AppendInt(out, x);
    out.push_back(' ');
    AppendInt(out, h - y);
    out.append(after);
  };
  point(Left, Top, " m ");
  point(ControlX1, ControlY1, " ");
  point(ControlX2, ControlY2, " ");
  point(Right, Bottom, " c S\n");
}

void TPDFBezier::SVGCode(TQuarrionCanvas&, std::string& out) {
  AppendSVGStart(out, "path");
  auto point = [&](int x, int y, char after) {
    AppendInt(out, x);
    out.push_back(' ');
    AppendInt(out, y);
    if (after) out.push_back(after);
  };
  out.append("d=\"M");
  point(Left, Top, 'C');
  point(ControlX1, ControlY1, ' ');
  point(ControlX2, ControlY2, ' ');
  point(Right, Bottom, 0);
  out.append("\"/>\n");
}

void TPDFBezier::AssignGeometryTo(TPDFObject& dest) const {
  TPDFLine::AssignGeometryTo(dest);
  if (!dest.IsA(ClassId::Bezier)) return;
  auto& b = static_cast<TPDFBezier&>(dest);
  b.ControlX1 = ControlX1;
  b.ControlY1 = ControlY1;
  b.ControlX2 = ControlX2;
  b.ControlY2 = ControlY2;
}

void TPDFBezier::SaveToString(std::string& out) const {
  TPDFLine::SaveToString(out);
  ByteWriter w(out);
  w.Word(static_cast<long long>(ControlX1) + 512, "first control point x + 512");
  w.Word(static_cast<long long>(ControlY1) + 512, "first control point y + 512");
  w.Word(static_cast<long long>(ControlX2) + 512, "second control point x + 512");
  w.Word(static_cast<long long>(ControlY2) + 512, "second control point y + 512");
}

void TPDFBezier::LoadFromString(ByteReader& in) {
  TPDFLine::LoadFromString(in);
  ControlX1 = int(in.Word("first control point x")) - 512;
  ControlY1 = int(in.Word("first control point y")) - 512;
  ControlX2 = int(in.Word("second control point x")) - 512;
  ControlY2 = int(in.Word("second control point y")) - 512;
}
