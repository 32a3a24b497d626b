// PDF and SVG output of a text object.
#include <cmath>

#include "base/number_format.h"
#include "base/pdf_colour_state.h"
#include "base/pdf_syntax.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "text/text_walk.h"

namespace {

void AppendF(std::string& out, double v) { AppendShortest(out, v); }

// The built-in faces by their Windows names, then fonts with the same widths found
// elsewhere: a browser without the Windows fonts would otherwise take a wider one, and
// lines would overflow their boxes and leave their underlines behind.
void AppendSVGFontFamily(std::string& out, const std::string& face) {
  static constexpr struct {
    const char* Face;
    const char* Family;
  } kFamilies[] = {
      {"Arial", "Arial, Helvetica, 'Liberation Sans', Arimo, 'Nimbus Sans', sans-serif"},
      {"Times New Roman",
       "'Times New Roman', Times, 'Liberation Serif', Tinos, 'Nimbus Roman', serif"},
      // Not Nimbus Mono PS: Chromium draws it 4% narrower than its 600-unit advances.
      {"Courier New", "'Courier New', Courier, 'Liberation Mono', Cousine, monospace"},
      {"Symbol", "Symbol, 'Standard Symbols PS'"},
      {"Wingdings", "Wingdings, 'Zapf Dingbats', ZapfDingbats, D050000L"},
  };
  for (const auto& f : kFamilies)
    if (face == f.Face) {
      out.append(f.Family);
      return;
    }
  AppendEscaped(out, face, true);
}

// The font operands: "/F<face>[b][i] <size>".
void AppendFont(std::string& out, int face, const TPostScriptFontFace& fonts, std::uint8_t style,
                std::string_view size) {
  style = std::uint8_t(fonts.AvailableStyle(style));
  out.append("/F");
  AppendInt(out, face);
  if (style & TextStyle::Bold) out.push_back('b');
  if (style & TextStyle::Italic) out.push_back('i');
  out.push_back(' ');
  out.append(size);
}

class TPDFPass : public TTextWalk {
 public:
  TPDFPass(TPDFText& text, TQuarrionCanvas& canvas, std::string& out)
      : TTextWalk(text, canvas), out_(out), pt_(double(canvas.PageHeight) - text.Top),
        underline_(Buffer(0)), operands_(Buffer(1)), face_(text.EffectiveFace()),
        fonts_(text.Face().Face) {
    AppendF(size_, S);
  }

  void Write();

 private:
  // The operands go through one reused buffer: a pass sets fonts and colours often.
  void SetFont() {
    operands_.clear();
    AppendFont(operands_, face_, fonts_, text_.FontStyle, size_);
    canvas_.AppendPDFState(out_, "Tf", operands_);
  }
  void SetColour(std::string& out, std::string_view op, TColor colour) {
    AppendPDFColourState(canvas_.PDFState(), out, op, colour);
  }
  void Matrix(double x, double y) {
    out_.append("1 0 0 1 ");
    AppendF(out_, text_.Left + x);
    out_.push_back(' ');
    AppendF(out_, y);
    out_.append(" Tm ");
  }
  double Baseline(std::size_t i) const { return pt_ - double(i) * L - S; }
  // The underline and operand texts of thousands of passes reuse two buffers per thread
  // (colour operands outgrow a short string). A pass starts them empty.
  static std::string& Buffer(int which) {
    thread_local std::string buffers[2];
    std::string& buffer = buffers[which];
    buffer.clear();
    return buffer;
  }

  void BeginLine(std::size_t i) override {
    line_ = i;
    Matrix(X, Baseline(i));
  }
  void Text(std::string_view run) override {
    // After a tab the run starts at the tab stop, as it does on screen.
    if (Moved) Matrix(X, Baseline(line_));
    out_.push_back('(');
    AppendEscaped(out_, run, false);
    out_.append(") Tj ");
  }
  void StyleChanged(std::uint8_t) override { SetFont(); }
  void LinkStarted() override { SetColour(out_, "rg", text_.LinkColour); }
  void LinkEnded() override { SetColour(out_, "rg", text_.TextColour); }
  void FlushUnderline() override;

