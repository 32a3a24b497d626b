#include "text/text_walk.h"

#include "text/display_string.h"
#include "text/style_state.h"

TTextWalk::TTextWalk(TPDFText& text, TQuarrionCanvas& canvas)
    : text_(text), canvas_(canvas), layout_(text.CachedLayout(&canvas)),
      S(text.FontSize / 1000.0), L(text.LineSpacing / 1000.0) {}

void TTextWalk::Walk() {
  const std::uint8_t saved = text_.FontStyle;
  text_.FontStyle = 0;
  text_.StyleState = 0;
  const std::string_view d = layout_.Display;
  for (std::size_t i = 0; i < layout_.Lines.size(); ++i) {
    const TPDFText::TLine& line = layout_.Lines[i];
    if (SegmentOpen()) FlushUnderline();
    if (InLink) LinkArea();
    X = line.X0;
    Moved = false;
    if (SegmentOpen()) StartSegment(i);
    if (InLink) {
      AreaStart = X;
      AreaLine = i;
    }
    BeginLine(i);
    for (std::size_t p = line.Start; p < line.End;) {
      if (d[p] == Pair::Lead) {
        std::size_t n = std::min(PairLength(d, p), line.End - p);
        Pair(d.substr(p, n), i);
        p += n;
        continue;
      }
      std::size_t q = p;
      while (q < line.End && d[q] != Pair::Lead) ++q;
      std::string_view run = d.substr(p, q - p);
      Text(run);
      Moved = false;
      X += text_.MeasureText(run, X);
      p = q;
    }
    EndLine(i);
  }
  // A segment stays open only while it is drawn: a link that never ends without
  // underlined links has no segment to close.
  if (SegmentOpen()) FlushUnderline();
  if (InLink) LinkArea();
  text_.FontStyle = saved;
}

void TTextWalk::Pair(std::string_view pair, std::size_t line) {
  if (pair.size() < 2) return;
  const auto code = static_cast<unsigned char>(pair[1]);
  if (code >= Pair::BoldOn && code <= Pair::ItalicOff) {
    const std::uint8_t old = text_.FontStyle;
    if (code == Pair::BoldOn) text_.FontStyle |= TextStyle::Bold;
    if (code == Pair::BoldOff) text_.FontStyle &= std::uint8_t(~TextStyle::Bold);
    if (code == Pair::ItalicOn) text_.FontStyle |= TextStyle::Italic;
    if (code == Pair::ItalicOff) text_.FontStyle &= std::uint8_t(~TextStyle::Italic);
    // The measuring style follows the run style, so the runs after a switch advance X by
    // the widths of the font they are shown in.
    text_.StyleState = NextStyleState(text_.StyleState, code);
    if (text_.FontStyle != old) StyleChanged(old);
  } else if (IsLinkStart(code)) {
    // A link opened inside another closes the outer one's area and segment first.
    if (InLink) LinkArea();
    if (text_.UnderlineLinks && SegmentOpen()) FlushUnderline();
    if (text_.UnderlineLinks) StartSegment(line);
    const bool wasInLink = InLink;
    InLink = true;
    LinkKind = code == Pair::PageLink ? 0 : code == Pair::RelativeLink ? 1 : code == Pair::WebLink ? 2 : 3;
    LinkTarget = 0;
    LinkAddress.clear();
    if (HasAddress(code))
      LinkAddress.assign(pair.substr(std::min<std::size_t>(4, pair.size())));
    else
      LinkTarget = ReadTwoByteNumber(pair, 2) - LinkNumberBias;
    AreaStart = X;
    AreaLine = line;
    if (!wasInLink) LinkStarted();
  } else if (code == Pair::LinkEnd) {
    if (!InLink) return;
    LinkArea();
    if (text_.UnderlineLinks) {
      FlushUnderline();
      if (UnderlineOn) StartSegment(line);
    }
    InLink = false;
    LinkEnded();
  } else if (code == Pair::Tab) {
    X = NextTabStop(text_.TabStops, X);
    Moved = true;
  } else if (code == Pair::UnderlineOn) {
    // A second underline-on inside an underline keeps the segment already running.
    if (UnderlineOn) return;
    UnderlineOn = true;
    if (!(InLink && text_.UnderlineLinks)) StartSegment(line);
  } else if (code == Pair::UnderlineOff) {
    if (!UnderlineOn) return;
    UnderlineOn = false;
    FlushUnderline();
    if (InLink && text_.UnderlineLinks) StartSegment(line);
  }
}
