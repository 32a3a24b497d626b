// The markup scanner: tags, smart quotes, entities and the expansion into the display
// string.
#include "text/text.h"

#include "base/number_format.h"
#include "model/clock.h"
#include "model/environment_info.h"
#include "model/quarrion_canvas.h"
#include "text/display_string.h"
#include "text/markup_values.h"

namespace {

TResources ParseAttributes(std::string_view rest) {
  TResources attributes;
  bool inValue = false, inQuotes = false;
  for (char ch : rest) {
    if (inQuotes && inValue) {
      if (ch == '"')
        inQuotes = false;
      else
        attributes.back().Text.push_back(ch);
      continue;
    }
    if (ch == ' ') {
      attributes.emplace_back();
      inValue = false;
    } else if (ch == '"') {
      if (inValue) inQuotes = true;
    } else if (ch == '=') {
      inValue = true;
    } else if (!attributes.empty()) {
      // Rest always starts with a space, so an attribute exists by now.
      if (inValue)
        attributes.back().Text.push_back(ch);
      else
        attributes.back().Name.append(LowerCase(std::string_view(&ch, 1)));
    }
  }
  return attributes;
}

bool OpensQuote(unsigned char last) {
  return last == 0 || last == 9 || last == 10 || last == 13 || last == 32;
}

bool MatchesNoCase(std::string_view s, std::size_t i, std::string_view word) {
  if (s.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    char c = s[i + k];
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c != word[k]) return false;
  }
  return true;
}

// "&lt;", "&gt;" and "&amp;" in any letter case. One left-to-right pass gives what replacing
// the three in turn gives, because a match never contains a second "&". Link payloads are
// copied untouched: their length is already written in front of them.
std::string ReplaceEntities(std::string_view r, bool payloadAware) {
  std::string out;
  out.reserve(r.size());
  for (std::size_t i = 0; i < r.size();) {
    char c = r[i];
    if (payloadAware && c == Pair::Lead) {
      std::size_t n = PairLength(r, i);
      out.append(r.substr(i, n));
      i += n;
    } else if (c == '&' && MatchesNoCase(r, i + 1, "lt;")) {
      out.push_back('<');
      i += 4;
    } else if (c == '&' && MatchesNoCase(r, i + 1, "gt;")) {
      out.push_back('>');
      i += 4;
    } else if (c == '&' && MatchesNoCase(r, i + 1, "amp;")) {
      out.push_back('&');
      i += 5;
    } else {
      out.push_back(c);
      ++i;
    }
  }
  return out;
}

std::string PairText(unsigned char code) { return std::string{Pair::Lead, char(code)}; }

// A tag from what stands between its angle brackets: the name in lower case, then the
// attributes.
TTag ParseTag(std::string_view body, int start, int end) {
  const std::size_t space = body.find(' ');
  return {LowerCase(body.substr(0, space)),
          space == std::string_view::npos ? TResources() : ParseAttributes(body.substr(space)), start, end};
}

// The tags of s in order. Quotes and plain runs keep their length in parse mode, so a
// tag's place in the display string is its place in s.
void ScanTags(std::string_view s, TTagTable& tags) {
  for (std::size_t i = s.find('<'); i != std::string_view::npos; i = s.find('<', i)) {
    const std::size_t close = s.find('>', i + 1);
    if (close == std::string_view::npos) break;
    tags.push_back(ParseTag(s.substr(i + 1, close - i - 1), int(i), int(close + 1)));
    i = close + 1;
  }
}

}  // namespace

const TTagTable& TPDFText::Tags() const {
  if (!tagsKnown_) {
    tags_.clear();
    ScanTags(text_, tags_);
    tagsKnown_ = true;
  }
  return tags_;
}

std::string TPDFText::ProcessMarkup(std::string_view s, bool expand, const TQuarrionCanvas* canvas) {
  if (!expand) {
    Tags();
    ScanTags(s, tags_);
  }
  return BuildDisplay(s, expand, canvas);
}

