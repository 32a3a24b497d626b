// Measuring display strings and the geometry of the laid-out lines.
#include "text/text.h"

#include <utility>

#include "text/display_string.h"
#include "text/style_state.h"

double TPDFText::MeasureText(std::string_view s, const TPostScriptFontFace& face, double startX,
                             double size) {
  double x = startX;
  std::uint8_t state = StyleState & 3;
  // The widths of the font in use, looked up again only where a pair changes the style.
  const TPostScriptFont* font = &face.Font(state);
  const std::size_t n = s.size();
  for (std::size_t i = 0; i < n;) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 32) {
      if (c == 1) {
        if (i + 1 < n) {
          const auto code = static_cast<unsigned char>(s[i + 1]);
          if (code == Pair::Tab) x = NextTabStop(TabStops, x);
          state = NextStyleState(state, code);
          font = &face.Font(state);
        }
        i += PairLength(s, i);
      } else {
        ++i;
      }
      continue;
    }
    ++i;
    // A backslash before anything but a digit is the escape of a PDF string: no width.
    if (c == '\\' && i < n && !(s[i] >= '0' && s[i] <= '9')) continue;
    x += font->Widths[c - 32] * size / 1000000.0;
  }
  StyleState = state;
  return x - startX;
}

double TPDFText::MeasureText(std::string_view s, double startX) {
  return MeasureText(s, Face().Face, startX, FontSize);
}

std::string TPDFText::TrimLine(std::string_view s) {
  auto white = [&](std::size_t i) {
    char c = s[i];
    if (i > 0 && s[i - 1] == Pair::Lead) return false;  // a control code, not text
    return c == ' ' || c == '\n' || c == '\r' || c == '\x08';
  };
  std::size_t begin = 0, end = s.size();
  while (begin < end && white(begin)) ++begin;
  if (begin == end) return std::string(s);
  while (end > begin && white(end - 1)) --end;
  return std::string(s.substr(begin, end - begin));
}

namespace {
// Splits at CR, LF or CR LF; link payloads are never split. A final line break ends the
// last line and opens no new one.
std::vector<TPDFText::TLine> SplitLines(std::string_view d) {
  std::vector<TPDFText::TLine> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < d.size();) {
    char c = d[i];
    if (c == Pair::Lead) {
      i += PairLength(d, i);
    } else if (c == '\n' || c == '\r') {
      lines.push_back({start, i, 0, 0});
      i += (c == '\r' && i + 1 < d.size() && d[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < d.size()) lines.push_back({start, d.size(), 0, 0});
  return lines;
}
}  // namespace

TPDFText::TLayout TPDFText::Layout(const TQuarrionCanvas* canvas) {
  return LayoutExpanded(ProcessMarkup(text_, true, canvas));
}

TPDFText::TLayoutInputs TPDFText::LayoutInputs() const {
  return {EffectiveFace(), FontSize, Left, Right, Wrap, Bulleted, Alignment, TabStops};
}

const TPDFText::TLayout& TPDFText::CachedLayout(const TQuarrionCanvas* canvas) {
  const std::string& expanded = ExpandedText(canvas);
  TLayoutInputs inputs = LayoutInputs();
  if (!haveLayout_ || !(inputs == layoutInputs_) || expanded != layoutExpanded_) {
    layout_ = LayoutExpanded(expanded);
    layoutInputs_ = std::move(inputs);
    layoutExpanded_ = expanded;
    haveLayout_ = true;
  }
  StyleState = 0;
  return layout_;
}

TPDFText::TLayout TPDFText::LayoutExpanded(std::string_view expanded) {
  TLayout layout;
  // Every pass wraps from the regular style, so a pass never depends on what the one
  // before it left behind (unbalanced bold or italic tags would otherwise make the PDF
  // differ with whether the slide was shown first).
  StyleState = 0;
  layout.Display = WrapText(expanded);
  const double w = double(Right) - Left;
  if (Bulleted)
    layout.BulletX = Alignment == TextAlign::Right ? w + MeasureText(" ") : -MeasureText(" \x95");
  StyleState = 0;
  layout.Lines = SplitLines(layout.Display);
  for (TLine& line : layout.Lines) {
    // The state runs on from line to line as the pass walks the style pairs.
    line.Width = MeasureText(std::string_view(layout.Display).substr(line.Start, line.End - line.Start));
    const double slack = w - line.Width;
    line.X0 = Alignment == TextAlign::Right ? slack : Alignment == TextAlign::Centre ? slack / 2 : 0;
  }
  StyleState = 0;
  return layout;
}
