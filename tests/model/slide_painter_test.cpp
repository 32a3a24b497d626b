// The routine that draws a page: what each mode leaves out, the order of background,
// master and page objects, the background gradient, and the page the text tags name when
// a canvas draws for another document or another page.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "model/slide_painter.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/guide.h"
#include "objects/rectangle.h"
#include "support/recording_host.h"
#include "text/text.h"

namespace {
constexpr TColor kPaper = 0x0A0B0C;
constexpr TColor kMasterFill = 0x010203;
constexpr TColor kBoxFill = 0x040506;
constexpr TColor kGuideColour = 0x070809;
constexpr TColor kPageLinkColour = 0xFF0000;  // how the editor marks a jump to a page
constexpr TColor kHandleColour = 0xFFFF00;

std::string PenOf(TColor c) { return "pen " + std::to_string(c); }
std::string BrushOf(TColor c) { return "brush " + std::to_string(c); }

// Position of the first call starting with `prefix`, or -1.
int FirstCall(const RecordingSurface& s, const std::string& prefix) {
  for (std::size_t i = 0; i < s.Calls.size(); ++i)
    if (s.Calls[i].rfind(prefix, 0) == 0) return int(i);
  return -1;
}

// The characters the text drawing put on the surface, in order.
std::string TextDrawn(const RecordingSurface& s) {
  std::string out;
  for (const std::string& c : s.CallsStartingWith("text ")) out += c.substr(c.rfind(' ') + 1);
  return out;
}

template <class T>
T* AddTo(TQuarrionCanvas& canvas, std::unique_ptr<T> obj) {
  return static_cast<T*>(canvas.Add(std::move(obj)));
}

// Master page 0 with a filled box; slide 1 with a box carrying a link, a guide and a
// free-standing link, the box selected.
void BuildDeck(TQuarrionCanvas& doc) {
  doc.DocumentInfo.Background = kPaper;
  doc.Pages()[0].IsMaster = true;
  AddTo(doc, std::make_unique<TPDFRectangle>(0, 0, 432, 30))->FillColour = kMasterFill;
  doc.AddPage(1, true, false);
  auto* box = AddTo(doc, std::make_unique<TPDFRectangle>(50, 50, 150, 100));
  box->FillColour = kBoxFill;
  auto attached = std::make_unique<TPDFAnnot>(60, 60, 140, 90);
  attached->Attached = true;
  box->AddAnnot(std::move(attached));
  AddTo(doc, std::make_unique<TPDFGuide>(200, 0, 200, 0))->Colour = kGuideColour;
  AddTo(doc, std::make_unique<TPDFAnnot>(300, 200, 400, 280));
  doc.ClearSelectionQuietly();
  doc.AddToSelection(0);
}

// A canvas that only serves as the place drawn on: one page unit per pixel.
void MakeView(TQuarrionCanvas& view, RecordingSurface& surface, TDrawContext context) {
  view.SetSecondCanvas(&surface);
  view.ZoomX = view.ZoomY = 1000;
  view.DrawContext = context;
}
}  // namespace

TEST(SlidePainter, ShowModeLeavesOutWhatOnlyTheEditorSees) {
  struct Case {
    TDrawMode mode;
    bool editorMarks;  // guide, link frames and selection marks
  } cases[] = {{TDrawMode::WorkArea, true}, {TDrawMode::Show, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.editorMarks ? "work area" : "show");
    TQuarrionCanvas doc, view;
    BuildDeck(doc);
    RecordingSurface surface;
    MakeView(view, surface, {c.mode, &doc, 1});
    TPageParts parts;
    parts.SelectionMarks = true;
    TSlidePainter(view).DrawPage(doc, 1, parts);

    EXPECT_EQ(FirstCall(surface, PenOf(kGuideColour)) >= 0, c.editorMarks);
    EXPECT_EQ(FirstCall(surface, PenOf(kPageLinkColour)) >= 0, c.editorMarks);
    EXPECT_EQ(FirstCall(surface, BrushOf(kHandleColour)) >= 0, c.editorMarks);
    // What the audience sees is there in both: background, then master, then the slide.
    const int paper = FirstCall(surface, BrushOf(kPaper));
    const int master = FirstCall(surface, BrushOf(kMasterFill));
    const int box = FirstCall(surface, BrushOf(kBoxFill));
    EXPECT_EQ(paper, FirstCall(surface, "brush"));
    EXPECT_NE(FirstCall(surface, "fill 0,0,432,324"), -1);
    EXPECT_LT(paper, master);
    EXPECT_LT(master, box);
  }
}

