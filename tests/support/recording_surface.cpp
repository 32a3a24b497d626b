#include "support/recording_surface.h"

namespace {
std::string R(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
         "," + std::to_string(r.Bottom);
}
std::string P(TPoint p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }
}  // namespace

void RecordingSurface::SetPen(const TPen& pen) {
  Pen = pen;
  Calls.push_back("pen " + std::to_string(pen.Colour) + " w" + std::to_string(pen.Width) +
                  (pen.Style == TPenStyle::Dotted ? " dotted" : " solid") +
                  (pen.Mode == TPenMode::Not ? " not" : " copy"));
}

void RecordingSurface::SetBrush(const TBrush& brush) {
  Brush = brush;
  Calls.push_back("brush " + (brush.Style == TBrushStyle::Clear ? std::string("clear")
                                                                : std::to_string(brush.Colour)));
}

void RecordingSurface::SetFont(const TScreenFont& font) {
  Font = font;
  Calls.push_back("font " + font.Name + " " + std::to_string(font.CellHeight) +
                  (font.Bold ? " b" : "") + (font.Italic ? " i" : "") + (font.Underline ? " u" : ""));
}

void RecordingSurface::FillRect(const TRect& r) { Calls.push_back("fill " + R(r)); }
void RecordingSurface::FrameRect(const TRect& r) { Calls.push_back("frame " + R(r)); }
void RecordingSurface::Rectangle(const TRect& r) { Calls.push_back("rect " + R(r)); }
void RecordingSurface::Ellipse(const TRect& r) { Calls.push_back("ellipse " + R(r)); }
void RecordingSurface::Line(TPoint a, TPoint b) { Calls.push_back("line " + P(a) + " " + P(b)); }

void RecordingSurface::Polygon(const std::vector<TPoint>& points) {
  std::string s = "polygon";
  for (auto p : points) s += " " + P(p);
  Calls.push_back(s);
}

void RecordingSurface::Bezier(const std::array<TPoint, 4>& points) {
  std::string s = "bezier";
  for (auto p : points) s += " " + P(p);
  Calls.push_back(s);
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
  Calls.push_back("text " + P({x, y}) + " " + text);
}

int RecordingSurface::TextWidth(const std::string& text) { return CharWidth * int(text.size()); }

void RecordingSurface::Draw(int x, int y, const TBitmap& bitmap) {
  Calls.push_back("draw " + P({x, y}) + " " + std::to_string(bitmap.Width()) + "x" +
                  std::to_string(bitmap.Height()));
}

void RecordingSurface::StretchDraw(const TRect& r, const TBitmap& bitmap) {
  Calls.push_back("stretch " + R(r) + " " + std::to_string(bitmap.Width()) + "x" +
                  std::to_string(bitmap.Height()));
}

std::vector<std::string> RecordingSurface::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& c : Calls)
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  return out;
}
