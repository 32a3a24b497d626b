// Whole files checked by qpdf and rendered by poppler: tools that share no code with the
// writer.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>

#include "export/pdf_test_objects.h"
#include "objects/gradient.h"
#include "support/pdf_tools.h"

namespace {

using Json = nlohmann::json;

std::unique_ptr<TPDFRectangle> FilledBox(int left, int top, int right, int bottom, TColor fill) {
  auto r = std::make_unique<TPDFRectangle>(left, top, right, bottom);
  r->Outline = false;
  r->FillColour = fill;
  return r;
}

std::unique_ptr<TPDFGradient> RedToBlue() {
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->Start.Y = 0.5;  // across the middle of whatever it fills, left to right
  g->End.X = 1;
  g->End.Y = 0.5;
  g->Start.Colour = 0x0000FF;
  g->End.Colour = 0xFF0000;
  return g;
}

// Slide 0 (page 0) with a link and a shaded box, a master (page 1) with a yellow box and a
// link, slide 1 (page 2) over the master with a red box, slide 2 (page 3) without the
// master; outline entries on every slide.
void BuildSample(TQuarrionCanvas& canvas) {
  ResetDocument(canvas, 0);
  auto& pages = canvas.Pages();
  pages.push_back(BlankPage());
  pages.push_back(BlankPage(true));
  pages.push_back(BlankPage());
  pages.push_back(BlankPage(false, false));
  pages[0].MajorEntry = "Intro (1)";
  pages[0].MinorEntry = "Why \\ how";
  pages[2].MinorEntry = "Detail";
  pages[3].MajorEntry = "End";
  canvas.DocumentInfo.Title = "Sample deck";
  canvas.DocumentInfo.Background = 0x00FF00;
  Place(canvas, 0, std::make_unique<ProbeObject>(10, 10, 60, 60));
  auto shaded = std::make_unique<TPDFRectangle>(100, 100, 300, 200);
  shaded->SetGradient(RedToBlue());
  Place(canvas, 0, std::move(shaded));
  Place(canvas, 1, FilledBox(90, 90, 210, 160, 0x00FFFF));
  Place(canvas, 1, std::make_unique<ProbeObject>(300, 10, 400, 60));
  Place(canvas, 2, FilledBox(100, 100, 200, 150, 0x0000FF));
  for (int i = 0; i < 30; ++i) Place(canvas, 3, std::make_unique<TPDFRectangle>(i * 10, i * 5, i * 10 + 40, i * 5 + 30));
  canvas.ShowOutlines = true;
}

struct Document {
  const char* name;
  std::function<void(TQuarrionCanvas&)> build;
};

const Document kDocuments[] = {
    {"sample", BuildSample},
    {"sample compressed",
     [](TQuarrionCanvas& c) {
       BuildSample(c);
       c.Compressed = true;
     }},
    {"sample full screen",
     [](TQuarrionCanvas& c) {
       BuildSample(c);
       c.FullScreen = true;
     }},
    {"gradient background",
     [](TQuarrionCanvas& c) {
       BuildSample(c);
       c.DocumentInfo.BackgroundGradient = RedToBlue();
       c.DocumentInfo.BackgroundIsGradient = true;
       c.Compressed = true;
     }},
    {"no slides", [](TQuarrionCanvas& c) { ResetDocument(c, 0); }},
    {"only a master", [](TQuarrionCanvas& c) {
       ResetDocument(c, 0);
       c.Pages().push_back(BlankPage(true));
       c.ShowOutlines = true;
     }},
    {"new document", [](TQuarrionCanvas&) {}},
};

class PdfValidation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ToolAvailable("qpdf")) << "qpdf is missing: scripts/setup.sh installs it";
  }
  FixedClockScope clock;
};

TEST_F(PdfValidation, QpdfFindsNoErrorsOrWarnings) {
  for (const Document& doc : kDocuments) {
    TQuarrionCanvas canvas;
    doc.build(canvas);
    std::string pdf;
    canvas.GeneratePDF(pdf);
    const ToolResult r = QpdfCheck(pdf);
    EXPECT_EQ(r.ExitCode, 0) << doc.name << "\n" << r.Output;
    EXPECT_NE(r.Output.find("No syntax or stream encoding errors found"), std::string::npos) << doc.name;
    EXPECT_EQ(r.Output.find("WARNING"), std::string::npos) << doc.name << "\n" << r.Output;
    EXPECT_TRUE(CheckXrefOffsets(pdf).empty()) << doc.name;
  }
}

Json Inspect(const std::string& pdf) {
  const std::string text = QpdfJson(pdf);
  if (text.empty()) return Json();
  return Json::parse(text, nullptr, false);
}

