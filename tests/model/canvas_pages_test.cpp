// Pages, master pages, page numbering and the events they fire.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/rectangle.h"
#include "support/recording_host.h"

namespace {

// Records every event of a canvas in firing order.
struct EventLog {
  explicit EventLog(TQuarrionCanvas& c) {
    c.OnSelectionChanged = [this] { Events.push_back("selection"); };
    c.OnPageChanged = [this] { Events.push_back("page"); };
    c.OnDeleteObject = [this](TPDFObject&) { Events.push_back("delete"); };
    c.OnUndoChanged = [this] { Events.push_back("undo"); };
  }
  std::vector<std::string> Events;
  int Count(const std::string& e) const { return int(std::count(Events.begin(), Events.end(), e)); }
};

void SetMasters(TQuarrionCanvas& c, std::vector<bool> masters) {
  c.SetPageCount(int(masters.size()));
  for (std::size_t i = 0; i < masters.size(); ++i) c.Pages()[i].IsMaster = masters[i];
}

TEST(CanvasPages, NewCanvasHasOneUntitledSlide) {
  TQuarrionCanvas c;
  ASSERT_EQ(c.PageCount(), 1);
  const TPage& p = c.Pages()[0];
  EXPECT_EQ(p.Title, "New Slide");
  EXPECT_EQ(p.MinorEntry, "New Slide");
  EXPECT_EQ(p.MajorEntry, "");
  EXPECT_TRUE(p.UseMaster);
  EXPECT_FALSE(p.IsMaster);
  EXPECT_EQ(c.PageWidth, 432);
  EXPECT_EQ(c.PageHeight, 324);
  EXPECT_EQ(c.Tool(), TTool::tSelect);
}

TEST(CanvasPages, AddPageClampsIndexAndMakesItCurrent) {
  TQuarrionCanvas c;
  c.AddPage(1, true, false);
  ASSERT_EQ(c.PageCount(), 2);
  c.Pages()[0].Title = "first";
  c.AddPage(100, true, false);
  EXPECT_EQ(c.PageCount(), 3);
  EXPECT_EQ(c.Page(), 2);
  c.AddPage(-5, false, true);
  EXPECT_EQ(c.Page(), 0);
  EXPECT_TRUE(c.Pages()[0].IsMaster);
  EXPECT_FALSE(c.Pages()[0].UseMaster);
  EXPECT_EQ(c.Pages()[1].Title, "first");
}

TEST(CanvasPages, AddPageFiresSelectionThenPageThenSelection) {
  TQuarrionCanvas c;
  EventLog log(c);
  c.AddPage(1, true, false);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"undo", "selection", "page", "selection"}));
  log.Events.clear();
  c.EventsEnabled = false;
  c.AddPage(1, true, false);
  EXPECT_EQ(log.Count("page"), 0);
  EXPECT_EQ(log.Count("selection"), 0);
}

TEST(CanvasPages, RemovePageKeepsOrMovesTheCurrentPage) {
  struct Case {
    int current, removed, expected;
  } cases[] = {{0, 0, 0}, {3, 3, 2}, {2, 5, 2}, {4, 1, 3}, {1, 9, 1}};
  for (const auto& k : cases) {
    TQuarrionCanvas c;
    c.SetPageCount(6);
    c.SetPage(k.current);
    c.RemovePage(k.removed);
    EXPECT_EQ(c.Page(), k.expected) << "current " << k.current << " removed " << k.removed;
    EXPECT_EQ(c.PageCount(), k.removed < 6 ? 5 : 6);
  }
}

TEST(CanvasPages, RemovePageHandsEveryObjectToTheListenerAndRenumbersTheRest) {
  TQuarrionCanvas c;
  c.SetPageCount(3);
  for (int p = 0; p < 3; ++p) {
    c.SetPage(p);
    c.Add(std::make_unique<TPDFRectangle>(0, 0, 10, 10));
    c.Add(std::make_unique<TPDFRectangle>(0, 0, 10, 10));
  }
  EventLog log(c);
  c.RemovePage(1);
  EXPECT_EQ(log.Count("delete"), 2);
  ASSERT_EQ(c.PageCount(), 2);
  for (auto& obj : c.Pages()[1].Objects) EXPECT_EQ(obj->PageIndex, 1);
  EXPECT_EQ(log.Events.back(), "selection");
}

