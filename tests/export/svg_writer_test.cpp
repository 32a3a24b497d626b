#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/svg_probe.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "support/recording_host.h"

namespace {

std::string Export(TQuarrionCanvas& canvas, TResources* sideFiles = nullptr) {
  std::string svg;
  TResources files;
  canvas.GenerateSVG(svg, files);
  if (sideFiles) *sideFiles = files;
  return svg;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The text of slide group k, from its opening tag to its closing one.
std::string SlideGroup(const std::string& svg, int k) {
  auto start = svg.find("<g id=\"Page" + std::to_string(k) + "\"");
  if (start == std::string::npos) return {};
  return svg.substr(start, svg.find("</g>\n", start) + 5 - start);
}

const char kNavigationPane[] =
    "<g id=\"NavPane\" fill=\"white\" stroke=\"black\" transform=\"translate(0,324)\" "
    "stroke-width=\"2\">\n"
    " <rect height=\"35\" width=\"432\" stroke=\"none\"/>\n"
    " <rect x=\"5\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(0)\"/>\n"
    " <rect x=\"34\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(_p-1)\"/>\n"
    " <rect x=\"63\" y=\"5\" width=\"24\" height=\"24\" fill=\"yellow\"/>\n"
    " <rect x=\"92\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(_p+1)\"/>\n"
    " <rect x=\"121\" y=\"5\" width=\"24\" height=\"24\" onclick=\"ChangePage(_np-1)\"/>\n"
    " <line x2=\"432\" stroke-width=\"1\"/>\n"
    " <g pointer-events=\"none\" stroke=\"none\" fill=\"black\">\n"
    "  <text id=\"_pn_\" text-anchor=\"middle\" x=\"75\" y=\"23\" font-size=\"12\">1</text>\n"
    "  <polygon points=\"19 8 19 26 9 17\"/><rect x=\"21\" y=\"8\" width=\"2\" height=\"18\"/>\n"
    "  <polygon points=\"51 8 51 26 41 17\"/>\n"
    "  <polygon points=\"99 8 99 26 109 17\"/>\n"
    "  <polygon points=\"131 8 131 26 141 17\"/><rect x=\"127\" y=\"8\" width=\"2\" height=\"18\"/>\n"
    " </g>\n</g></svg>\n";

class SvgWriter : public ::testing::Test {
 protected:
  void SetUp() override { SvgDocument(canvas, 1); }
  FixedClockScope clock;
  TQuarrionCanvas canvas;
};

TEST_F(SvgWriter, OneSlideWithoutOptions) {
  canvas.DocumentInfo.Title = "Talk";
  canvas.DocumentInfo.Description = "About";
  canvas.DocumentInfo.Subject = "S";
  canvas.DocumentInfo.Author = "A";
  std::string svg = Export(canvas);
  EXPECT_EQ(svg.rfind(
                "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
                " width=\"100%\" height=\"100%\" viewBox=\"0 0 432 359\" xml:space=\"preserve\""
                " onload=\"onInit(evt)\">\n<script language=\"JavaScript\"><![CDATA[\n"
                "var _doc;var _p=0;var _po;\nvar _np=1;\n",
                0),
            0u);
  EXPECT_NE(svg.find("]]></script>\n<title>Talk</title>\n<desc>About</desc>\n"
                     "<info subject=\"S\" author=\"A\">\n"
                     " <creator product=\"Quarrion\" version=\"1.0\" date=\"05/03/2024 14:07:09\"/>\n"
                     " <producer name=\"Quarrion\"/>\n</info>\n<defs></defs>\n\n"
                     "<g id=\"Page0\">\n<rect width=\"432\" height=\"324\" fill=\"#FFFFFF\"/>\n</g>\n"),
            std::string::npos);
  EXPECT_EQ(svg.find("visibility=\"hidden\""), std::string::npos);
  ASSERT_GE(svg.size(), sizeof kNavigationPane - 1);
  EXPECT_EQ(svg.substr(svg.size() - (sizeof kNavigationPane - 1)), kNavigationPane);
  EXPECT_NE(svg.find("_doc.getElementById(\"_pn_\").firstChild.nodeValue=page+1;"), std::string::npos);
  EXPECT_EQ(svg.find("Outlines"), std::string::npos);
}

// The script a browser runs: standard DOM calls only, and the keys wired to ChangePage.
TEST_F(SvgWriter, ScriptUsesTheStandardDocumentInterface) {
  for (bool fullScreen : {false, true}) {
    canvas.FullScreen = fullScreen;
    std::string svg = Export(canvas);
    for (const char* old : {"getOwnerDocument", "getFirstChild", "setNodeValue"})
      EXPECT_EQ(svg.find(old), std::string::npos) << old;
    EXPECT_NE(svg.find("function onInit(e){_doc=e.target.ownerDocument;"
                       "_po=_doc.getElementById(\"Page0\");"
                       "_doc.addEventListener(\"keydown\",onKey);}\n"),
              std::string::npos);
    EXPECT_NE(svg.find("function onKey(e){"), std::string::npos);
    EXPECT_EQ(svg.find("_pn_") != std::string::npos, !fullScreen);
  }
}

TEST_F(SvgWriter, DrawingSizeFollowsThePanes) {
  struct Case {
    bool FullScreen, ShowOutlines;
    const char* ViewBox;
    bool Shifted;
  } cases[] = {
      {false, false, "viewBox=\"0 0 432 359\"", false},
      {false, true, "viewBox=\"0 0 583 359\"", true},
      {true, false, "viewBox=\"0 0 432 324\"", false},
      {true, true, "viewBox=\"0 0 432 324\"", false},
  };
  for (const Case& c : cases) {
    canvas.FullScreen = c.FullScreen;
    canvas.ShowOutlines = c.ShowOutlines;
    canvas.Pages()[0].MajorEntry = "Intro";
    std::string svg = Export(canvas);
    SCOPED_TRACE(std::string(c.ViewBox));
    EXPECT_NE(svg.find(c.ViewBox), std::string::npos);
    EXPECT_EQ(svg.find("<g transform=\"translate(151,0)\">\n<g id=\"Page0\">") != std::string::npos,
              c.Shifted);
    EXPECT_EQ(svg.find("<g id=\"Outlines\"") != std::string::npos, c.Shifted);
    EXPECT_EQ(svg.find("<g id=\"NavPane\"") != std::string::npos, !c.FullScreen);
  }
}

TEST_F(SvgWriter, FullScreenHasNeitherPane) {
  SvgDocument(canvas, 3);
  canvas.FullScreen = true;
  canvas.ShowOutlines = true;
  canvas.Pages()[1].MajorEntry = "Middle";
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("var _np=3;"), std::string::npos);
  for (const char* absent : {"NavPane", "Outlines", "_pn_", "translate(151"})
    EXPECT_EQ(svg.find(absent), std::string::npos) << absent;
  EXPECT_NE(svg.find("<g id=\"Page1\" visibility=\"hidden\">"), std::string::npos);
  EXPECT_NE(svg.find("<g id=\"Page2\" visibility=\"hidden\">"), std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 12), "</g>\n</svg>\n");
}