bool TPDFText::ReadsOutside(const std::string& name) {
  return name == "#user" || name == "#date" || name == "#time" || name == "#title" || name == "#page";
}

bool TPDFText::ExpansionCurrent(const TQuarrionCanvas* canvas) const {
  const TExpansion& e = expansion_;
  if (!e.Known || e.SmartQuotes != SmartQuotes || e.FontStyle != FontStyle || e.Source != text_) return false;
  for (std::size_t i = 0; i < e.OutsideTags.size(); ++i)
    if (ExpandTag(e.OutsideTags[i].Name, e.OutsideTags[i].Attributes, canvas) != e.OutsideValues[i]) return false;
  return true;
}

const std::string& TPDFText::ExpandedText(const TQuarrionCanvas* canvas) {
  if (ExpansionCurrent(canvas)) return expansion_.Expanded;
  TExpansion& e = expansion_;
  e.OutsideTags.clear();
  e.OutsideValues.clear();
  TTagTable tags;
  ScanTags(text_, tags);
  // The values are read before the expansion: a clock that ticks in between leaves a
  // value that differs next time, so the next call expands again rather than keep a
  // stale time.
  for (TTag& tag : tags) {
    if (!ReadsOutside(tag.Name)) continue;
    e.OutsideValues.push_back(ExpandTag(tag.Name, tag.Attributes, canvas));
    e.OutsideTags.push_back(std::move(tag));
  }
  e.Expanded = BuildDisplay(text_, true, canvas);
  e.Source = text_;
  e.SmartQuotes = SmartQuotes;
  e.FontStyle = FontStyle;
  e.Known = true;
  return e.Expanded;
}

std::string TPDFText::BuildDisplay(std::string_view s, bool expand, const TQuarrionCanvas* canvas) const {
  std::string r;
  r.reserve(s.size() + 16);
  unsigned char last = 0;
  for (std::size_t i = 0; i < s.size();) {
    const auto ch = static_cast<unsigned char>(s[i]);
    if (ch == '"' || ch == '\'') {
      if (!SmartQuotes)
        r.push_back(char(ch));
      else if (ch == '"')
        r.push_back(char(OpensQuote(last) ? 147 : 148));
      else
        r.push_back(char(OpensQuote(last) ? 145 : 146));
      last = 0;
      ++i;
    } else if (ch == '<') {
      std::size_t close = s.find('>', i + 1);
      if (close == std::string_view::npos) {
        r.append(s.substr(i));
        break;
      }
      std::string_view body = s.substr(i + 1, close - i - 1);
      if (expand) {
        const TTag tag = ParseTag(body, 0, 0);
        r.append(ExpandTag(tag.Name, tag.Attributes, canvas));
      } else {
        r.append(s.substr(i, body.size() + 2));
      }
      i = close + 1;
    } else {
      // Plain characters go over as one run.
      std::size_t end = i + 1;
      while (end < s.size() && s[end] != '"' && s[end] != '\'' && s[end] != '<') ++end;
      r.append(s.substr(i, end - i));
      last = static_cast<unsigned char>(s[end - 1]);
      i = end;
    }
  }
  // Without an ampersand there is no entity to replace.
  if (r.find('&') != std::string::npos) r = ReplaceEntities(r, expand);
  if (FontStyle & (TextStyle::Bold | TextStyle::Italic | TextStyle::Underline)) {
    std::string styled;
    styled.reserve(r.size() + 12);
    if (FontStyle & TextStyle::Underline) styled.append(PairText(Pair::UnderlineOn));
    if (FontStyle & TextStyle::Italic) styled.append(PairText(Pair::ItalicOn));
    if (FontStyle & TextStyle::Bold) styled.append(PairText(Pair::BoldOn));
    styled.append(r);
    if (FontStyle & TextStyle::Bold) styled.append(PairText(Pair::BoldOff));
    if (FontStyle & TextStyle::Italic) styled.append(PairText(Pair::ItalicOff));
    if (FontStyle & TextStyle::Underline) styled.append(PairText(Pair::UnderlineOff));
    r = std::move(styled);
  }
  return r;
}

