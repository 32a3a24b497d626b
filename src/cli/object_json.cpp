#include "cli/object_json.h"

#include <functional>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/bezier.h"
#include "objects/guide.h"
#include "objects/image.h"
#include "objects/line.h"
#include "text/text.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

namespace {

constexpr long long kCoordMin = MinStoredCoord, kCoordMax = MaxStoredCoord;

// ---- Kind tables -------------------------------------------------------------------------

struct Kind {
  const char* Name;
  std::uint8_t Id;
  std::function<std::unique_ptr<TPDFObject>()> Create;
  std::function<void(const TPDFObject&, Json&)> Write;
  std::function<void(TPDFObject&, const JsonFields&, TQuarrionCanvas*)> Read;
};

const std::vector<Kind>& Kinds();

const Kind* KindById(std::uint8_t id) {
  for (const auto& k : Kinds())
    if (k.Id == id) return &k;
  return nullptr;
}

// ---- Shared parts ------------------------------------------------------------------------

void WriteBase(const TPDFObject& o, Json& j) {
  j["left"] = o.Left;
  j["top"] = o.Top;
  j["right"] = o.Right;
  j["bottom"] = o.Bottom;
  j["locked"] = o.Locked;
  j["lineWidth"] = o.LineWidth;
  j["dash"] = Json::array();
  for (auto d : o.DashPattern) j["dash"].push_back(d);
  if (o.Gradient()) j["gradient"] = ObjectToJson(*o.Gradient());
  if (!o.Annots().empty()) {
    j["links"] = Json::array();
    for (const auto& a : o.Annots()) j["links"].push_back(ObjectToJson(*a));
  }
}

void ReadLinks(TPDFObject& o, const JsonFields& f) {
  const Json& links = f.Member("links");
  if (!links.is_array() || links.size() > 255) f.Fail("links", "expected a list of at most 255 links");
  for (std::size_t i = 0; i < links.size(); ++i) {
    std::string p = f.PathOf("links", i);
    auto link = ObjectFromJson(links[i], p, nullptr, ObjectRole::AttachedLink);
    o.AddAnnot(std::unique_ptr<TPDFAnnot>(static_cast<TPDFAnnot*>(link.release())));
  }
}

// A gradient holds neither a gradient nor links in the file, so it has no such members.
void ReadBase(TPDFObject& o, const JsonFields& f) {
  o.Left = int(f.Int("left", kCoordMin, kCoordMax, o.Left));
  o.Top = int(f.Int("top", kCoordMin, kCoordMax, o.Top));
  o.Right = int(f.Int("right", kCoordMin, kCoordMax, o.Right));
  // A horizontal guide reaches one point past the largest stored coordinate.
  o.Bottom = int(f.Int("bottom", kCoordMin, o.IsA(ClassId::Guide) ? kCoordMax + 513 : kCoordMax, o.Bottom));
  o.Locked = f.Bool("locked", o.Locked);
  // 16.16 fixed point in 32 bits.
  o.LineWidth = f.Number("lineWidth", 0, 4294967295.0 / 65536.0, o.LineWidth);
  if (f.Has("dash")) {
    const Json& dash = f.Member("dash");
    if (!dash.is_array() || dash.size() > 255) f.Fail("dash", "expected a list of at most 255 numbers");
    o.DashPattern.clear();
    for (std::size_t i = 0; i < dash.size(); ++i) {
      if (!dash[i].is_number_integer() || dash[i].get<long long>() < 0 || dash[i].get<long long>() > 255)
        throw JsonInputError(f.PathOf("dash", i), "expected a whole number from 0 to 255");
      o.DashPattern.push_back(std::uint8_t(dash[i].get<int>()));
    }
  }
  if (o.IsA(ClassId::Gradient)) return;
  if (f.Has("gradient")) {
    auto g = ObjectFromJson(f.Member("gradient"), f.PathOf("gradient"), nullptr, ObjectRole::Fill);
    o.SetGradient(std::unique_ptr<TPDFGradient>(static_cast<TPDFGradient*>(g.release())));
  }
  if (f.Has("links")) ReadLinks(o, f);
}

// ---- Gradient ----------------------------------------------------------------------------

// What the 24-bit forms hold: positions (0 .. 0xFFFFFF) - 200000 and radii 0 .. 0xFFFFFF,
// in 1/65536.
constexpr double kMinPosition = -200000 / 65536.0;
constexpr double kMaxPosition = (0xFFFFFF - 200000) / 65536.0;
constexpr double kMaxRadius = 0xFFFFFF / 65536.0;

Json GradientEndToJson(const TGradientEnd& e) {
  return Json{{"extend", e.Extend}, {"colour", ColourText(e.Colour)}, {"x", e.X}, {"y", e.Y}, {"radius", e.Radius}};
}

void ReadGradientEnd(const JsonFields& owner, const char* key, TGradientEnd& e) {
  if (!owner.Has(key)) return;
  JsonFields f(owner.Member(key), owner.PathOf(key));
  e.Extend = f.Bool("extend", e.Extend);
  e.Colour = f.Colour("colour", e.Colour);
  e.X = f.Number("x", kMinPosition, kMaxPosition, e.X);
  e.Y = f.Number("y", kMinPosition, kMaxPosition, e.Y);
  e.Radius = f.Number("radius", 0, kMaxRadius, e.Radius);
  f.RejectUnknown();
}

void WriteGradient(const TPDFObject& o, Json& j) {
  const auto& g = static_cast<const TPDFGradient&>(o);
  j["type"] = g.ShadingType == 3 ? "radial" : "axial";
  j["start"] = GradientEndToJson(g.Start);
  j["end"] = GradientEndToJson(g.End);
}

void ReadGradient(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& g = static_cast<TPDFGradient&>(o);
  std::string type = f.Text("type", g.ShadingType == 3 ? "radial" : "axial");
  if (type != "axial" && type != "radial") f.Fail("type", "expected \"axial\" or \"radial\"");
  g.ShadingType = type == "radial" ? 3 : 2;
  ReadGradientEnd(f, "start", g.Start);
  ReadGradientEnd(f, "end", g.End);
}

// ---- Rectangle and link ------------------------------------------------------------------

void WriteRectangle(const TPDFObject& o, Json& j) {
  const auto& r = static_cast<const TPDFRectangle&>(o);
  j["outline"] = r.Outline;
  j["fill"] = r.Fill;
  j["shadow"] = r.Shadow;
  j["outlineColour"] = ColourText(r.OutlineColour);
  j["fillColour"] = ColourText(r.FillColour);
  j["shadowColour"] = ColourText(r.ShadowColour);
  j["shadowX"] = r.ShadowX;
  j["shadowY"] = r.ShadowY;
}

void ReadRectangle(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& r = static_cast<TPDFRectangle&>(o);
  r.Outline = f.Bool("outline", r.Outline);
  r.Fill = f.Bool("fill", r.Fill);
  r.Shadow = f.Bool("shadow", r.Shadow);
  r.OutlineColour = f.Colour("outlineColour", r.OutlineColour);
  r.FillColour = f.Colour("fillColour", r.FillColour);
  r.ShadowColour = f.Colour("shadowColour", r.ShadowColour);
  r.ShadowX = int(f.Int("shadowX", -128, 127, r.ShadowX));
  r.ShadowY = int(f.Int("shadowY", -128, 127, r.ShadowY));
}

const char* kLinkKinds[] = {"absolute", "relative", "web", "file"};

void WriteLink(const TPDFObject& o, Json& j) {
  WriteRectangle(o, j);
  const auto& a = static_cast<const TPDFAnnot&>(o);
  j["kind"] = kLinkKinds[a.LinkKind & 3];
  j["target"] = TextValue(a.Target);
  j["destination"] = Json{{"page", a.Destination.Page}, {"left", a.Destination.Left},
                          {"top", a.Destination.Top}, {"zoom", a.Destination.Zoom}};
}

void ReadDestination(TPDFAnnot& a, const JsonFields& f) {
  if (!f.Has("destination")) return;
  JsonFields d(f.Member("destination"), f.PathOf("destination"));
  a.Destination.Page = int(d.Int("page", -32768, 32767, a.Destination.Page));
  a.Destination.Left = int(d.Int("left", -32768, 32767, a.Destination.Left));
  a.Destination.Top = int(d.Int("top", -32768, 32767, a.Destination.Top));
  a.Destination.Zoom = d.Number("zoom", 0, 16777.215, a.Destination.Zoom);
  d.RejectUnknown();
}

void ReadLink(TPDFObject& o, const JsonFields& f, TQuarrionCanvas* c) {
  ReadRectangle(o, f, c);
  auto& a = static_cast<TPDFAnnot&>(o);
  std::string kind = f.Text("kind", kLinkKinds[a.LinkKind & 3]);
  a.LinkKind = -1;
  for (int i = 0; i < 4; ++i)
    if (kind == kLinkKinds[i]) a.LinkKind = i;
  if (a.LinkKind < 0) f.Fail("kind", "expected \"absolute\", \"relative\", \"web\" or \"file\"");
  a.Target = f.Text("target", a.Target);
  ReadDestination(a, f);
}

// ---- Lines, curves and guides -------------------------------------------------------------

void WriteLine(const TPDFObject& o, Json& j) { j["colour"] = ColourText(static_cast<const TPDFLine&>(o).Colour); }

void ReadLine(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& l = static_cast<TPDFLine&>(o);
  l.Colour = f.Colour("colour", l.Colour);
}

void WriteBezier(const TPDFObject& o, Json& j) {
  WriteLine(o, j);
  const auto& b = static_cast<const TPDFBezier&>(o);
  j["control"] = Json::array({b.ControlX1, b.ControlY1, b.ControlX2, b.ControlY2});
}

// Without control points the curve gets those of a new curve between its two ends.
void ReadBezier(TPDFObject& o, const JsonFields& f, TQuarrionCanvas* c) {
  ReadLine(o, f, c);
  auto& b = static_cast<TPDFBezier&>(o);
  TPDFBezier fresh(b.Left, b.Top, b.Right, b.Bottom);
  int v[4] = {fresh.ControlX1, fresh.ControlY1, fresh.ControlX2, fresh.ControlY2};
  if (f.Has("control")) {
    const Json& control = f.Member("control");
    for (int i = 0; i < 4; ++i) {
      if (!control.is_array() || control.size() != 4 || !control[i].is_number_integer() ||
          control[i].get<long long>() < kCoordMin || control[i].get<long long>() > kCoordMax)
        f.Fail("control", "expected four whole numbers from -512 to 65023");
      v[i] = control[i].get<int>();
    }
  }
  b.ControlX1 = v[0];
  b.ControlY1 = v[1];
  b.ControlX2 = v[2];
  b.ControlY2 = v[3];
}

void WriteGuide(const TPDFObject& o, Json& j) {
  const auto& g = static_cast<const TPDFGuide&>(o);
  j["colour"] = ColourText(g.Colour);
  j["orientation"] = g.Orientation();
}

// Without a bottom, the guide takes the one its orientation gives.
void ReadGuide(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& g = static_cast<TPDFGuide&>(o);
  g.Colour = f.Colour("colour", g.Colour);
  int bottom = g.Bottom;
  // Other values are stored but read back as horizontal.
  g.SetOrientation(std::uint8_t(f.Int("orientation", 0, 1, g.Orientation())));
  if (f.Has("bottom")) g.Bottom = bottom;
}

// ---- Text and pictures --------------------------------------------------------------------

const char* AlignmentName(std::uint8_t a) {
  return a == TextAlign::Right ? "right" : a == TextAlign::Centre ? "centre" : "left";
}

void WriteText(const TPDFObject& o, Json& j) {
  const auto& t = static_cast<const TPDFText&>(o);
  j["text"] = TextValue(t.Text());
  j["fontFace"] = t.FontFace;
  j["fontSize"] = t.FontSize;
  j["bold"] = bool(t.FontStyle & TextStyle::Bold);
  j["italic"] = bool(t.FontStyle & TextStyle::Italic);
  j["underline"] = bool(t.FontStyle & TextStyle::Underline);
  j["lineSpacing"] = t.LineSpacing;
  j["alignment"] = AlignmentName(t.Alignment);
  j["wrap"] = t.Wrap;
  j["bulleted"] = t.Bulleted;
  j["smartQuotes"] = t.SmartQuotes;
  j["underlineLinks"] = t.UnderlineLinks;
  j["blockOut"] = t.BlockOut;
  j["textColour"] = ColourText(t.TextColour);
  j["linkColour"] = ColourText(t.LinkColour);
  j["blockColour"] = ColourText(t.BlockColour);
}

std::uint8_t ReadFontStyle(const TPDFText& t, const JsonFields& f) {
  auto bit = [&](const char* key, std::uint8_t flag) {
    return f.Bool(key, t.FontStyle & flag) ? flag : std::uint8_t(0);
  };
  return std::uint8_t(bit("bold", TextStyle::Bold) | bit("italic", TextStyle::Italic) |
                      bit("underline", TextStyle::Underline));
}

void ReadText(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& t = static_cast<TPDFText&>(o);
  t.SetText(f.Text("text", t.Text(), MaxTextLength));
  t.FontFace = int(f.Int("fontFace", 0, 255, t.FontFace));
  t.FontSize = int(f.Int("fontSize", 0, 0x7FFFFFFF, t.FontSize));
  t.FontStyle = ReadFontStyle(t, f);
  // The spacing a new text of this size gets.
  const int spacing = TPDFText(TTextFont{t.FontFace, t.FontSize, t.FontStyle}, "", 0, 0, 0, 0).LineSpacing;
  t.LineSpacing = int(f.Int("lineSpacing", 0, 0x7FFFFFFF, spacing));
  std::string align = f.Text("alignment", AlignmentName(t.Alignment));
  if (align == "left") t.Alignment = TextAlign::Left;
  else if (align == "right") t.Alignment = TextAlign::Right;
  else if (align == "centre") t.Alignment = TextAlign::Centre;
  else f.Fail("alignment", "expected \"left\", \"right\" or \"centre\"");
  t.Wrap = f.Bool("wrap", t.Wrap);
  t.Bulleted = f.Bool("bulleted", t.Bulleted);
  t.SmartQuotes = f.Bool("smartQuotes", t.SmartQuotes);
  t.UnderlineLinks = f.Bool("underlineLinks", t.UnderlineLinks);
  t.BlockOut = f.Bool("blockOut", t.BlockOut);
  t.TextColour = f.Colour("textColour", t.TextColour);
  t.LinkColour = f.Colour("linkColour", t.LinkColour);
  t.BlockColour = f.Colour("blockColour", t.BlockColour);
}

void WriteImage(const TPDFObject& o, Json& j) {
  const auto& i = static_cast<const TPDFImage&>(o);
  j["file"] = TextValue(i.ImageFileName());
  j["storeInFile"] = i.StoreInFile();
  j["preserveAspect"] = i.PreserveAspect;
  j["transparent"] = i.Transparent;
  j["transparentColour"] = ColourText(i.TransparentColour());
  j["tolerance"] = i.Tolerance();
}

// The picture comes from the document's store when it holds the name, else from the file:
// so the image joins its document before it loads. Without a right or bottom edge the
// image gets the picture's size, as a new image does (the height following the width
// while the aspect is kept).
void ReadImage(TPDFObject& o, const JsonFields& f, TQuarrionCanvas* canvas) {
  auto& i = static_cast<TPDFImage&>(o);
  std::string file = f.Text("file", i.ImageFileName(), TPDFImage::kMaxNameLength);
  i.PreserveAspect = f.Bool("preserveAspect", i.PreserveAspect);
  if (canvas) i.SetOwner(canvas);
  TRect bounds{i.Left, i.Top, i.Right, i.Bottom};
  i.LoadImage(file);
  i.SetStoreInFile(f.Bool("storeInFile", i.StoreInFile()));
  i.Transparent = f.Bool("transparent", i.Transparent);
  i.SetTransparentColour(f.Colour("transparentColour", i.TransparentColour()));
  i.SetTolerance(int(f.Int("tolerance", 0, 255, i.Tolerance())));
  const TPDFImage placeholder(0, 0, 0, 0);
  const int width = i.Loaded() ? i.Bitmap().Width() : placeholder.Right;
  const int height = i.Loaded() ? i.Bitmap().Height() : placeholder.Bottom;
  if (!f.Has("right")) bounds.Right = ClampCoord(static_cast<long long>(bounds.Left) + width);
  if (!f.Has("bottom")) bounds.Bottom = ClampCoord(static_cast<long long>(bounds.Top) + height);
  i.SetBounds(bounds);
  if (!f.Has("bottom")) i.MoveEdges(Edge::Right, 0, 0);  // applies the aspect to the height
}

template <class T>
std::function<std::unique_ptr<TPDFObject>()> Maker() {
  return [] { return std::make_unique<T>(0, 0, 0, 0); };
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"rectangle", ClassId::Rectangle, Maker<TPDFRectangle>(), WriteRectangle, ReadRectangle},
      {"line", ClassId::Line, Maker<TPDFLine>(), WriteLine, ReadLine},
      {"text", ClassId::Text, Maker<TPDFText>(), WriteText, ReadText},
      {"bezier", ClassId::Bezier, Maker<TPDFBezier>(), WriteBezier, ReadBezier},
      {"image", ClassId::Image, Maker<TPDFImage>(), WriteImage, ReadImage},
      {"guide", ClassId::Guide, Maker<TPDFGuide>(), WriteGuide, ReadGuide},
      {"gradient", ClassId::Gradient, Maker<TPDFGradient>(), WriteGradient, ReadGradient},
      {"link", ClassId::Annot, Maker<TPDFAnnot>(), WriteLink, ReadLink},
  };
  return kinds;
}

