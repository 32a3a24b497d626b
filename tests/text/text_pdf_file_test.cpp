// A slide with text exported as a whole file and read back by poppler, which shares no
// code with the writer: the words come back on the lines the layout chose, and the links
// of a text never shown on screen are in the file.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include <nlohmann/json.hpp>

#include "model/quarrion_canvas.h"
#include "support/pdf_tools.h"
#include "text/text.h"

namespace {

std::vector<std::string> NonEmptyLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const auto b = line.find_first_not_of(" \f"), e = line.find_last_not_of(" \f");
    if (b != std::string::npos) lines.push_back(line.substr(b, e - b + 1));
  }
  return lines;
}

TEST(TextPDFFile, PopplerReadsTheLinesTheLayoutChose) {
  ASSERT_TRUE(ToolAvailable("pdftotext")) << "pdftotext is missing: scripts/setup.sh installs it";
  TQuarrionCanvas canvas;
  auto* t = static_cast<TPDFText*>(canvas.Add(std::make_unique<TPDFText>(40, 30, 200, 300)));
  t->SetText("Quarterly figures for the <b>whole</b> region are in, and the slide show "
             "shows them line by line. <jump page=1>Back to the start</jump> of it all.");
  t->FontFace = 1;
  std::vector<std::string> expected;
  const TPDFText::TLayout layout = t->Layout(&canvas);
  for (const auto& line : layout.Lines) {
    std::string shown;
    for (std::size_t p = line.Start; p < line.End; ++p)
      if (layout.Display[p] == '\x01')
        p += layout.Display[p + 1] == '\x05' ? 3 : 1;  // a pair, with a page number after it
      else
        shown.push_back(layout.Display[p]);
    expected.push_back(shown);
  }
  ASSERT_GE(expected.size(), 4u);
  std::string pdf;
  canvas.GeneratePDF(pdf);
  TempFile file(pdf);
  ToolResult text = RunTool({"pdftotext", "-layout", file.Path(), "-"});
  ASSERT_EQ(text.ExitCode, 0) << text.Output;
  EXPECT_EQ(NonEmptyLines(text.Output), expected);
  // The link areas were made for the export, one per line of the span.
  EXPECT_NE(pdf.find("/Annots ["), std::string::npos);
  EXPECT_EQ(t->Annots().size(), 2u);
}

