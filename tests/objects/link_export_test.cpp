// Link annotations in a whole exported file, read back by qpdf, which shares no code
// with the writer or the objects.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "support/pdf_tools.h"

namespace {
using Json = nlohmann::json;

std::unique_ptr<TPDFAnnot> Link(TRect r, int kind, TLinkDest dest, std::string target = "") {
  auto a = std::make_unique<TPDFAnnot>(r.Left, r.Top, r.Right, r.Bottom);
  a->LinkKind = kind;
  a->SetDestination(dest);
  a->Target = std::move(target);
  return a;
}

// A master (page 0) with a "next slide" link behind slides 0..2 (pages 1..3), each with
// a link of its own kind, and slide 3 (page 4) without the master, whose only link is
// attached to a box.
void BuildDeck(TQuarrionCanvas& canvas) {
  canvas.Pages()[0].IsMaster = true;
  for (int i = 0; i < 4; ++i) canvas.AddPage(canvas.PageCount(), i < 3, false);
  auto place = [&](int page, std::unique_ptr<TPDFObject> obj) {
    canvas.SetPage(page);
    canvas.Add(std::move(obj));
  };
  place(0, Link({10, 20, 110, 70}, 1, {1, 0, 0, 0}));
  place(1, Link({200, 20, 300, 70}, 0, {-1, 5, 300, 2}));
  place(2, Link({10, 100, 60, 150}, 2, {}, "example.com/a?b=1&c=(2)"));
  place(3, Link({10, 100, 60, 150}, 3, {}, "notes (1).pdf"));
  auto box = std::make_unique<TPDFRectangle>(20, 30, 40, 50);
  box->AddAnnot(Link({20, 30, 40, 50}, 0, {0, 0, 0, 0}));
  place(4, std::move(box));
}

// One line per annotation: its rectangle and where it leads.
std::string Describe(const Json& objects, const std::string& ref) {
  const Json& a = objects["obj:" + ref]["value"];
  std::string s = a["/Rect"].dump();
  if (a.contains("/Dest")) s += " dest " + a["/Dest"].dump();
  if (a.contains("/A")) s += " action " + a["/A"].dump();
  return s;
}
}  // namespace

TEST(LinkExport, EveryPageListsExactlyItsOwnAnnotations) {
  ASSERT_TRUE(ToolAvailable("qpdf")) << "qpdf is missing: scripts/setup.sh installs it";
  TQuarrionCanvas canvas;
  BuildDeck(canvas);
  std::string pdf;
  canvas.GeneratePDF(pdf);
  const std::string text = QpdfJson(pdf);
  ASSERT_FALSE(text.empty());
  const Json json = Json::parse(text);
  const Json& objects = json["qpdf"][1];
  const std::string next = "[10,254,110,304] dest ";
  // The slide's own links come first, then those of its master.
  const std::vector<std::vector<std::string>> expected = {
      {"[200,254,300,304] dest [\"10 0 R\",\"/XYZ\",5,300,2]", next + "[\"6 0 R\",\"/XYZ\",0,0,0]"},
      {"[10,174,60,224] action {\"/S\":\"/URI\",\"/URI\":\"u:http://example.com/a?b=1&c=(2)\"}",
       next + "[\"8 0 R\",\"/XYZ\",0,0,0]"},
      {"[10,174,60,224] action {\"/F\":\"u:notes (1).pdf\",\"/S\":\"/GoToR\"}",
       next + "[\"10 0 R\",\"/XYZ\",0,0,0]"},
      {"[20,274,40,294] dest [\"4 0 R\",\"/XYZ\",0,0,0]"}};
  ASSERT_EQ(json["pages"].size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const Json& page = objects["obj:" + std::to_string(4 + 2 * k) + " 0 R"]["value"];
    std::vector<std::string> found;
    for (const Json& ref : page.value("/Annots", Json::array()))
      found.push_back(Describe(objects, ref.get<std::string>()));
    EXPECT_EQ(found, expected[k]) << "slide " << k;
  }
  EXPECT_EQ(QpdfCheck(pdf).ExitCode, 0);
}
