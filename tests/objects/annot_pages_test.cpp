// Absolute links follow the slides when slides are inserted, deleted or reordered.
#include <gtest/gtest.h>

#include "objects/annot.h"
#include "objects/object_fixture.h"

namespace {
std::unique_ptr<TPDFAnnot> JumpTo(int page) {
  auto a = std::make_unique<TPDFAnnot>(0, 0, 10, 10);
  a->Destination.Page = page;
  return a;
}

struct Deck : Desk {
  // Four slides; the links stand on `home`.
  explicit Deck(int home) {
    AppendPages({false, false, false});
    canvas.SetPage(home);
  }
  TPDFAnnot* Place(int page) { return static_cast<TPDFAnnot*>(canvas.Add(JumpTo(page))); }
  TPDFRectangle* Carrier(std::initializer_list<int> pages) {
    auto r = std::make_unique<TPDFRectangle>(0, 0, 50, 50);
    for (int p : pages) r->AddAnnot(JumpTo(p));
    return static_cast<TPDFRectangle*>(canvas.Add(std::move(r)));
  }
  static std::vector<int> Targets(const TPDFObject& o) {
    std::vector<int> t;
    for (const auto& a : o.Annots()) t.push_back(a->Destination.Page);
    return t;
  }
};
}  // namespace

TEST(AnnotPages, InsertAndDeleteRetargetAndDropLinks) {
  Deck d(0);
  TPDFAnnot *toTwo = d.Place(2), *toFirst = d.Place(0), *toLast = d.Place(-1);
  auto* carrier = d.Carrier({2, 3, -1});
  d.canvas.AddPage(1, true, false);
  d.canvas.BroadcastPagesShifted(+1, 1);
  EXPECT_EQ(toTwo->Destination.Page, 3);
  EXPECT_EQ(toFirst->Destination.Page, 0);
  EXPECT_EQ(toLast->Destination.Page, -1);
  EXPECT_EQ(Deck::Targets(*carrier), (std::vector<int>{3, 4, -1}));

  d.canvas.BroadcastPagesShifted(-1, 3);  // delete the slide at index 3
  d.canvas.RemovePage(3);
  EXPECT_EQ(toTwo->Destination.Page, 2);
  EXPECT_EQ(toLast->Destination.Page, -1);
  EXPECT_EQ(Deck::Targets(*carrier), (std::vector<int>{3, -1}));
}

TEST(AnnotPages, DeletingTheFirstSlideNeverLeadsToTheLast) {
  Deck d(1);
  TPDFAnnot* toFirst = d.Place(0);
  d.canvas.BroadcastPagesShifted(-1, 0);
  d.canvas.RemovePage(0);
  EXPECT_EQ(toFirst->Destination.Page, 0);
  EXPECT_EQ(toFirst->ResolveTarget(d.canvas, toFirst->Destination, 0).Page, 0);
}

TEST(AnnotPages, ReorderFollowsTheFirstMatchingSwap) {
  Deck d(0);
  TPDFAnnot *toTwo = d.Place(2), *toFirst = d.Place(0), *toOne = d.Place(1);
  auto* carrier = d.Carrier({2});
  toOne->LinkKind = 1;  // relative jumps do not follow
  d.canvas.BroadcastPagesReordered({{3, 1}, {1, 3}, {3, 4}});
  EXPECT_EQ(toTwo->Destination.Page, 0);
  EXPECT_EQ(toFirst->Destination.Page, 2);
  EXPECT_EQ(toOne->Destination.Page, 1);
  EXPECT_EQ(Deck::Targets(*carrier), std::vector<int>{0});
}

// An attached "last slide" link used to be dropped as if its slide had been deleted when
// the page before the first slide was removed.
TEST(AnnotPages, AttachedLastSlideLinksSurviveEveryDeletion) {
  Deck d(1);
  auto* carrier = d.Carrier({-1, 0});
  d.canvas.Pages()[0].IsMaster = true;  // the first page is now a master: A becomes -1
  d.canvas.BroadcastPagesShifted(-1, 0);
  d.canvas.RemovePage(0);
  EXPECT_EQ(Deck::Targets(*carrier), (std::vector<int>{-1, 0}));
}