TEST_F(SvgWriter, OutlineItemsIndentedTwelvePerLevel) {
  canvas.Pages().clear();
  canvas.Pages().push_back(SvgPage());
  canvas.Pages().push_back(SvgPage(true));
  canvas.Pages().push_back(SvgPage());
  canvas.Pages().push_back(SvgPage());
  canvas.Pages()[0].MajorEntry = "Intro";
  canvas.Pages()[0].MinorEntry = "Why";
  canvas.Pages()[2].MinorEntry = "Detail";
  canvas.Pages()[3].MajorEntry = "End & after";
  canvas.ShowOutlines = true;
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("<g id=\"Outlines\" stroke=\"none\" fill=\"black\" stroke-width=\"2\" "
                     "font-family=\"sans-serif\" font-size=\"12px\">\n"
                     "<rect fill=\"white\" width=\"150\" height=\"359\"/>\n"
                     "<line stroke=\"black\" x1=\"5\" y1=\"24\" x2=\"145\" y2=\"24\"/>\n"
                     "<text x=\"5\" y=\"18\" font-weight=\"bold\">Outlines</text>\n"
                     "<text x=\"5\" y=\"42\"><a xlink:href=\"#\" "
                     "onclick=\"evt.preventDefault();ChangePage(0)\">Intro</a></text>\n"
                     "<text x=\"17\" y=\"56.4\"><a xlink:href=\"#\" "
                     "onclick=\"evt.preventDefault();ChangePage(0)\">Why</a></text>\n"
                     "<text x=\"17\" y=\"70.8\"><a xlink:href=\"#\" "
                     "onclick=\"evt.preventDefault();ChangePage(1)\">Detail</a></text>\n"
                     "<text x=\"5\" y=\"85.2\"><a xlink:href=\"#\" "
                     "onclick=\"evt.preventDefault();ChangePage(2)\">End &amp; after</a></text>\n"
                     "<line stroke-width=\"1\" stroke=\"black\" x1=\"150\" y1=\"0\" x2=\"150\" "
                     "y2=\"359\"/>\n</g>\n</svg>\n"),
            std::string::npos);
  // The navigation pane moves with the slides; the outline pane stays at the left.
  auto shiftEnd = svg.find(" </g>\n</g></g>\n<g id=\"Outlines\"");
  ASSERT_NE(shiftEnd, std::string::npos);
  EXPECT_LT(svg.find("<g transform=\"translate(151,0)\">\n<g id=\"Page0\">"), svg.find("<g id=\"NavPane\""));
  EXPECT_LT(svg.find("<g id=\"NavPane\""), shiftEnd);
}

