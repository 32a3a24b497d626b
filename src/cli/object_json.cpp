#include "cli/object_json.h"

#include <functional>
#include <vector>

#include "objects/annot.h"
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
  std::function<void(TPDFObject&, const JsonFields&)> Read;
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
  o.Bottom = int(f.Int("bottom", kCoordMin, kCoordMax));
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

void ReadRectangle(TPDFObject& o, const JsonFields& f) {
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

void ReadLink(TPDFObject& o, const JsonFields& f) {
  ReadRectangle(o, f);
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

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"rectangle", ClassId::Rectangle, [] { return std::make_unique<TPDFRectangle>(0, 0, 0, 0); },
       WriteRectangle, ReadRectangle},
      {"link", ClassId::Annot, [] { return std::make_unique<TPDFAnnot>(0, 0, 0, 0); }, WriteLink,
       ReadLink},
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

std::unique_ptr<TPDFObject> ObjectFromJson(const Json& json, const std::string& path) {
  JsonFields f(json, path);
  std::string name = f.Text("class");
  for (const auto& k : Kinds()) {
    if (name != k.Name) continue;
    auto obj = k.Create();
    ReadBase(*obj, f);
    k.Read(*obj, f);
    return obj;
  }
  f.Fail("class", "unknown object class \"" + name + "\"");
}
