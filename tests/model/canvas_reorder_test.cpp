// The slide organiser's one call: pages move, links follow their slides, the current page
// stays current.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "text/text.h"

namespace {
// Pages titled by `titles`; a title starting with "M" makes a master page.
void MakePages(TQuarrionCanvas& canvas, const std::vector<std::string>& titles) {
  canvas.SetPageCount(int(titles.size()));
  for (std::size_t p = 0; p < titles.size(); ++p) {
    canvas.Pages()[p].Title = titles[p];
    canvas.Pages()[p].IsMaster = titles[p][0] == 'M';
  }
}

std::vector<std::string> Titles(const TQuarrionCanvas& canvas) {
  std::vector<std::string> t;
  for (const auto& page : canvas.Pages()) t.push_back(page.Title);
  return t;
}

// A link to the 0-based slide `slide`, standing on page `page`.
TPDFAnnot* LinkOn(TQuarrionCanvas& canvas, int page, int slide) {
  canvas.SetPageIndexQuietly(page);
  auto link = std::make_unique<TPDFAnnot>(0, 0, 10, 10);
  link->Destination.Page = slide;
  return static_cast<TPDFAnnot*>(canvas.Add(std::move(link)));
}
}  // namespace

TEST(CanvasReorder, MovingSlideThreeToTheFrontRemapsLinksAndKeepsTheCurrentPage) {
  TQuarrionCanvas canvas;
  MakePages(canvas, {"A", "B", "C", "D"});
  TPDFAnnot* toC = LinkOn(canvas, 0, 2);
  TPDFAnnot* toA = LinkOn(canvas, 3, 0);
  TPDFAnnot* toD = LinkOn(canvas, 1, 3);
  canvas.SetPageIndexQuietly(2);
  auto* jump = static_cast<TPDFText*>(canvas.Add(std::make_unique<TPDFText>(0, 0, 100, 50)));
  jump->SetText("<jump page=3>C</jump> <jump page=1>A</jump>");
  canvas.Undoable = true;
  canvas.DeleteSelected();  // an undo step that the reorder must drop
  canvas.Undo();
  ASSERT_TRUE(canvas.RedoPossible());
  canvas.SetPage(2);
  int pageChanges = 0;
  canvas.OnPageChanged = [&] { ++pageChanges; };

  ASSERT_TRUE(canvas.ReorderPages({2, 0, 1, 3}));
  EXPECT_EQ(Titles(canvas), (std::vector<std::string>{"C", "A", "B", "D"}));
  EXPECT_EQ(toC->Destination.Page, 0);
  EXPECT_EQ(toA->Destination.Page, 1);
  EXPECT_EQ(toD->Destination.Page, 3);
  EXPECT_EQ(jump->Text(), "<jump page=1>C</jump> <jump page=2>A</jump>");
  EXPECT_EQ(canvas.Page(), 0);
  EXPECT_EQ(canvas.CurrentPage().Title, "C");
  EXPECT_EQ(pageChanges, 1);
  EXPECT_FALSE(canvas.UndoPossible());
  EXPECT_FALSE(canvas.RedoPossible());
  // Every object knows its new page.
  for (int p = 0; p < canvas.PageCount(); ++p)
    for (const auto& obj : canvas.Pages()[std::size_t(p)].Objects) EXPECT_EQ(obj->PageIndex, p);
}

TEST(CanvasReorder, MasterPagesAreNotCountedAsSlides) {
  TQuarrionCanvas canvas;
  // Slides: A = 1, B = 2, C = 3; M is a master between them.
  MakePages(canvas, {"A", "M", "B", "C"});
  TPDFAnnot* toC = LinkOn(canvas, 0, 2);
  TPDFAnnot* toA = LinkOn(canvas, 2, 0);
  TPDFAnnot* toB = LinkOn(canvas, 3, 1);
  canvas.SetPage(1);
  ASSERT_TRUE(canvas.ReorderPages({3, 1, 0, 2}));  // C, M, A, B: slides C = 1, A = 2, B = 3
  EXPECT_EQ(Titles(canvas), (std::vector<std::string>{"C", "M", "A", "B"}));
  EXPECT_EQ(toC->Destination.Page, 0);
  EXPECT_EQ(toA->Destination.Page, 1);
  EXPECT_EQ(toB->Destination.Page, 2);
  EXPECT_EQ(canvas.CurrentPage().Title, "M");
}

TEST(CanvasReorder, AnOrderThatIsNotAPermutationChangesNothing) {
  const std::vector<std::vector<int>> refused = {
      {}, {0, 1}, {0, 1, 2, 2}, {0, 1, 2, 4}, {-1, 0, 1, 2}, {0, 1, 2, 3, 0}, {3, 3, 3, 3}};
  for (const auto& order : refused) {
    TQuarrionCanvas canvas;
    MakePages(canvas, {"A", "B", "C", "D"});
    TPDFAnnot* toC = LinkOn(canvas, 0, 2);
    canvas.Undoable = true;
    canvas.DeleteSelected();
    ASSERT_TRUE(canvas.UndoPossible());
    canvas.SetPage(1);
    int events = 0;
    canvas.OnPageChanged = [&] { ++events; };
    canvas.OnSelectionChanged = [&] { ++events; };
    EXPECT_FALSE(canvas.ReorderPages(order)) << order.size();
    EXPECT_EQ(Titles(canvas), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(toC->Destination.Page, 2);
    EXPECT_EQ(canvas.Page(), 1);
    EXPECT_TRUE(canvas.UndoPossible());
    EXPECT_EQ(events, 0);
  }
}

TEST(CanvasPageLimit, NoPageBeyondTheLimit) {
  TQuarrionCanvas canvas;
  canvas.SetPageCount(TQuarrionCanvas::MaxPages + 40);
  EXPECT_EQ(canvas.PageCount(), 255);
  canvas.SetPage(7);
  int events = 0;
  canvas.OnPageChanged = [&] { ++events; };
  EXPECT_FALSE(canvas.AddPage(3, true, false));
  EXPECT_EQ(canvas.PageCount(), 255);
  EXPECT_EQ(canvas.Page(), 7);
  EXPECT_EQ(events, 0);
  canvas.RemovePage(0);
  EXPECT_TRUE(canvas.AddPage(3, true, false));
  EXPECT_EQ(canvas.PageCount(), 255);
}