TEST_F(SvgWriter, OutlineStartingBelowTheTopGetsTheDocumentTitle) {
  canvas.ShowOutlines = true;
  canvas.Pages()[0].MinorEntry = "Only";
  struct Case {
    const char* Title;
    const char* Top;
  } cases[] = {{"", ">Slideshow</a>"}, {"Deck", ">Deck</a>"}};
  for (const Case& c : cases) {
    canvas.DocumentInfo.Title = c.Title;
    std::string svg = Export(canvas);
    EXPECT_NE(svg.find("<text x=\"5\" y=\"42\"><a xlink:href=\"#\" "
                       "onclick=\"evt.preventDefault();ChangePage(0)\"" +
                       std::string(c.Top)),
              std::string::npos)
        << c.Title;
    EXPECT_NE(svg.find("<text x=\"17\" y=\"56.4\">"), std::string::npos);
  }
}

TEST_F(SvgWriter, ManyOutlineItemsKeepShortPositions) {
  SvgDocument(canvas, 40);
  canvas.ShowOutlines = true;
  for (auto& page : canvas.Pages()) page.MajorEntry.assign(1, 'x');  // not = "x": GCC 12 -O3 -Wrestrict
  std::string svg = Export(canvas);
  // 42 + 14.4 added 39 times: the sum's rounding noise must not reach the text.
  EXPECT_NE(svg.find("<text x=\"5\" y=\"603.6\">"), std::string::npos);
  EXPECT_EQ(svg.find("0000000"), std::string::npos);
  EXPECT_EQ(svg.find("9999999"), std::string::npos);
}

TEST_F(SvgWriter, MasterObjectsRepeatedInsideEachSlideThatUsesThem) {
  canvas.Pages().clear();
  canvas.Pages().push_back(SvgPage(false, true));   // before any master: nothing beneath
  canvas.Pages().push_back(SvgPage(true));          // the master
  canvas.Pages().push_back(SvgPage(false, true));
  canvas.Pages().push_back(SvgPage(false, false));  // a slide that does not use it
  canvas.Pages().push_back(SvgPage(false, true));
  auto* master = SvgPlace(canvas, 1, std::make_unique<SvgProbe>("<circle class=\"master\"/>\n"));
  for (int page : {0, 2, 3, 4})
    SvgPlace(canvas, page, std::make_unique<SvgProbe>("<circle class=\"own" + std::to_string(page) + "\"/>\n"));
  std::string svg = Export(canvas);
  EXPECT_EQ(Count(svg, "<g id=\"Page"), 4);
  const bool uses[] = {false, true, false, true};
  const int pageOf[] = {0, 2, 3, 4};
  for (int k = 0; k < 4; ++k) {
    std::string group = SlideGroup(svg, k);
    SCOPED_TRACE(group);
    EXPECT_EQ(group.find("<circle class=\"master\"/>") != std::string::npos, uses[k]);
    auto own = group.find("<circle class=\"own" + std::to_string(pageOf[k]) + "\"/>");
    ASSERT_NE(own, std::string::npos);
    if (uses[k]) {
      EXPECT_LT(group.find("class=\"master\""), own);  // beneath the slide's own
    }
  }
  // The master's code is asked for while the canvas shows the slide that uses it.
  std::vector<std::string> codes;
  for (const auto& entry : master->Log)
    if (entry.rfind("code@", 0) == 0) codes.push_back(entry);
  EXPECT_EQ(codes, (std::vector<std::string>{"code@2", "code@4"}));
}

