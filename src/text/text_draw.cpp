// Screen drawing of a text object and the link areas it attaches.
#include <cmath>

#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/annot.h"
#include "text/display_string.h"
#include "text/style_state.h"
#include "text/text_walk.h"

namespace {

// Records one link annotation per line of every link span, in page units.
class TLinkPass : public TTextWalk {
 public:
  using TTextWalk::TTextWalk;

 private:
  void LinkArea() override {
    const double lineTop = text_.Top + double(AreaLine) * L;
    auto link = std::make_unique<TPDFAnnot>(ClampCoord(std::llround(std::trunc(AreaStart + text_.Left))),
                                            ClampCoord(std::llround(std::trunc(lineTop))),
                                            ClampCoord(std::llround(std::ceil(X + text_.Left))),
                                            ClampCoord(std::llround(std::trunc(lineTop + L))));
    link->LinkKind = LinkKind;
    link->Destination.Page = LinkKind <= 1 ? LinkTarget : 0;
    link->Target = LinkKind >= 2 ? LinkAddress : std::string();
    text_.AddAnnot(std::move(link));
  }
};

}  // namespace

void TPDFText::RebuildLinks(TQuarrionCanvas& canvas) {
  ClearAnnots();
  TLinkPass(*this, canvas).Walk();
  Dirty = false;
}

void TPDFText::PrepareForExport(TQuarrionCanvas& canvas) {
  if (Dirty) RebuildLinks(canvas);
}

void TPDFText::Draw(TQuarrionCanvas& canvas) {
  // The link areas come from the same page-unit pass as the PDF and SVG output, so they
  // fit the exported text whatever the zoom on screen.
  if (Dirty) RebuildLinks(canvas);
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  const double size = FontSize / 1000.0, spacing = LineSpacing / 1000.0;
  const double zoomY = canvas.ZoomY / 1000.0, z = canvas.ZoomX / 1000.0;
  TScreenFont font;
  font.Name = Face().Name;
  font.CellHeight = int(std::trunc(size * 0.92 * canvas.ZoomY / 1000));
  // A style the face lacks is shown in its regular font, as the layout measured it.
  auto applyStyle = [&] {
    const int shown = Face().Face.AvailableStyle(FontStyle);
    font.Bold = shown & TextStyle::Bold;
    font.Italic = shown & TextStyle::Italic;
  };
  applyStyle();
  font.Colour = TextColour;
  s->SetFont(font);
  s->SetBrush({0, TBrushStyle::Clear});
  const TLayout& layout = CachedLayout(&canvas);
  const TRect box = ScreenRect(canvas, Left, Top, Right, Bottom);
  const double sw = box.Width();
  if (Bulleted) {
    const double bx = Alignment == TextAlign::Right ? s->TextWidth(" ") + sw : -s->TextWidth(" \x95");
    s->TextOut(box.Left + int(std::trunc(bx)), box.Top, "\x95");
  }
  const std::uint8_t saved = FontStyle;
  StyleState = 0;
  bool inLink = false, underlineOn = false;
  const std::string_view d = layout.Display;
  for (std::size_t i = 0; i < layout.Lines.size(); ++i) {
    const TLine& line = layout.Lines[i];
    const double slack = sw - z * line.Width;
    double x = Alignment == TextAlign::Right ? slack : Alignment == TextAlign::Centre ? slack / 2 : 0;
    if (BlockOut) {
      s->SetBrush({BlockColour, TBrushStyle::Solid});
      s->FillRect({box.Left + int(std::trunc(x - z * size / 3)), box.Top + int(std::trunc(zoomY * i * spacing)),
                   box.Left + int(std::ceil(x + (line.Width + size / 3) * z)),
                   box.Top + int(std::ceil(zoomY * (i + 1) * spacing))});
      s->SetBrush({0, TBrushStyle::Clear});
    }
    const int y = box.Top + int(std::trunc(i * spacing * canvas.ZoomY / 1000));
    for (std::size_t p = line.Start; p < line.End;) {
      const auto c = static_cast<unsigned char>(d[p]);
      if (c == 1) {
        const std::size_t n = std::min(PairLength(d, p), line.End - p);
        const unsigned char code = n >= 2 ? static_cast<unsigned char>(d[p + 1]) : 0;
        p += n;
        if (code >= Pair::BoldOn && code <= Pair::ItalicOff) {
          if (code == Pair::BoldOn) FontStyle |= TextStyle::Bold;
          if (code == Pair::BoldOff) FontStyle &= std::uint8_t(~TextStyle::Bold);
          if (code == Pair::ItalicOn) FontStyle |= TextStyle::Italic;
          if (code == Pair::ItalicOff) FontStyle &= std::uint8_t(~TextStyle::Italic);
          StyleState = NextStyleState(StyleState, code);
          applyStyle();
        } else if (IsLinkStart(code)) {
          inLink = true;
          if (UnderlineLinks) font.Underline = true;
          font.Colour = LinkColour;
        } else if (code == Pair::LinkEnd) {
          inLink = false;
          if (!underlineOn) font.Underline = false;
          font.Colour = TextColour;
        } else if (code == Pair::Tab) {
          // The tiny addition keeps the next tab from choosing the same stop after rounding.
          x = z * NextTabStop(TabStops, z > 0 ? x / z : 0) + 0.00000001;
          continue;
        } else if (code == Pair::UnderlineOn) {
          font.Underline = true;
          underlineOn = true;
        } else if (code == Pair::UnderlineOff) {
          if (!(inLink && UnderlineLinks)) font.Underline = false;
          underlineOn = false;
        } else {
          continue;
        }
        s->SetFont(font);
        continue;
      }
      ++p;
      if (c < 32) continue;
      const char ch = char(c);
      s->TextOut(int(std::trunc(box.Left + x)), y, std::string(1, ch));
      x += z * MeasureText(std::string_view(&ch, 1), z > 0 ? x / z : 0);
    }
  }
  FontStyle = saved;
  StyleState = 0;
}
