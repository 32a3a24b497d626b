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

Json GradientToJson(const TPDFGradient& g) {
  auto end = [](const TGradientEnd& e) {
    return Json{{"extend", e.Extend}, {"colour", ColourText(e.Colour)}, {"x", e.X}, {"y", e.Y}, {"radius", e.Radius}};
  };
  return Json{{"type", g.ShadingType == 3 ? "radial" : "axial"}, {"start", end(g.Start)}, {"end", end(g.End)}};
}

std::unique_ptr<TPDFGradient> GradientFromJson(const Json& json, const std::string& path) {
  JsonFields f(json, path);
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  std::string type = f.Text("type");
  if (type != "axial" && type != "radial") f.Fail("type", "expected \"axial\" or \"radial\"");
  g->ShadingType = type == "radial" ? 3 : 2;
  auto end = [&](const char* key, TGradientEnd& e) {
    JsonFields ef(f.Member(key), f.PathOf(key));
    e.Extend = ef.Bool("extend");
    e.Colour = ef.Colour("colour");
    e.X = ef.Number("x", -3.05, 252.9);
    e.Y = ef.Number("y", -3.05, 252.9);
    e.Radius = ef.Number("radius", 0, 255.99);
  };
  end("start", g->Start);
  end("end", g->End);
  return g;
}

void WriteBase(const TPDFObject& o, Json& j) {
  j["left"] = o.Left;
  j["top"] = o.Top;
  j["right"] = o.Right;
  j["bottom"] = o.Bottom;
  j["locked"] = o.Locked;
  j["lineWidth"] = o.LineWidth;
  j["dash"] = Json::array();
  for (auto d : o.DashPattern) j["dash"].push_back(d);
  if (o.Gradient()) j["gradient"] = GradientToJson(*o.Gradient());
  if (!o.Annots().empty()) {
    j["links"] = Json::array();
    for (const auto& a : o.Annots()) j["links"].push_back(ObjectToJson(*a));
  }
}