TEST_F(SvgWriter, DocumentTextsEscaped) {
  canvas.DocumentInfo.Title = "Q & A";
  canvas.DocumentInfo.Description = "<b>";
  canvas.DocumentInfo.Subject = "say \"hi\"";
  canvas.DocumentInfo.Author = "O'Neil";
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("<title>Q &amp; A</title>\n<desc>&lt;b&gt;</desc>\n"), std::string::npos);
  EXPECT_NE(svg.find("<info subject=\"say &quot;hi&quot;\" author=\"O&apos;Neil\">"),
            std::string::npos);
}

// Bytes above 127 become references through the writer's table as it stands, including
// the entries that differ from the usual Windows-1252 mapping (0x81, 0x83, 0x88 ...).
TEST_F(SvgWriter, HighBytesBecomeCharacterReferences) {
  struct Case {
    unsigned char Byte;
    const char* Reference;
  } cases[] = {{0x80, "&#8364;"}, {0x81, "&#8230;"}, {0x83, "&#401;"},  {0x88, "&#136;"},
               {0x8A, "&#352;"},  {0x91, "&#8216;"}, {0x9F, "&#376;"},  {0xA0, "&#160;"},
               {0xE9, "&#233;"},  {0xFF, "&#255;"}};
  canvas.ShowOutlines = true;
  for (const Case& c : cases) {
    std::string text(1, char(c.Byte));
    canvas.DocumentInfo.Title = text;
    canvas.Pages()[0].MajorEntry = "x" + text;
    std::string svg = Export(canvas);
    SCOPED_TRACE(c.Reference);
    EXPECT_NE(svg.find("<title>" + std::string(c.Reference) + "</title>"), std::string::npos);
    EXPECT_NE(svg.find(">x" + std::string(c.Reference) + "</a>"), std::string::npos);
    for (char ch : svg) ASSERT_LT(static_cast<unsigned char>(ch), 128u);
  }
}

TEST_F(SvgWriter, ControlBytesLeftOutOfTexts) {
  canvas.DocumentInfo.Title = std::string("a\x01" "b\x1F" "c\td\x0B", 8);
  canvas.DocumentInfo.Author = std::string("x\0y", 3);
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("<title>abc\td</title>"), std::string::npos);
  EXPECT_NE(svg.find("author=\"xy\""), std::string::npos);
}

TEST_F(SvgWriter, DeletedObjectsAreSkippedAndEveryOtherIsPreparedFirst) {
  auto* kept = SvgPlace(canvas, 0, std::make_unique<SvgProbe>("<circle class=\"kept\"/>\n",
                                                           TResources{{"GradX", "<g id=\"defX\"/>", ""}}));
  auto* gone = SvgPlace(canvas, 0, std::make_unique<SvgProbe>("<circle class=\"gone\"/>\n",
                                                           TResources{{"GradY", "<g id=\"defY\"/>", ""}}));
  gone->Deleted = true;
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("<defs><g id=\"defX\"/>\n</defs>"), std::string::npos);
  EXPECT_NE(svg.find("class=\"kept\""), std::string::npos);
  EXPECT_EQ(svg.find("gone"), std::string::npos);
  EXPECT_EQ(svg.find("defY"), std::string::npos);
  EXPECT_TRUE(gone->Log.empty());
  EXPECT_EQ(kept->Log, (std::vector<std::string>{"prepare@0", "resources@0", "code@0"}));
}

TEST_F(SvgWriter, CurrentPageRestoredAndOutputsReplaced) {
  SvgDocument(canvas, 3);
  canvas.SetPageIndexQuietly(2);
  std::string svg = "old text";
  TResources files = {{"old", "bytes", "old.png"}};
  canvas.GenerateSVG(svg, files);
  EXPECT_EQ(canvas.Page(), 2);
  EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_TRUE(files.empty());
}