// The class a member holds: a page object names it; a fill is a gradient and an attached
// entry a link, where "class" may be left out but must not name another kind.
const Kind& KindOf(const JsonFields& f, ObjectRole role) {
  const char* implied = role == ObjectRole::Fill ? "gradient" : role == ObjectRole::AttachedLink ? "link" : nullptr;
  if (!implied && !f.Has("class")) f.Fail("class", "missing (the kind of object)");
  std::string name = f.Text("class", implied ? implied : "");
  if (implied && name != implied) f.Fail("class", std::string("expected \"") + implied + "\" here");
  for (const auto& k : Kinds())
    if (name == k.Name) return k;
  f.Fail("class", "unknown object class \"" + name + "\"");
}

}  // namespace

Json ObjectToJson(const TPDFObject& obj) {
  const Kind* kind = KindById(obj.ClassID());
  Json j;
  j["class"] = kind ? kind->Name : "unknown";
  WriteBase(obj, j);
  if (kind) kind->Write(obj, j);
  return j;
}

std::unique_ptr<TPDFObject> ObjectFromJson(const Json& json, const std::string& path,
                                           TQuarrionCanvas* canvas, ObjectRole role) {
  JsonFields f(json, path);
  const Kind& kind = KindOf(f, role);
  auto obj = kind.Create();
  ReadBase(*obj, f);
  kind.Read(*obj, f, canvas);
  f.RejectUnknown();
  return obj;
}
