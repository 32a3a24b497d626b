#include <gtest/gtest.h>

#include "base/format_error.h"
#include "objects/annot.h"
#include "objects/object_fixture.h"

namespace {
std::unique_ptr<TPDFAnnot> Link(int kind, int page, std::string target = "") {
  auto a = std::make_unique<TPDFAnnot>(10, 20, 110, 70);
  a->LinkKind = kind;
  a->Destination.Page = page;
  a->Target = std::move(target);
  return a;
}

const char* kRect = "<</Type /Annot /Subtype /Link\n/Border [0 0 0] /H /O\n/Rect [10 254 110 304]\n";
}  // namespace

TEST(Annot, ResolvesJumpsWithinTheSlides) {
  Desk d;
  d.AppendPages({true, false, false, false, false});  // slide, master, four slides
  struct Case {
    int kind, page, shownOn, slide;
  } cases[] = {{0, -1, 0, 4}, {0, 2, 3, 2}, {0, 9, 0, 4}, {0, -7, 0, 0}, {1, 1, 5, 4},
               {1, -1, 0, 0}, {1, 1, 2, 2}, {1, -1, 3, 1}, {2, 3, 0, 3}};
  for (const auto& c : cases) {
    auto a = Link(c.kind, c.page);
    EXPECT_EQ(a->ResolveTarget(d.canvas, a->Destination, c.shownOn).Page, c.slide)
        << c.kind << " " << c.page << " on " << c.shownOn;
  }
}

TEST(Annot, PDFAnnotationsOfEachKind) {
  Desk d;
  d.AppendPages({false, false, false, false});  // five slides
  auto jump = Link(0, -1), web = Link(2, 0, "www.example.com/a?b=1&c=(2)"),
       file = Link(3, 0, "C:\\talks\\next (2).pdf"), full = Link(2, 0, "mailto:me@example.com");
  jump->Destination.Zoom = 1.5;
  jump->Destination.Left = 7;
  jump->Destination.Top = -3;
  struct Case {
    TPDFAnnot& link;
    const char* action;
  } cases[] = {{*jump, "/Dest [12 0 R /XYZ 7 327 1.5]\n"},
               {*web, "/A<</S /URI /URI (http://www.example.com/a?b=1&c=\\(2\\))>>\n"},
               {*file, "/A<</S /GoToR /F (C:\\\\talks\\\\next \\(2\\).pdf)>>\n"},
               {*full, "/A<</S /URI /URI (mailto:me@example.com)>>\n"}};
  for (const auto& c : cases) {
    TPDFResources res;
    c.link.PDFResources(d.canvas, 40, res);
    ASSERT_EQ(res.size(), 1u);
    EXPECT_EQ(res[0].Category, "Annot");
    EXPECT_FALSE(res[0].Listed);
    EXPECT_EQ(res[0].Body, std::string(kRect) + c.action + ">>");
    EXPECT_EQ(d.PDF(c.link), "");
  }
  EXPECT_EQ(web->Target, "http://www.example.com/a?b=1&c=(2)");
  EXPECT_EQ(d.log, std::vector<std::string>(4, "Annotation at 40"));
}

TEST(Annot, RelativeJumpOnAMasterPageWritesOneAnnotationPerSlide) {
  Desk d;
  d.canvas.Pages()[0].IsMaster = true;
  d.AppendPages({false, false, false});  // master, slides 0..2
  auto next = Link(1, 1), first = Link(0, 0);
  d.canvas.SetPageIndexQuietly(0);
  TPDFResources res;
  next->PDFResources(d.canvas, 30, res);
  ASSERT_EQ(res.size(), 3u);
  const char* dests[] = {"/Dest [6 0 R", "/Dest [8 0 R", "/Dest [8 0 R"};
  for (int i = 0; i < 3; ++i) EXPECT_NE(res[i].Body.find(dests[i]), std::string::npos) << i;
  EXPECT_EQ(d.log, (std::vector<std::string>{"Annotation at 30", "Annotation at 31", "Annotation at 32"}));
  res.clear();
  first->PDFResources(d.canvas, 33, res);
  ASSERT_EQ(res.size(), 1u);
  for (int page = 0; page < 4; ++page) {
    TPDFSelection own, shared;
    next->PDFAnnots(page, own);
    first->PDFAnnots(page, shared);
    EXPECT_EQ(own, page ? TPDFSelection{29 + page} : TPDFSelection{}) << page;
    EXPECT_EQ(shared, page ? TPDFSelection{33} : TPDFSelection{}) << page;
  }
  // The SVG shows each slide's own target.
  d.canvas.SetPageIndexQuietly(2);
  EXPECT_NE(d.SVG(*next).find("onclick=\"evt.preventDefault();ChangePage(2)\""), std::string::npos);
}