void ReadBase(TPDFObject& o, const JsonFields& f) {
  o.Left = int(f.Int("left", kCoordMin, kCoordMax));
  o.Top = int(f.Int("top", kCoordMin, kCoordMax));
  o.Right = int(f.Int("right", kCoordMin, kCoordMax));
  // A horizontal guide reaches one point past the largest stored coordinate.
  o.Bottom = int(f.Int("bottom", kCoordMin, kCoordMax + 513));
  o.Locked = f.Bool("locked");
  o.LineWidth = f.Number("lineWidth", 0, 65535);
  const Json& dash = f.Member("dash");
  if (!dash.is_array() || dash.size() > 255) f.Fail("dash", "expected a list of at most 255 numbers");
  o.DashPattern.clear();
  for (std::size_t i = 0; i < dash.size(); ++i) {
    if (!dash[i].is_number_integer() || dash[i].get<long long>() < 0 || dash[i].get<long long>() > 255)
      f.Fail("dash/" + std::to_string(i), "expected a whole number from 0 to 255");
    o.DashPattern.push_back(std::uint8_t(dash[i].get<int>()));
  }
  if (f.Has("gradient")) o.SetGradient(GradientFromJson(f.Member("gradient"), f.PathOf("gradient")));
  if (f.Has("links")) {
    const Json& links = f.Member("links");
    if (!links.is_array()) f.Fail("links", "expected a list");
    for (std::size_t i = 0; i < links.size(); ++i) {
      std::string p = f.PathOf("links/" + std::to_string(i));
      auto link = ObjectFromJson(links[i], p);
      if (!link->IsA(ClassId::Annot)) throw JsonInputError(p, "only links can be attached");
      o.AddAnnot(std::unique_ptr<TPDFAnnot>(static_cast<TPDFAnnot*>(link.release())));
    }
  }
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
  r.Outline = f.Bool("outline");
  r.Fill = f.Bool("fill");
  r.Shadow = f.Bool("shadow");
  r.OutlineColour = f.Colour("outlineColour");
  r.FillColour = f.Colour("fillColour");
  r.ShadowColour = f.Colour("shadowColour");
  r.ShadowX = int(f.Int("shadowX", -128, 127));
  r.ShadowY = int(f.Int("shadowY", -128, 127));
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

void ReadLink(TPDFObject& o, const JsonFields& f, TQuarrionCanvas* c) {
  ReadRectangle(o, f, c);
  auto& a = static_cast<TPDFAnnot&>(o);
  std::string kind = f.Text("kind");
  a.LinkKind = -1;
  for (int i = 0; i < 4; ++i)
    if (kind == kLinkKinds[i]) a.LinkKind = i;
  if (a.LinkKind < 0) f.Fail("kind", "expected \"absolute\", \"relative\", \"web\" or \"file\"");
  a.Target = f.Text("target");
  JsonFields d(f.Member("destination"), f.PathOf("destination"));
  a.Destination.Page = int(d.Int("page", -32768, 32767));
  a.Destination.Left = int(d.Int("left", -32768, 32767));
  a.Destination.Top = int(d.Int("top", -32768, 32767));
  a.Destination.Zoom = d.Number("zoom", 0, 16777.215);
}

// ---- Lines, curves and guides -------------------------------------------------------------

void WriteLine(const TPDFObject& o, Json& j) { j["colour"] = ColourText(static_cast<const TPDFLine&>(o).Colour); }

void ReadLine(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  static_cast<TPDFLine&>(o).Colour = f.Colour("colour");
}

void WriteBezier(const TPDFObject& o, Json& j) {
  WriteLine(o, j);
  const auto& b = static_cast<const TPDFBezier&>(o);
  j["control"] = Json::array({b.ControlX1, b.ControlY1, b.ControlX2, b.ControlY2});
}

void ReadBezier(TPDFObject& o, const JsonFields& f, TQuarrionCanvas* c) {
  ReadLine(o, f, c);
  auto& b = static_cast<TPDFBezier&>(o);
  const Json& control = f.Member("control");
  int v[4];
  for (int i = 0; i < 4; ++i) {
    if (!control.is_array() || control.size() != 4 || !control[i].is_number_integer() ||
        control[i].get<long long>() < kCoordMin || control[i].get<long long>() > kCoordMax)
      f.Fail("control", "expected four whole numbers from -512 to 65023");
    v[i] = control[i].get<int>();
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

void ReadGuide(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& g = static_cast<TPDFGuide&>(o);
  g.Colour = f.Colour("colour");
  int bottom = g.Bottom;  // the orientation would reset it
  g.SetOrientation(std::uint8_t(f.Int("orientation", 0, 255)));
  g.Bottom = bottom;
}

// ---- Text and pictures --------------------------------------------------------------------

void WriteText(const TPDFObject& o, Json& j) {
  const auto& t = static_cast<const TPDFText&>(o);
  j["text"] = TextValue(t.Text());
  j["fontFace"] = t.FontFace;
  j["fontSize"] = t.FontSize;
  j["bold"] = bool(t.FontStyle & TextStyle::Bold);
  j["italic"] = bool(t.FontStyle & TextStyle::Italic);
  j["underline"] = bool(t.FontStyle & TextStyle::Underline);
  j["lineSpacing"] = t.LineSpacing;
  j["alignment"] = t.Alignment == TextAlign::Right ? "right" : t.Alignment == TextAlign::Centre ? "centre" : "left";
  j["wrap"] = t.Wrap;
  j["bulleted"] = t.Bulleted;
  j["smartQuotes"] = t.SmartQuotes;
  j["underlineLinks"] = t.UnderlineLinks;
  j["blockOut"] = t.BlockOut;
  j["textColour"] = ColourText(t.TextColour);
  j["linkColour"] = ColourText(t.LinkColour);
  j["blockColour"] = ColourText(t.BlockColour);
}

void ReadText(TPDFObject& o, const JsonFields& f, TQuarrionCanvas*) {
  auto& t = static_cast<TPDFText&>(o);
  std::string text = f.Text("text");
  if (text.size() > 65535) f.Fail("text", "longer than 65535 bytes");
  t.SetText(text);
  t.FontFace = int(f.Int("fontFace", 0, 255));
  t.FontSize = int(f.Int("fontSize", 0, 0x7FFFFFFF));
  t.FontStyle = std::uint8_t((f.Bool("bold") ? TextStyle::Bold : 0) | (f.Bool("italic") ? TextStyle::Italic : 0) |
                             (f.Bool("underline") ? TextStyle::Underline : 0));
  t.LineSpacing = int(f.Int("lineSpacing", 0, 0x7FFFFFFF));
  std::string align = f.Text("alignment");
  if (align == "left") t.Alignment = TextAlign::Left;
  else if (align == "right") t.Alignment = TextAlign::Right;
  else if (align == "centre") t.Alignment = TextAlign::Centre;
  else f.Fail("alignment", "expected \"left\", \"right\" or \"centre\"");
  t.Wrap = f.Bool("wrap");
  t.Bulleted = f.Bool("bulleted");
  t.SmartQuotes = f.Bool("smartQuotes");
  t.UnderlineLinks = f.Bool("underlineLinks");
  t.BlockOut = f.Bool("blockOut");
  t.TextColour = f.Colour("textColour");
  t.LinkColour = f.Colour("linkColour");
  t.BlockColour = f.Colour("blockColour");
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
// so the image joins its document before it loads.
void ReadImage(TPDFObject& o, const JsonFields& f, TQuarrionCanvas* canvas) {
  auto& i = static_cast<TPDFImage&>(o);
  const TRect bounds{i.Left, i.Top, i.Right, i.Bottom};
  std::string file = f.Text("file");
  if (file.size() > TPDFImage::kMaxNameLength) f.Fail("file", "longer than 255 bytes");
  i.PreserveAspect = f.Bool("preserveAspect");
  if (canvas) i.SetOwner(canvas);
  i.LoadImage(file);
  i.SetStoreInFile(f.Bool("storeInFile"));
  i.Transparent = f.Bool("transparent");
  i.SetTransparentColour(f.Colour("transparentColour"));
  i.SetTolerance(int(f.Int("tolerance", 0, 255)));
  i.SetBounds(bounds);
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
      {"gradient", ClassId::Gradient, Maker<TPDFGradient>(), [](const TPDFObject&, Json&) {},
       [](TPDFObject&, const JsonFields&, TQuarrionCanvas*) {}},
      {"link", ClassId::Annot, Maker<TPDFAnnot>(), WriteLink, ReadLink},
  };
  return kinds;
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
                                           TQuarrionCanvas* canvas) {
  JsonFields f(json, path);
  std::string name = f.Text("class");
  for (const auto& k : Kinds()) {
    if (name != k.Name) continue;
    auto obj = k.Create();
    ReadBase(*obj, f);
    k.Read(*obj, f, canvas);
    return obj;
  }
  f.Fail("class", "unknown object class \"" + name + "\"");
}