TEST(SlidePainter, OnlyTheCurrentPageHasASelection) {
  TQuarrionCanvas doc, view;
  BuildDeck(doc);
  doc.AddPage(2, true, false);
  AddTo(doc, std::make_unique<TPDFRectangle>(20, 200, 80, 250));
  doc.SetPage(1);
  doc.AddToSelection(0);
  RecordingSurface surface;
  MakeView(view, surface, {TDrawMode::WorkArea, &doc, 2});
  TPageParts parts;
  parts.SelectionMarks = true;
  // Index 0 is selected on page 1; page 2's first object is not.
  TSlidePainter(view).DrawPage(doc, 2, parts);
  EXPECT_NE(FirstCall(surface, "fill 20,200,80,250"), -1);
  EXPECT_EQ(FirstCall(surface, BrushOf(kHandleColour)), -1);
  EXPECT_NE(FirstCall(surface, BrushOf(kMasterFill)), -1);
  EXPECT_EQ(doc.Selection(), (TPDFSelection{0}));
}

TEST(SlidePainter, BackgroundGradientIsDrawnFromACopy) {
  TQuarrionCanvas doc, view;
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  gradient->End.X = 1;
  gradient->ObjectID = 42;
  TPDFGradient* g = gradient.get();
  doc.DocumentInfo.BackgroundGradient = std::move(gradient);
  doc.DocumentInfo.BackgroundIsGradient = true;
  RecordingSurface surface;
  MakeView(view, surface, {TDrawMode::Show, &doc, 0});
  TSlidePainter(view).DrawBackground(false);
  // The page is covered by the rendered gradient, not filled with a colour.
  EXPECT_NE(FirstCall(surface, "draw 0,0 432x324"), -1);
  EXPECT_EQ(FirstCall(surface, "fill 0,0,432,324"), -1);
  // The document's gradient keeps its owner, number and placement (none: it was never
  // placed on anything).
  ASSERT_EQ(doc.DocumentInfo.BackgroundGradient.get(), g);
  EXPECT_EQ(g->ObjectID, 42);
  EXPECT_EQ(g->Owner(), nullptr);
  EXPECT_EQ(g->Right, 0);
}

TEST(SlidePainter, TextTagsNameThePageDrawnFor) {
  // Pages: master, "Opening", "Middle", "Closing"; the master's text shows the number and
  // title of each slide it is drawn behind.
  TQuarrionCanvas doc, view;
  doc.Pages()[0].IsMaster = true;
  AddTo(doc, std::make_unique<TPDFText>(TTextFont{0, 12000, 0}, "<#page>/<#title>", 10, 10, 300, 40));
  const char* titles[] = {"Opening", "Middle", "Closing"};
  for (int i = 1; i <= 3; ++i) {
    doc.AddPage(i, true, false);
    doc.CurrentPage().Title = titles[i - 1];
  }
  doc.SetPage(1);
  struct Case {
    int page;
    std::string expected;
  } cases[] = {{1, "1/Opening"}, {3, "3/Closing"}, {2, "2/Middle"}};
  for (const Case& c : cases) {
    RecordingSurface surface;
    MakeView(view, surface, {TDrawMode::Show, &doc, c.page});
    TSlidePainter(view).DrawObjects(doc, c.page, TPageParts{});
    EXPECT_EQ(TextDrawn(surface), c.expected);
  }
  EXPECT_EQ(doc.Page(), 1);
}

TEST(SlidePainter, PreviewShowsTheMainDocumentsBackgroundAndPage) {
  TQuarrionCanvas main;
  main.DocumentInfo.Background = kPaper;
  main.CurrentPage().Title = "First";
  main.AddPage(1, true, false);
  main.CurrentPage().Title = "Second";
  main.AddPage(2, true, false);
  main.CurrentPage().Title = "Third";
  main.SetPage(1);

  RecordingHost host(432, 324);
  TQuarrionCanvas preview(&host);
  preview.DrawContext.Document = &main;
  AddTo(preview, std::make_unique<TPDFText>(TTextFont{0, 12000, 0}, "<#page> <#title>", 10, 10, 300, 40));
  preview.ClearSelectionQuietly();
  preview.Paint();
  EXPECT_NE(FirstCall(host.Control, BrushOf(kPaper)), -1);
  EXPECT_EQ(TextDrawn(host.Control), "2Second");  // blanks are not drawn

  // The preview follows the main work area to another page.
  main.SetPage(2);
  host.Control.Calls.clear();
  preview.Paint();
  EXPECT_EQ(TextDrawn(host.Control), "3Third");
}