std::vector<std::string> Titles(const Json& items, int depth = 0) {
  std::vector<std::string> out;
  for (const Json& item : items) {
    out.push_back(std::string(std::size_t(depth), '>') + item["title"].get<std::string>() + "@" +
                  std::to_string(item["destpageposfrom1"].get<int>()));
    for (std::string& kid : Titles(item["kids"], depth + 1)) out.push_back(std::move(kid));
  }
  return out;
}

TEST_F(PdfValidation, QpdfSeesPagesOutlinesPageModeAndLinks) {
  struct Case {
    bool fullScreen, showOutlines;
    const char* pageMode;  // "" for none
  } cases[] = {{false, true, "/UseOutlines"}, {true, true, "/FullScreen"}, {false, false, ""}, {true, false, "/FullScreen"}};
  for (const Case& c : cases) {
    TQuarrionCanvas canvas;
    BuildSample(canvas);
    canvas.FullScreen = c.fullScreen;
    canvas.ShowOutlines = c.showOutlines;
    std::string pdf;
    canvas.GeneratePDF(pdf);
    const Json json = Inspect(pdf);
    ASSERT_TRUE(json.is_object()) << "qpdf --json failed";
    EXPECT_EQ(json["pages"].size(), 3u);
    const Json& objects = json["qpdf"][1];
    const Json& catalogue = objects["obj:2 0 R"]["value"];
    EXPECT_EQ(catalogue.value("/PageMode", std::string()), c.pageMode);
    EXPECT_EQ(catalogue.contains("/Outlines"), c.showOutlines);
    const std::vector<std::string> expected =
        c.showOutlines ? std::vector<std::string>{"Intro (1)@1", ">Why \\ how@1", ">Detail@2", "End@3"}
                       : std::vector<std::string>{};
    EXPECT_EQ(Titles(json["outlines"]), expected);

    // Slide 0 has its own link; slide 1 shows the master's; slide 2 has none.
    auto annots = [&](const char* page) {
      return objects[page]["value"].value("/Annots", Json::array()).size();
    };
    EXPECT_EQ(annots("obj:4 0 R"), 1u);
    EXPECT_EQ(annots("obj:6 0 R"), 1u);
    EXPECT_EQ(annots("obj:8 0 R"), 0u);
  }
}

class PdfRendering : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ToolAvailable("pdftoppm")) << "pdftoppm is missing: scripts/setup.sh installs it";
  }
  FixedClockScope clock;
};

TEST_F(PdfRendering, BoxesLieOverTheMasterAndTheBackgroundFillsThePage) {
  for (bool compressed : {false, true}) {
    TQuarrionCanvas canvas;
    BuildSample(canvas);
    canvas.Compressed = compressed;
    std::string pdf;
    canvas.GeneratePDF(pdf);
    const RenderedPage slide = RenderPage(pdf, 2);
    ASSERT_EQ(slide.Width, 432);
    ASSERT_EQ(slide.Height, 324);
    struct Probe {
      int x, y;
      std::uint32_t colour;
      const char* what;
    } probes[] = {
        {150, 125, 0x0000FF, "red box"},        {95, 95, 0x00FFFF, "master's yellow box beneath"},
        {205, 155, 0x00FFFF, "master box edge"}, {1, 1, 0x00FF00, "background top left"},
        {430, 322, 0x00FF00, "background bottom right"}, {250, 250, 0x00FF00, "background middle"},
    };
    for (const Probe& p : probes) EXPECT_EQ(slide.Pixel(p.x, p.y), p.colour) << p.what;
    // Slide 2 does not use the master.
    EXPECT_EQ(RenderPage(pdf, 3).Pixel(95, 300), 0x00FF00u);
    EXPECT_EQ(RenderPage(pdf, 1).Pixel(95, 95), 0x00FF00u);  // the master is not its own slide
  }
}

TEST_F(PdfRendering, GradientBackgroundRunsFromStartToEndColour) {
  TQuarrionCanvas canvas;
  BuildSample(canvas);
  canvas.DocumentInfo.BackgroundGradient = RedToBlue();
  canvas.DocumentInfo.BackgroundIsGradient = true;
  std::string pdf;
  canvas.GeneratePDF(pdf);
  const RenderedPage page = RenderPage(pdf, 3);
  ASSERT_EQ(page.Width, 432);
  auto red = [&](int x) { return int(page.Pixel(x, 300) & 0xFF); };
  auto blue = [&](int x) { return int(page.Pixel(x, 300) >> 16 & 0xFF); };
  EXPECT_GT(red(2), 240);
  EXPECT_LT(blue(2), 15);
  EXPECT_GT(blue(429), 240);
  EXPECT_LT(red(429), 15);
  EXPECT_GT(red(100), red(300));
}

}  // namespace