TEST(CanvasPages, PageCountGrowsAndShrinksWithoutEvents) {
  TQuarrionCanvas c;
  EventLog log(c);
  c.SetPageCount(4);
  EXPECT_EQ(c.PageCount(), 4);
  EXPECT_EQ(c.Page(), 3);
  c.SetPageCount(-2);
  EXPECT_EQ(c.PageCount(), 0);
  EXPECT_TRUE(c.EventsEnabled);
  EXPECT_EQ(log.Count("page"), 0);
}

TEST(CanvasPages, GrowingThePageCountAddsNewSlidesAndEndsTheHistory) {
  TQuarrionCanvas c;
  c.Undoable = true;
  c.Add(std::make_unique<TPDFRectangle>(0, 0, 10, 10));
  c.Add(std::make_unique<TPDFRectangle>(5, 5, 20, 20));
  c.AddToSelection(1);
  c.DeleteSelected();  // kept, marked deleted, for undo
  ASSERT_TRUE(c.UndoPossible());
  c.Pages()[0].Title = "First";
  c.SetPageCount(4);
  EXPECT_FALSE(c.UndoPossible());
  EXPECT_TRUE(c.Undoable);
  ASSERT_EQ(c.Pages()[0].Objects.size(), 1u) << "the deleted object goes with the history";
  EXPECT_EQ(c.Pages()[0].Title, "First");
  for (int p = 1; p < 4; ++p) {
    const TPage& page = c.Pages()[std::size_t(p)];
    EXPECT_EQ(page.Title, "New Slide");
    EXPECT_EQ(page.MinorEntry, "New Slide");
    EXPECT_TRUE(page.MajorEntry.empty());
    EXPECT_TRUE(page.UseMaster);
    EXPECT_FALSE(page.IsMaster);
    EXPECT_TRUE(page.Objects.empty());
  }
  EXPECT_TRUE(c.Selection().empty());
}

TEST(CanvasPages, AbsolutePagesAndMasterRule) {
  TQuarrionCanvas c;
  SetMasters(c, {false, true, false, false});
  EXPECT_EQ(c.GetAbsolutePage(0), 1);
  EXPECT_EQ(c.GetAbsolutePage(1), 1);
  EXPECT_EQ(c.GetAbsolutePage(2), 2);
  EXPECT_EQ(c.GetAbsolutePage(3), 3);
  EXPECT_EQ(c.GetAbsolutePage(4), -1);
  EXPECT_EQ(c.GetAbsolutePage(-1), -1);
  EXPECT_EQ(c.MasterShownBehind(0), -1);  // no master before it
  EXPECT_EQ(c.MasterShownBehind(1), -1);  // a master shows none behind itself
  EXPECT_EQ(c.MasterShownBehind(3), 1);
  c.Pages()[3].UseMaster = false;
  EXPECT_EQ(c.MasterShownBehind(3), -1);
  EXPECT_EQ(c.SlideCount(), 3);
  c.SetPage(2);
  EXPECT_EQ(c.AbsolutePage(), 2);
}

// Held or walked, the counts agree; a held table that no longer fits the pages is not
// trusted, and holding again inside a hold gives the outer table back at its end.
TEST(CanvasPages, MastersBeforeAPageWalkedOrHeld) {
  TQuarrionCanvas c;
  SetMasters(c, {true, false, false, true, false});
  const std::vector<int> expected = {0, 0, 1, 1, 1, 2, 2};  // pages -1 to 5
  auto check = [&](const char* when) {
    for (int page = -1; page <= 5; ++page)
      EXPECT_EQ(c.MastersBefore(page), expected[std::size_t(page + 1)]) << when << ", page " << page;
    EXPECT_EQ(c.SlideCount(), 3) << when;
  };
  check("walked");
  {
    TQuarrionCanvas::THeldPageCounts held(c);
    check("held");
    {
      TQuarrionCanvas::THeldPageCounts inner(c);
      check("held twice");
    }
    check("held, after the inner hold");
  }
  c.Pages()[0].IsMaster = false;
  EXPECT_EQ(c.MastersBefore(5), 1) << "after the hold";
  EXPECT_EQ(c.SlideCount(), 4);
  TQuarrionCanvas::THeldPageCounts held(c);
  c.AddPage(5, false, true);
  EXPECT_EQ(c.MastersBefore(6), 2) << "a page added while held";
  EXPECT_EQ(c.SlideCount(), 4);
}

