// Where a dropped stencil's objects land: the topmost object's top-left corner at the drop
// point, the others keeping their offsets from it.
#include <gtest/gtest.h>

#include "objects/rectangle.h"
#include "shell/stencil_placement.h"

namespace {
struct Box {
  int Left, Top, Right, Bottom;
};

TPDFObjects Boxes(std::initializer_list<Box> boxes) {
  TPDFObjects objects;
  for (const Box& b : boxes) objects.push_back(std::make_unique<TPDFRectangle>(b.Left, b.Top, b.Right, b.Bottom));
  return objects;
}

struct DropCase {
  const char* Name;
  std::vector<Box> Stencil;
  int X, Y;
  std::vector<Box> Expected;
};
}  // namespace

TEST(StencilPlacement, TopmostObjectLandsOnTheDropPoint) {
  const DropCase cases[] = {
      {"one object", {{0, 0, 100, 100}}, 50, 60, {{50, 60, 150, 160}}},
      {"topmost is the second object",
       {{30, 80, 60, 120}, {100, 50, 150, 90}},
       200, 100,
       {{130, 130, 160, 170}, {200, 100, 250, 140}}},
      {"tie on top: the first one is the reference",
       {{40, 10, 60, 30}, {0, 10, 20, 30}},
       100, 100,
       {{100, 100, 120, 120}, {60, 100, 80, 120}}},
      {"drop left of and above the stencil", {{100, 100, 140, 120}, {90, 130, 95, 135}}, 10, 20,
       {{10, 20, 50, 40}, {0, 50, 5, 55}}},
  };
  for (const DropCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPDFObjects stencil;
    for (const Box& b : c.Stencil) stencil.push_back(std::make_unique<TPDFRectangle>(b.Left, b.Top, b.Right, b.Bottom));
    const TStencilCopies copies = StencilCopiesAt(stencil, c.X, c.Y);
    ASSERT_EQ(copies.size(), c.Expected.size());
    for (std::size_t i = 0; i < copies.size(); ++i) {
      EXPECT_EQ(copies[i]->Left, c.Expected[i].Left) << i;
      EXPECT_EQ(copies[i]->Top, c.Expected[i].Top) << i;
      EXPECT_EQ(copies[i]->Right, c.Expected[i].Right) << i;
      EXPECT_EQ(copies[i]->Bottom, c.Expected[i].Bottom) << i;
    }
    // The stencil itself is left as it was.
    EXPECT_EQ(stencil[0]->Left, c.Stencil[0].Left);
  }
}

TEST(StencilPlacement, CopiesAreNewObjectsAtTheStoredPlaces) {
  const TPDFObjects stencil = Boxes({{5, 6, 7, 8}, {1, 2, 3, 4}});
  const TStencilCopies copies = StencilCopies(stencil);
  ASSERT_EQ(copies.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NE(copies[i].get(), stencil[i].get());
    EXPECT_EQ(copies[i]->ClassID(), ClassId::Rectangle);
    EXPECT_EQ(copies[i]->Left, stencil[i]->Left);
    EXPECT_EQ(copies[i]->Bottom, stencil[i]->Bottom);
  }
}