  std::string& out_;
  double pt_;
  std::size_t line_ = 0;
  std::string& underline_;
  std::string& operands_;
  // The face and size hold for the whole pass; the size is formatted once.
  int face_;
  const TPostScriptFontFace& fonts_;
  std::string size_;
  bool haveColour_ = false;
  TColor lastColour_ = 0;
};

void TPDFPass::FlushUnderline() {
  const TColor colour = InLink ? text_.LinkColour : text_.TextColour;
  if (underline_.empty()) {
    underline_ = "[] 0 d ";
    // Written directly, so tell the state cache: a later dashed line must set its dash.
    canvas_.SetPDFState("d", "[] 0");
  }
  if (!haveColour_ || colour != lastColour_) {
    underline_.append("S ");
    SetColour(underline_, "RG", colour);
    haveColour_ = true;
    lastColour_ = colour;
  }
  const double y = pt_ - (double(SegmentLine) * L + S) - S / 6;
  AppendF(underline_, text_.Left + SegmentStart);
  underline_.push_back(' ');
  // Both ends share the height: it is formatted once and copied.
  const std::size_t yStart = underline_.size();
  AppendF(underline_, y);
  const std::size_t yLength = underline_.size() - yStart;
  underline_.append(" m ");
  AppendF(underline_, text_.Left + X);
  underline_.push_back(' ');
  underline_.append(underline_, yStart, yLength);
  underline_.append(" l\n");
}

void TPDFPass::Write() {
  // The block colour is asked of the state cache before the text colour, in the order
  // the two are written, so the text colour is set again after the fill.
  if (text_.BlockOut && !layout_.Lines.empty()) {
    out_.append(canvas_.EndPDFText());
    SetColour(out_, "rg", text_.BlockColour);
    for (std::size_t i = 0; i < layout_.Lines.size(); ++i) {
      const auto& line = layout_.Lines[i];
      AppendF(out_, text_.Left + line.X0 - S / 3);
      out_.push_back(' ');
      AppendF(out_, pt_ - double(i + 1) * L);
      out_.push_back(' ');
      AppendF(out_, 2 * S / 3 + line.Width);
      out_.push_back(' ');
      AppendF(out_, L);
      out_.append(" re\n");
    }
    out_.append("F\n");
  }
  out_.append(canvas_.BeginPDFText());
  SetColour(out_, "rg", text_.TextColour);
  SetFont();
  AppendPDFWidthState(canvas_.PDFState(), out_, std::llround(S / 12));
  if (text_.Bulleted) {
    Matrix(layout_.BulletX, pt_ - S);
    out_.append("(\x95) Tj ");
  }
  Walk();
  if (!underline_.empty()) {
    out_.append(canvas_.EndPDFText());
    out_.append(underline_);
    out_.append("S\n");
  }
  SetColour(out_, "rg", InLink ? text_.LinkColour : text_.TextColour);
}

class TSVGPass : public TTextWalk {
 public:
  TSVGPass(TPDFText& text, TQuarrionCanvas& canvas, std::string& out)
      : TTextWalk(text, canvas), out_(out) {}

  void Write();

 private:
  void OpenStyle(std::uint8_t style) {
    style = Shown(style);
    if (!(style & (TextStyle::Bold | TextStyle::Italic))) return;
    out_.append("<tspan");
    if (style & TextStyle::Bold) out_.append(" font-weight=\"bold\"");
    if (style & TextStyle::Italic) out_.append(" font-style=\"italic\"");
    out_.push_back('>');
  }
  // The style as the face can show it.
  std::uint8_t Shown(std::uint8_t style) const {
    return std::uint8_t(text_.Face().Face.AvailableStyle(style));
  }
  bool Styled(std::uint8_t style) const { return Shown(style) & (TextStyle::Bold | TextStyle::Italic); }
  void OpenLink() { out_.append("<tspan fill=\"").append(SVGColour(text_.LinkColour)).append("\">"); }