TEST(CanvasPages, PageLabels) {
  TQuarrionCanvas c;
  SetMasters(c, {false, true, false, false});
  EXPECT_EQ(c.PageLabel(1, 1, 0), "X");
  EXPECT_EQ(c.PageLabel(3, 1, 1), "III");
  EXPECT_EQ(c.PageLabel(9, 1, 0), "??");
  EXPECT_EQ(c.PageLabel(-1, 1, 0), "??");
  EXPECT_EQ(c.PageLabel(2, 1, 0), "2");
  EXPECT_EQ(c.PageLabel(0, -3, 0), "-3");

  TQuarrionCanvas one;  // page 0 has absolute page 1, so N = offset
  struct Case {
    int offset, style;
    const char* text;
  } cases[] = {{400, 1, "CD"},   {1999, 1, "MCMXCIX"}, {4, 1, "IV"},  {3, 4, "c"},    {26, 3, "Z"},
               {27, 3, "AA"},    {28, 3, "AB"},       {52, 3, "AZ"}, {53, 4, "ba"},  {703, 3, "AAA"},
               {0, 1, ""},       {-4, 3, ""},         {9, 2, "ix"},  {3888, 1, "MMMDCCCLXXXVIII"},
               {90, 1, "XC"},    {44, 2, "xliv"}};
  for (const auto& k : cases)
    EXPECT_EQ(one.PageLabel(0, k.offset, k.style), k.text) << k.offset << " style " << k.style;
}

TEST(CanvasPages, ClearLeavesOneFreshPageAndKeepsTheObjectCounter) {
  RecordingHost host;
  TQuarrionCanvas c(&host);
  c.SetPageCount(3);
  c.Add(std::make_unique<TPDFRectangle>(0, 0, 10, 10));
  int next = c.NextObjectID;
  EventLog log(c);
  c.Clear();
  EXPECT_EQ(c.PageCount(), 1);
  EXPECT_TRUE(c.Pages()[0].Objects.empty());
  EXPECT_EQ(c.NextObjectID, next);
  EXPECT_EQ(log.Count("delete"), 1);
  EXPECT_EQ(log.Count("page"), 1);  // the page added after the count dropped to 0
  EXPECT_TRUE(c.PaintingEnabled);
  EXPECT_TRUE(c.EventsEnabled);
  EXPECT_FALSE(c.UndoPossible());
}

TEST(CanvasPages, ChangingThePageEmptiesTheSelection) {
  TQuarrionCanvas c;
  c.AddPage(1, true, false);
  c.Add(std::make_unique<TPDFRectangle>(0, 0, 10, 10));
  ASSERT_EQ(c.Selection().size(), 1u);
  c.SetPage(0);
  EXPECT_TRUE(c.Selection().empty());
}

TEST(CanvasPages, AttributesAreFoundWithOrWithoutCase) {
  TResources attrs = {{"Href", "a", ""}, {"href", "b", ""}, {"SIZE", "3", ""}};
  EXPECT_EQ(TQuarrionCanvas::FindAttribute(attrs, "href", true), 1);
  EXPECT_EQ(TQuarrionCanvas::FindAttribute(attrs, "href", false), 0);
  EXPECT_EQ(TQuarrionCanvas::FindAttribute(attrs, "size", true), -1);
  EXPECT_EQ(TQuarrionCanvas::GetAttribute(attrs, "size", false), "3");
  EXPECT_EQ(TQuarrionCanvas::GetAttribute(attrs, "colour", false), "");
}

}  // namespace