namespace {

std::string LinkStart(const TResources& attributes) {
  std::string out;
  int page = 0;
  if (ParseInteger(TQuarrionCanvas::GetAttribute(attributes, "page", false), page)) {
    bool relative = LowerCase(TQuarrionCanvas::GetAttribute(attributes, "type", false)) == "relative";
    out = PairText(relative ? Pair::RelativeLink : Pair::PageLink);
    AppendTwoByteNumber(out, (relative ? static_cast<long long>(page) : page - 1LL) + LinkNumberBias);
    return out;
  }
  std::string href = TQuarrionCanvas::GetAttribute(attributes, "href", false);
  if (href.empty()) return out;
  bool web = href.find("://") != std::string::npos || href.find(".htm") != std::string::npos ||
             href.find("www.") != std::string::npos;
  // The length field holds at most MaxTwoByteNumber; a longer address would misread.
  if (href.size() > std::size_t(MaxTwoByteNumber)) href.resize(std::size_t(MaxTwoByteNumber));
  out = PairText(web ? Pair::WebLink : Pair::FileLink);
  AppendTwoByteNumber(out, static_cast<long long>(href.size()));
  out.append(href);
  return out;
}

int PageStyle(const std::string& style) {
  if (style == "roman") return 1;
  if (style == "roman-lower") return 2;
  if (style == "alpha") return 3;
  if (style == "alpha-lower") return 4;
  return 0;
}

}  // namespace

std::string TPDFText::ExpandTag(const std::string& name, const TResources& attributes,
                                const TQuarrionCanvas* canvas) const {
  static const struct {
    const char* name;
    unsigned char code;
    bool pair;
  } kSimple[] = {
      {"b", Pair::BoldOn, true},        {"/b", Pair::BoldOff, true},     {"i", Pair::ItalicOn, true},
      {"/i", Pair::ItalicOff, true},    {"u", Pair::UnderlineOn, true},  {"/u", Pair::UnderlineOff, true},
      {"tab", Pair::Tab, true},         {"/jump", Pair::LinkEnd, true},  {"#deg", 176, false},
      {"#lqout", 145, false},           {"#rquot", 146, false},          {"#ldquot", 147, false},
      {"#rdquot", 148, false},          {"#endash", 150, false},         {"#emdash", 151, false},
      {"#trade", 153, false},           {"#copy", 169, false},           {"#reg", 174, false},
      {"#mul", 215, false},             {"#div", 247, false},
  };
  for (const auto& s : kSimple)
    if (name == s.name) return s.pair ? PairText(s.code) : std::string(1, char(s.code));
  if (name == "jump") return LinkStart(attributes);
  if (name == "#user") return EffectiveUserName();
  if (name == "#date") return CurrentClock().ShortDate(CurrentClock().Now());
  if (name == "#time") return CurrentClock().LongTime(CurrentClock().Now());
  if (!canvas) canvas = Owner();
  // A canvas may draw for another document's page (the properties preview, a slide
  // picture): the tags name that page.
  const TQuarrionCanvas* document = canvas ? &canvas->ContextDocument() : nullptr;
  const int page = canvas ? canvas->ContextPage() : -1;
  if (name == "#title") {
    if (!document || page < 0 || page >= document->PageCount()) return std::string();
    return document->Pages()[std::size_t(page)].Title;
  }
  if (name == "#page") {
    int origin = 1;
    if (!ParseInteger(TQuarrionCanvas::GetAttribute(attributes, "origin", false), origin)) origin = 1;
    int style = PageStyle(LowerCase(TQuarrionCanvas::GetAttribute(attributes, "style", false)));
    return document ? document->PageLabel(page, origin, style) : std::string("??");
  }
  return std::string();
}
