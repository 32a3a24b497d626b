#include "cli/document_json.h"

#include "cli/base64.h"
#include "cli/object_json.h"
#include "model/quarrion_canvas.h"
#include "objects/gradient.h"

namespace {

constexpr long long kMaxPageSize = 0xFFFFFF;  // 24 bits in the file

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

void ReadInfo(const JsonFields& doc, TQuarrionCanvas& canvas) {
  if (!doc.Has("info")) return;
  JsonFields f(doc.Member("info"), doc.PathOf("info"));
  TDocumentInfo& info = canvas.DocumentInfo;
  info.Title = f.Text("title", info.Title);
  info.Subject = f.Text("subject", info.Subject);
  info.Description = f.Text("description", info.Description);
  info.Author = f.Text("author", info.Author);
  info.Background = f.Colour("background", info.Background);
  info.BackgroundIsGradient = f.Has("backgroundGradient");
  if (info.BackgroundIsGradient) {
    auto g = ObjectFromJson(f.Member("backgroundGradient"), f.PathOf("backgroundGradient"), nullptr,
                            ObjectRole::Fill);
    info.BackgroundGradient.reset(static_cast<TPDFGradient*>(g.release()));
    info.BackgroundGradient->SetOwner(&canvas);
  }
  f.RejectUnknown();
}

// A page left out of the list, or a member left out of a page, is what a new page has;
// its outline entry follows its title, as when a title is typed for a new page.
void ReadPage(const JsonFields& f, int index, TQuarrionCanvas& canvas) {
  TPage& page = canvas.Pages()[std::size_t(index)];
  page.IsMaster = f.Bool("master", page.IsMaster);
  page.UseMaster = f.Bool("useMaster", page.UseMaster);
  page.Title = f.Text("title", page.Title);
  page.MajorEntry = f.Text("majorEntry", page.MajorEntry);
  page.MinorEntry = f.Text("minorEntry", page.Title);
  if (f.Has("objects")) {
    const Json& objects = f.Member("objects");
    if (!objects.is_array()) f.Fail("objects", "expected a list");
    canvas.SetPageIndexQuietly(index);
    for (std::size_t i = 0; i < objects.size(); ++i)
      canvas.Add(ObjectFromJson(objects[i], f.PathOf("objects", i), &canvas));
  }
  f.RejectUnknown();
}

void ReadPages(const JsonFields& f, TQuarrionCanvas& canvas) {
  if (!f.Has("pages")) return;
  const Json& pages = f.Member("pages");
  if (!pages.is_array() || pages.empty() || pages.size() > std::size_t(TQuarrionCanvas::MaxPages))
    f.Fail("pages", "expected a list of 1 to 255 pages");
  canvas.SetPageCount(int(pages.size()));
  for (std::size_t p = 0; p < pages.size(); ++p)
    ReadPage(JsonFields(pages[p], f.PathOf("pages", p)), int(p), canvas);
}

void ReadResources(const JsonFields& f, TQuarrionCanvas& canvas) {
  if (!f.Has("resources")) return;
  const Json& list = f.Member("resources");
  if (!list.is_array()) f.Fail("resources", "expected a list");
  for (std::size_t i = 0; i < list.size(); ++i) {
    JsonFields rf(list[i], f.PathOf("resources", i));
    std::string name = rf.Text("name", "", 255);
    std::optional<std::string> bytes;
    if (rf.Has("data") && rf.Member("data").is_string())
      bytes = Base64Decode(rf.Member("data").get_ref<const std::string&>());
    else if (!rf.Has("data"))
      bytes = std::string();
    if (!bytes) rf.Fail("data", "expected base64 text");
    if (bytes->size() > 0xFFFFFF) rf.Fail("data", "more than 16777215 bytes");
    auto size = static_cast<long long>(bytes->size());
    if (rf.Int("size", 0, 0xFFFFFF, size) != size) rf.Fail("size", "does not match the data");
    rf.RejectUnknown();
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
  if (f.Text("format", "quarrion-document") != "quarrion-document")
    f.Fail("format", "expected \"quarrion-document\"");
  canvas.PageWidth = int(f.Int("pageWidth", 0, kMaxPageSize, canvas.PageWidth));
  canvas.PageHeight = int(f.Int("pageHeight", 0, kMaxPageSize, canvas.PageHeight));
  canvas.FullScreen = f.Bool("fullScreen", canvas.FullScreen);
  canvas.ShowOutlines = f.Bool("showOutlines", canvas.ShowOutlines);
  canvas.Compressed = f.Bool("compressed", canvas.Compressed);
  ReadInfo(f, canvas);
  ReadResources(f, canvas);  // first: images find their pictures in the store
  if (canvas.PageCount() == 0) canvas.SetPageCount(1);
  ReadPages(f, canvas);
  int current = int(f.Int("currentPage", 0, canvas.PageCount() - 1, 0));
  f.RejectUnknown();
  canvas.SetPage(current);
  canvas.ClearUndo();
}
