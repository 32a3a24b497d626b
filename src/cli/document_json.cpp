#include "cli/document_json.h"

#include "cli/base64.h"
#include "cli/object_json.h"
#include "model/quarrion_canvas.h"

namespace {

Json PageToJson(const TPage& page) {
  Json j;
  j["master"] = page.IsMaster;
  j["useMaster"] = page.UseMaster;
  j["title"] = TextValue(page.Title);
  j["majorEntry"] = TextValue(page.MajorEntry);
  j["minorEntry"] = TextValue(page.MinorEntry);
  j["objects"] = Json::array();
  for (const auto& obj : page.Objects)
    if (!obj->Deleted) j["objects"].push_back(ObjectToJson(*obj));
  return j;
}

void ReadInfo(const JsonFields& f, TQuarrionCanvas& canvas) {
  TDocumentInfo& info = canvas.DocumentInfo;
  info.Title = f.Text("title");
  info.Subject = f.Text("subject");
  info.Description = f.Has("description") ? f.Text("description") : std::string();
  info.Author = f.Text("author");
  info.Background = f.Colour("background");
  info.BackgroundIsGradient = f.Has("backgroundGradient");
  if (info.BackgroundIsGradient) {
    JsonFields g(f.Member("backgroundGradient"), f.PathOf("backgroundGradient"));
    auto obj = ObjectFromJson(f.Member("backgroundGradient"), g.Path());
    if (!obj->IsA(ClassId::Gradient)) g.Fail("class", "expected a gradient");
    info.BackgroundGradient.reset(static_cast<TPDFGradient*>(obj.release()));
  }
}

void ReadPages(const JsonFields& f, TQuarrionCanvas& canvas) {
  const Json& pages = f.Member("pages");
  if (!pages.is_array() || pages.empty() || pages.size() > std::size_t(TQuarrionCanvas::MaxPages))
    f.Fail("pages", "expected a list of 1 to 255 pages");
  canvas.SetPageCount(int(pages.size()));
  for (std::size_t p = 0; p < pages.size(); ++p) {
    JsonFields pf(pages[p], f.PathOf("pages/" + std::to_string(p)));
    TPage& page = canvas.Pages()[p];
    page.IsMaster = pf.Bool("master");
    page.UseMaster = pf.Bool("useMaster");
    page.Title = pf.Text("title");
    page.MajorEntry = pf.Text("majorEntry");
    page.MinorEntry = pf.Text("minorEntry");
    const Json& objects = pf.Member("objects");
    if (!objects.is_array()) pf.Fail("objects", "expected a list");
    canvas.SetPageIndexQuietly(int(p));
    for (std::size_t i = 0; i < objects.size(); ++i)
      canvas.Add(ObjectFromJson(objects[i], pf.PathOf("objects/" + std::to_string(i)), &canvas));
  }
}

void ReadResources(const JsonFields& f, TQuarrionCanvas& canvas) {
  const Json& list = f.Member("resources");
  if (!list.is_array()) f.Fail("resources", "expected a list");
  for (std::size_t i = 0; i < list.size(); ++i) {
    JsonFields rf(list[i], f.PathOf("resources/" + std::to_string(i)));
    std::string name = rf.Text("name");
    if (name.empty() || name.size() > 255) rf.Fail("name", "expected 1 to 255 characters");
    const Json& data = rf.Member("data");
    std::optional<std::string> bytes;
    if (data.is_string()) bytes = Base64Decode(data.get_ref<const std::string&>());
    if (!bytes) rf.Fail("data", "expected base64 text");
    if (rf.Int("size", 0, 16777215) != static_cast<long long>(bytes->size()))
      rf.Fail("size", "does not match the data");
    canvas.Resources.Add(name, *bytes);
  }
}

}  // namespace

Json DocumentToJson(TQuarrionCanvas& canvas) {
  const TDocumentInfo& info = canvas.DocumentInfo;
  Json j;
  j["format"] = "quarrion-document";
  j["pageWidth"] = canvas.PageWidth;
  j["pageHeight"] = canvas.PageHeight;
  j["currentPage"] = canvas.Page();
  j["fullScreen"] = canvas.FullScreen;
  j["showOutlines"] = canvas.ShowOutlines;
  j["compressed"] = canvas.Compressed;
  Json ij;
  ij["title"] = TextValue(info.Title);
  ij["subject"] = TextValue(info.Subject);
  ij["description"] = TextValue(info.Description);
  ij["author"] = TextValue(info.Author);
  ij["background"] = ColourText(info.Background);
  if (info.BackgroundIsGradient && info.BackgroundGradient)
    ij["backgroundGradient"] = ObjectToJson(*info.BackgroundGradient);
  j["info"] = std::move(ij);
  j["pages"] = Json::array();
  for (const auto& page : canvas.Pages()) j["pages"].push_back(PageToJson(page));
  j["resources"] = Json::array();
  for (int i = 0; i < canvas.Resources.Count(); ++i) {
    const TResource& r = canvas.Resources.Entry(i);
    j["resources"].push_back(Json{{"name", TextValue(r.Name)},
                                  {"size", r.Text.size()},
                                  {"data", Base64Encode(r.Text)}});
  }
  return j;
}

void DocumentFromJson(const Json& json, TQuarrionCanvas& canvas) {
  JsonFields f(json, "");
  if (f.Text("format") != "quarrion-document") f.Fail("format", "expected \"quarrion-document\"");
  canvas.PageWidth = int(f.Int("pageWidth", 1, 16777215));
  canvas.PageHeight = int(f.Int("pageHeight", 1, 16777215));
  canvas.FullScreen = f.Bool("fullScreen");
  canvas.ShowOutlines = f.Bool("showOutlines");
  canvas.Compressed = f.Bool("compressed");
  ReadInfo(JsonFields(f.Member("info"), f.PathOf("info")), canvas);
  ReadResources(f, canvas);  // first: images find their pictures in the store
  ReadPages(f, canvas);
  int current = int(f.Int("currentPage", 0, canvas.PageCount() - 1));
  canvas.SetPage(current);
  canvas.ClearUndo();
}