TEST(Annot, MasterLinksOnlyReachSlidesThatUseTheMaster) {
  Desk d;
  d.canvas.Pages()[0].IsMaster = true;
  d.AppendPages({false, false, true, false});
  d.canvas.Pages()[1].UseMaster = false;
  auto next = Link(1, 1);
  d.canvas.SetPageIndexQuietly(0);
  TPDFResources res;
  next->PDFResources(d.canvas, 50, res);
  ASSERT_EQ(res.size(), 1u);
  TPDFSelection on2;
  next->PDFAnnots(2, on2);
  EXPECT_EQ(on2, TPDFSelection{50});
  d.canvas.Pages()[2].UseMaster = false;
  res.clear();
  next->PDFResources(d.canvas, 50, res);
  EXPECT_TRUE(res.empty());
  EXPECT_TRUE(next->AnnotPages.empty());
}

TEST(Annot, SVGElements) {
  Desk d;
  d.AppendPages({false, false});
  d.canvas.SetPageIndexQuietly(1);
  auto rel = Link(1, 1), web = Link(2, 0, "a.com/?x=1&y=\"2\"");
  EXPECT_EQ(d.SVG(*rel),
            "<a xlink:href=\"\"><rect stroke=\"none\" fill=\"none\" x=\"10\" y=\"20\" width=\"100\" "
            "height=\"50\" onclick=\"evt.preventDefault();ChangePage(2)\" pointer-events=\"visible\"/></a>");
  EXPECT_EQ(d.SVG(*web),
            "<a xlink:href=\"http://a.com/?x=1&amp;y=&quot;2&quot;\"><rect stroke=\"none\" fill=\"none\" "
            "x=\"10\" y=\"20\" width=\"100\" height=\"50\" pointer-events=\"visible\"/></a>");
}

TEST(Annot, ScreenDrawingByKind) {
  struct Case {
    int kind;
    bool attached;
    const char* pen;
    std::size_t lines;
  } cases[] = {{0, false, "pen 16711680 w1 solid copy", 2}, {1, true, "pen 16711680 w1 dotted copy", 0},
               {2, false, "pen 255 w1 solid copy", 2},      {3, true, "pen 32768 w1 dotted copy", 0}};
  for (const auto& c : cases) {
    Desk d;
    auto a = Link(c.kind, 0);
    a->Attached = c.attached;
    a->Draw(d.canvas);
    EXPECT_EQ(d.surface.Calls.front(), c.pen);
    EXPECT_EQ(d.surface.CallsStartingWith("line").size(), c.lines);
    EXPECT_EQ(d.surface.CallsStartingWith("rect"), std::vector<std::string>{"rect 10,20,111,71"});
  }
}

TEST(Annot, SavingAJumpDropsItsTargetInTheObjectToo) {
  auto a = Link(1, -2, "left over");
  a->Destination.Zoom = 2.5;
  std::string s = a->SaveToString();
  EXPECT_EQ(a->Target, "");
  TPDFAnnot back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(s));
  EXPECT_EQ(back.LinkKind, 1);
  EXPECT_EQ(back.Destination.Page, -2);
  EXPECT_EQ(back.Destination.Zoom, 2.5);
  EXPECT_EQ(back.SaveToString(), s);
}

TEST(Annot, DestinationOutOfRangeIsRefusedOrClamped) {
  auto a = Link(0, 40000);
  EXPECT_THROW(a->SaveToString(), SaveRangeError);
  a->Destination = {0, -40000, 0, 0};
  EXPECT_THROW(a->SaveToString(), SaveRangeError);
  a->Destination = {0, 0, 0, 20000};
  EXPECT_THROW(a->SaveToString(), SaveRangeError);
  a->SetDestination({40000, -40000, 32767, 20000});
  EXPECT_EQ(a->Destination.Page, 32767);
  EXPECT_EQ(a->Destination.Left, -32768);
  EXPECT_EQ(a->Destination.Zoom, 16777.215);
  TPDFAnnot back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(a->SaveToString()));
  EXPECT_EQ(back.Destination.Page, 32767);
  EXPECT_EQ(back.Destination.Left, -32768);
  EXPECT_EQ(back.Destination.Top, 32767);
  EXPECT_DOUBLE_EQ(back.Destination.Zoom, 16777.215);
}
