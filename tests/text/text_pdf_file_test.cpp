// A slide with text exported as a whole file and read back by poppler, which shares no
// code with the writer: the words come back on the lines the layout chose, and the links
// of a text never shown on screen are in the file.
#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
