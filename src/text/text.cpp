// The text object: construction, copying, text changes and page renumbering.
#include "text/text.h"

#include <algorithm>

#include "base/number_format.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"  // the constructors destroy the per-slide links on failure
#include "text/markup_values.h"

TPDFText::TPDFText(int left, int top, int right, int bottom)
    : TPDFText(TTextFont{}, "New Text String", left, top, right, bottom) {}

TPDFText::TPDFText(const TTextFont& font, std::string_view text, int left, int top, int right,
                   int bottom)
    : TPDFNormalised(left, top, right, bottom) {
  FontFace = font.FontFace;
  FontSize = font.FontSize;
  FontStyle = font.FontStyle;
  SetText(text);
  // 1.2 times the size, in whole tenths of a point; integer arithmetic keeps 12000 * 1.2
  // from landing just below 14400.
  LineSpacing = int(static_cast<long long>(FontSize) * 12 / 1000 * 100);
  HelpContext = 1501;
  Dirty = true;
}

std::unique_ptr<TPDFObject> TPDFText::CreateBlank() const {
  return std::make_unique<TPDFText>(0, 0, 0, 0);
}

int TPDFText::EffectiveFace() const {
  return FontFace >= 0 && std::size_t(FontFace) < FontTable().size() ? FontFace : 0;
}

void TPDFText::SetText(std::string_view s) {
  text_.assign(s);
  tags_.clear();
  tagsKnown_ = false;
  Dirty = true;
}

void TPDFText::MoveEdges(int edges, int dx, int dy) {
  TPDFNormalised::MoveEdges(edges, dx, dy);
  Dirty = true;
}

void TPDFText::DrawHighlight(TQuarrionCanvas& canvas) {
  DrawHandles(canvas, TRect{Left, Top, Right, Bottom});
}

void TPDFText::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Text)) return;
  TPDFNormalised::AssignAppearanceTo(dest);
  auto& t = static_cast<TPDFText&>(dest);
  t.TextColour = TextColour;
  t.LinkColour = LinkColour;
  t.BlockColour = BlockColour;
  t.Wrap = Wrap;
  t.Bulleted = Bulleted;
  t.SmartQuotes = SmartQuotes;
  t.UnderlineLinks = UnderlineLinks;
  t.BlockOut = BlockOut;
  t.FontFace = FontFace;
  t.FontSize = FontSize;
  t.FontStyle = FontStyle;
  t.LineSpacing = LineSpacing;
  t.Alignment = Alignment;
  // A new font or size moves the link areas: rebuild them before they are used again.
  t.Dirty = true;
}

void TPDFText::AssignGeometryTo(TPDFObject& dest) const {
  TPDFNormalised::AssignGeometryTo(dest);
  if (dest.IsA(ClassId::Text)) static_cast<TPDFText&>(dest).SetText(text_);
}

template <class Map>
bool TPDFText::RewriteJumpTags(Map map) {
  // One pass that copies the text between the tags it rewrites: linear in the text.
  std::string out;
  out.reserve(text_.size() + 16);
  std::size_t copied = 0;
  bool drop = false, changed = false;
  auto replace = [&](const TTag& tag, const std::string& with) {
    out.append(text_, copied, std::size_t(tag.StartPos) - copied);
    out.append(with);
    copied = std::size_t(tag.EndPos);
    changed = true;
  };
  for (const TTag& tag : Tags()) {
    if (tag.Name == "/jump") {
      if (drop) replace(tag, std::string());
      drop = false;
      continue;
    }
    if (tag.Name != "jump") continue;
    if (LowerCase(TQuarrionCanvas::GetAttribute(tag.Attributes, "type", false)) == "relative") continue;
    std::string value = TQuarrionCanvas::GetAttribute(tag.Attributes, "page", false);
    int n = 0;
    if (value.empty() || !ParseInteger(value, n)) continue;
    int target = map(n);
    if (target < 0) continue;
    if (target == 0) {
      replace(tag, std::string());
      drop = true;
      continue;
    }
    std::string rewritten = "<" + tag.Name;
    for (const auto& a : tag.Attributes) {
      if (a.Name == "page") {
        rewritten.append(" page=").append(IntToStr(target));
      } else {
        rewritten.append(" ").append(a.Name);
        if (!a.Text.empty()) rewritten.append("=\"").append(a.Text).append("\"");
      }
    }
    rewritten.push_back('>');
    replace(tag, rewritten);
  }
  if (!changed) return false;
  out.append(text_, copied, std::string::npos);
  SetText(out);
  return true;
}

void TPDFText::PagesShifted(int delta, int fromPage) {
  TPDFNormalised::PagesShifted(delta, fromPage);
  const TQuarrionCanvas* canvas = Owner();
  if (!canvas) return;
  const int a = canvas->GetAbsolutePage(fromPage);
  if (a < 0) return;
  const int count = canvas->PageCount();
  RewriteJumpTags([&](int n) {
    // page=0 means "the last slide" wherever the slides move; it needs no renumbering.
    if (n == 0 || n < a) return -1;
    n = std::clamp(n + delta, 1, std::max(count, 1));
    return n >= a ? n : 0;
  });
}

void TPDFText::PagesReordered(const TMultiSwap& swaps) {
  TPDFNormalised::PagesReordered(swaps);
  RewriteJumpTags([&](int n) {
    if (n == 0) return -1;
    for (const auto& s : swaps)
      if (s.Old == n) return std::max(s.New, 1);
    return n;
  });
}