// Bold or italic Symbol and Wingdings text selected /F3b, /F4i ...: fonts the writer never
// writes, so viewers dropped the text, and the layout measured it with no widths at all.
// A style the face lacks uses its regular font everywhere. Expected widths come from the
// fonts' published metrics (Symbol: alpha 631, beta 549, chi 549; Helvetica-Bold: a 556,
// b 611, c 556), the drawn width from poppler's word box.
TEST(TextPDFFile, StylesAFaceLacksFallBackToItsRegularFont) {
  ASSERT_TRUE(ToolAvailable("pdftotext")) << "pdftotext is missing: scripts/setup.sh installs it";
  struct Case {
    int Face;
    std::uint8_t Style;
    const char* Text;
    const char* Font;  // the font resource the text must select
    double Width;      // 0: not checked against the metrics
    bool SvgStyled;
  } cases[] = {
      {3, 0, "<b>abc</b>", "/F3 12 Tf", 20.748, false},
      {3, TextStyle::Bold, "abc", "/F3 12 Tf", 20.748, false},
      {3, 0, "<i><b>abc</b></i>", "/F3 12 Tf", 20.748, false},
      {4, TextStyle::Italic, "abc", "/F4 12 Tf", 0, false},
      {0, 0, "<b>abc</b>", "/F0b 12 Tf", 20.676, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    TQuarrionCanvas canvas;
    auto* t = static_cast<TPDFText*>(canvas.Add(std::make_unique<TPDFText>(40, 30, 300, 100)));
    t->SetText(c.Text);
    t->FontFace = c.Face;
    t->FontStyle = c.Style;
    const TPDFText::TLayout layout = t->Layout(&canvas);
    ASSERT_EQ(layout.Lines.size(), 1u);
    const double width = layout.Lines[0].Width;
    if (c.Width > 0) {
      EXPECT_NEAR(width, c.Width, 1e-6);
    }
    std::string pdf;
    canvas.GeneratePDF(pdf);
    EXPECT_NE(pdf.find(c.Font), std::string::npos);
    TempFile file(pdf);
    ToolResult text = RunTool({"pdftotext", "-bbox", file.Path(), "-"});
    ASSERT_EQ(text.ExitCode, 0) << text.Output;
    EXPECT_EQ(text.Output.find("Unknown font tag"), std::string::npos) << text.Output;
    auto attribute = [&](const char* name) {
      const auto at = text.Output.find(std::string(name) + "=\"", text.Output.find("<word"));
      return at == std::string::npos ? -1.0 : std::stod(text.Output.substr(at + std::strlen(name) + 2));
    };
    const double drawn = attribute("xMax") - attribute("xMin");
    EXPECT_NEAR(drawn, width, width * 0.01) << text.Output;
    std::string svg;
    TResources files;
    canvas.GenerateSVG(svg, files);
    EXPECT_EQ(svg.find("font-weight") != std::string::npos, c.SvgStyled);
  }
}

// A link after a field in a master page's text kept the master's own layout: on each
// slide the field expands to other text and the word moved away from its link area.
// Poppler places the word on each page; the link's rectangle must cover it there, in the
// PDF and in the SVG.
TEST(TextPDFFile, MasterTextLinksFollowTheWordsOnEachSlide) {
  ASSERT_TRUE(ToolAvailable("pdftotext") && ToolAvailable("qpdf")) << "scripts/setup.sh installs poppler and qpdf";
  TQuarrionCanvas canvas;
  canvas.Pages()[0].IsMaster = true;
  canvas.AddPage(1, true, false);
  canvas.AddPage(2, true, false);
  canvas.Pages()[1].Title = "A";
  canvas.Pages()[2].Title = "A much longer slide title";
  canvas.SetPage(0);
  canvas.Add(std::make_unique<TPDFText>(TTextFont{}, "Now <#title> <jump page=1>start</jump>", 20, 20, 400, 60));
  std::string pdf;
  canvas.GeneratePDF(pdf);
  TempFile file(pdf);
  const ToolResult boxes = RunTool({"pdftotext", "-bbox", file.Path(), "-"});
  ASSERT_EQ(boxes.ExitCode, 0) << boxes.Output;
  const auto json = nlohmann::json::parse(QpdfJson(pdf));
  const auto& objects = json["qpdf"][1];
  std::vector<double> svgLinks;
  std::string svg;
  TResources files;
  canvas.GenerateSVG(svg, files);
  for (std::size_t at = svg.find("<a xlink:href"); at != std::string::npos; at = svg.find("<a xlink:href", at + 1))
    svgLinks.push_back(std::stod(svg.substr(svg.find(" x=\"", at) + 4)));
  ASSERT_EQ(svgLinks.size(), 2u) << svg;
  std::size_t pageAt = 0;
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    pageAt = boxes.Output.find("<page", pageAt + 1);
    const std::size_t word = boxes.Output.find(">start<", pageAt);
    ASSERT_NE(word, std::string::npos);
    const std::size_t tag = boxes.Output.rfind("<word", word);
    auto attribute = [&](const char* name) {
      return std::stod(boxes.Output.substr(boxes.Output.find(std::string(name) + "=\"", tag) + std::strlen(name) + 2));
    };
    const double xMin = attribute("xMin"), xMax = attribute("xMax");
    const auto& annots = objects["obj:" + std::to_string(4 + 2 * k) + " 0 R"]["value"]["/Annots"];
    ASSERT_EQ(annots.size(), 1u);
    const auto& rect = objects["obj:" + annots[0].get<std::string>()]["value"]["/Rect"];
    EXPECT_LE(rect[0].get<double>(), xMin + 1);
    EXPECT_GE(rect[2].get<double>(), xMax - 1);
    EXPECT_LE(svgLinks[std::size_t(k)], xMin + 1);
    EXPECT_GE(svgLinks[std::size_t(k)], xMin - 3);
  }
}

}  // namespace