  void BeginLine(std::size_t i) override {
    out_.append(" <text x=\"");
    AppendF(out_, text_.Left + X);
    out_.append("\" y=\"");
    AppendF(out_, text_.Top + double(i) * L + S);
    out_.append("\">");
    OpenStyle(text_.FontStyle);
    if (InLink) OpenLink();
  }
  void EndLine(std::size_t) override {
    if (Styled(text_.FontStyle)) out_.append("</tspan>");
    if (InLink) out_.append("</tspan>");
    out_.append("</text>\n");
  }
  void Text(std::string_view run) override {
    if (Moved) {
      // After a tab the run starts at the tab stop.
      out_.append("<tspan x=\"");
      AppendF(out_, text_.Left + X);
      out_.append("\">");
      AppendEscaped(out_, run, true);
      out_.append("</tspan>");
      return;
    }
    AppendEscaped(out_, run, true);
  }
  void StyleChanged(std::uint8_t old) override {
    // The link colour span sits inside the style span: close and reopen both so the
    // nesting stays right and the new style keeps the link colour.
    if (InLink) out_.append("</tspan>");
    if (Styled(old)) out_.append("</tspan>");
    OpenStyle(text_.FontStyle);
    if (InLink) OpenLink();
  }
  void LinkStarted() override { OpenLink(); }
  void LinkEnded() override { out_.append("</tspan>"); }
  void FlushUnderline() override;

  std::string StrokeWidth() const {
    std::string s;
    AppendF(s, S / 12);
    return s;
  }

  std::string& out_;
  std::string underline_;
  bool haveColour_ = false;
  TColor lastColour_ = 0;
};

void TSVGPass::FlushUnderline() {
  const TColor colour = InLink ? text_.LinkColour : text_.TextColour;
  if (!haveColour_ || colour != lastColour_) {
    if (underline_.empty())
      underline_.append("<g stroke-width=\"").append(StrokeWidth()).append("\">\n");
    else
      underline_.append(" </g>\n");
    underline_.append(" <g stroke=\"").append(SVGColour(colour));
    underline_.append("\" fill=\"none\" stroke-width=\"").append(StrokeWidth()).append("\">\n");
    haveColour_ = true;
    lastColour_ = colour;
  }
  const double y = text_.Top + double(SegmentLine) * L + S + S / 6;
  underline_.append("  <line x1=\"");
  AppendF(underline_, text_.Left + SegmentStart);
  underline_.append("\" y1=\"");
  AppendF(underline_, y);
  underline_.append("\" x2=\"");
  AppendF(underline_, text_.Left + X);
  underline_.append("\" y2=\"");
  AppendF(underline_, y);
  underline_.append("\"/>\n");
}

void TSVGPass::Write() {
  if (text_.BlockOut && !layout_.Lines.empty()) {
    out_.append("<g fill=\"").append(SVGColour(text_.BlockColour)).append("\" stroke=\"none\">\n");
    for (std::size_t i = 0; i < layout_.Lines.size(); ++i) {
      const auto& line = layout_.Lines[i];
      out_.append(" <rect x=\"");
      AppendF(out_, text_.Left + line.X0 - S / 3);
      out_.append("\" y=\"");
      AppendF(out_, text_.Top + double(i) * L);
      out_.append("\" width=\"");
      AppendF(out_, 2 * S / 3 + line.Width);
      out_.append("\" height=\"");
      AppendF(out_, L);
      out_.append("\"/>\n");
    }
    out_.append("</g>\n");
  }
  out_.append("<g stroke=\"none\" fill=\"").append(SVGColour(text_.TextColour));
  out_.append("\" font-family=\"");
  AppendSVGFontFamily(out_, text_.Face().Name);
  out_.append("\" font-size=\"");
  AppendF(out_, S);
  out_.append("px\" >");
  if (text_.Bulleted) {
    out_.append(" <text x=\"");
    AppendF(out_, text_.Left + layout_.BulletX);
    out_.append("\" y=\"");
    AppendF(out_, text_.Top + S);
    out_.append("\">&#8226;</text>");
  }
  Walk();
  out_.append("</g>\n");
  if (!underline_.empty()) out_.append(underline_).append(" </g>\n</g>\n");
}

}  // namespace

void TPDFText::PDFCode(TQuarrionCanvas& canvas, std::string& out) {
  TPDFPass(*this, canvas, out).Write();
}

void TPDFText::SVGCode(TQuarrionCanvas& canvas, std::string& out) {
  TSVGPass(*this, canvas, out).Write();
  if (LinksFollowSlide(canvas, canvas.Page())) {
    for (auto& link : SlideLinks(canvas, canvas.Page())) link->SVGCode(canvas, out);
  } else {
    TPDFNormalised::SVGCode(canvas, out);
  }
  out.push_back('\n');
}