TEST_F(SvgWriter, SectionEventsInOrderWithMessagesProcessedAfterEach) {
  RecordingHost host;
  canvas.SetHost(&host);
  canvas.Pages().clear();
  canvas.Pages().push_back(SvgPage());
  canvas.Pages().push_back(SvgPage(true));
  canvas.Pages().push_back(SvgPage());
  SvgPlace(canvas, 1, std::make_unique<SvgProbe>(""));
  SvgPlace(canvas, 2, std::make_unique<SvgProbe>(""));
  SvgPlace(canvas, 2, std::make_unique<SvgProbe>(""));
  canvas.ShowOutlines = true;
  std::vector<std::string> events;
  canvas.OnWritingSection = [&](TPDFSection s, int code) {
    events.push_back("+" + std::to_string(int(s)) + ":" + std::to_string(code));
  };
  canvas.OnWriteSection = [&](TPDFSection s, int code) {
    events.push_back("-" + std::to_string(int(s)) + ":" + std::to_string(code));
  };
  Export(canvas);
  const std::vector<std::string> expected = {
      "+0:0", "-0:0", "+3:0", "+3:0", "+3:0", "+3:1", "-3:0",  // header; objects by index
      "+6:0", "-6:0", "+6:1", "+6:2", "-6:2",                  // the master ends nothing
      "+5:0", "-5:0", "+5:1", "-5:1", "+5:2", "-5:2",          // outline list
      "+1:0", "-1:0"};
  EXPECT_EQ(events, expected);
  EXPECT_EQ(host.MessagePumps, int(expected.size()));
  canvas.SetHost(nullptr);
}

TEST_F(SvgWriter, GradientBackgroundPlacedOnThePageWithAnIdOfItsOwn) {
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.DocumentInfo.BackgroundGradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  canvas.DocumentInfo.BackgroundGradient->End.X = 1;
  canvas.DocumentInfo.BackgroundGradient->End.Y = 1;
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("<defs><linearGradient id=\"Grad0\" x1=\"0\" y1=\"0\" x2=\"432\" y2=\"324\" "),
            std::string::npos);
  EXPECT_NE(svg.find("<rect width=\"432\" height=\"324\" fill=\"url(#Grad0)\"/>"), std::string::npos);

  // The first object added gets id 0 as well: the background must not take its id.
  auto box = std::make_unique<TPDFRectangle>(10, 10, 50, 50);
  box->SetGradient(std::make_unique<TPDFGradient>(0, 0, 0, 0));
  canvas.SetPageIndexQuietly(0);
  canvas.Add(std::move(box));
  ASSERT_EQ(canvas.Pages()[0].Objects.back()->ObjectID, 0);
  svg = Export(canvas);
  EXPECT_EQ(Count(svg, "id=\"Grad0\""), 1);
  EXPECT_NE(svg.find("<defs><linearGradient id=\"GradBackground\" x1=\"0\" y1=\"0\" x2=\"432\""),
            std::string::npos);
  EXPECT_NE(svg.find("<rect width=\"432\" height=\"324\" fill=\"url(#GradBackground)\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("fill=\"url(#Grad0)\""), std::string::npos);
}

// A bare host name reached the SVG as a relative file unless a PDF export had run first
// and completed it in the object.
TEST_F(SvgWriter, WebLinksTheSameBeforeAndAfterAPDFExport) {
  auto web = std::make_unique<TPDFAnnot>(10, 20, 110, 70);
  web->LinkKind = 2;
  web->Target = "example.com/a";
  SvgPlace(canvas, 0, std::move(web));
  const std::string before = Export(canvas);
  std::string pdf;
  canvas.GeneratePDF(pdf);
  EXPECT_EQ(Export(canvas), before);
  EXPECT_NE(before.find("<a xlink:href=\"http://example.com/a\">"), std::string::npos);
}

TEST_F(SvgWriter, GradientFlagWithoutGradientKeepsTheColour) {
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.DocumentInfo.Background = 0x0000FF;
  std::string svg = Export(canvas);
  EXPECT_NE(svg.find("<defs></defs>"), std::string::npos);
  EXPECT_NE(svg.find("<rect width=\"432\" height=\"324\" fill=\"#FF0000\"/>"), std::string::npos);
}

}  // namespace
