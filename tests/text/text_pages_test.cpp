// Jump tags follow the slides when slides are inserted, deleted or reordered.
#include <gtest/gtest.h>

#include "model/quarrion_canvas.h"
#include "text/text.h"

namespace {

// A document of `slides` slides with one text object on the first.
TPDFText& TextOnFirstSlide(TQuarrionCanvas& canvas, int slides, const std::string& text) {
  canvas.SetPageCount(slides);
  canvas.SetPageIndexQuietly(0);
  auto* t = static_cast<TPDFText*>(canvas.Add(std::make_unique<TPDFText>(0, 0, 100, 50)));
  t->SetText(text);
  return *t;
}

TEST(TextPages, JumpTagsFollowShiftedSlides) {
  struct Case {
    int slides, delta, fromPage;
    std::string before, after;
  } cases[] = {
      // Deleting slide 3 of 5.
      {5, -1, 2, "<jump page=4>a</jump> <jump page=3>b</jump> <jump page=2>c</jump>",
       "<jump page=3>a</jump> b <jump page=2>c</jump>"},
      // Inserting a slide at position 2.
      {5, +1, 1, "<jump page=2>a</jump><jump page=1>b</jump>", "<jump page=3>a</jump><jump page=1>b</jump>"},
      // Deleting slide 1: page 1 clamps to 1 and now leads to the former second slide.
      {5, -1, 0, "<jump page=1>x</jump>", "<jump page=1>x</jump>"},
      // Other attributes are kept, quoted; relative jumps, addresses and the last slide
      // are left alone.
      {5, +1, 0, "<JUMP Page=2 Target=\"new win\" x>t</jump>", "<jump page=3 target=\"new win\" x>t</jump>"},
      {5, +1, 0, "<jump page=2 type=relative>r</jump><jump href=\"a.htm\">h</jump><jump page=0>l</jump>",
       "<jump page=2 type=relative>r</jump><jump href=\"a.htm\">h</jump><jump page=0>l</jump>"},
      {5, +1, 0, "<jump page=x>n</jump>", "<jump page=x>n</jump>"},
      {5, +1, 4, "<jump page=5>y</jump>", "<jump page=5>y</jump>"},  // clamped to the page count
  };
  for (const auto& c : cases) {
    TQuarrionCanvas canvas;
    TPDFText& t = TextOnFirstSlide(canvas, c.slides, c.before);
    t.Dirty = false;
    canvas.BroadcastPagesShifted(c.delta, c.fromPage);
    EXPECT_EQ(t.Text(), c.after) << c.before;
    if (c.after != c.before) {
      EXPECT_TRUE(t.Dirty) << c.before;
    }
    // Tags always describe the current text.
    for (const auto& tag : t.Tags()) EXPECT_EQ(t.Text()[std::size_t(tag.StartPos)], '<');
  }
}

TEST(TextPages, JumpTagsFollowReorderedSlides) {
  TQuarrionCanvas canvas;
  TPDFText& t = TextOnFirstSlide(canvas, 4, "<jump page=1>a</jump><jump page=3 x=\"y\">b</jump><jump page=4>c</jump>"
                                            "<jump page=0>d</jump><jump page=2 type=relative>e</jump>");
  canvas.BroadcastPagesReordered({{1, 3}, {3, 1}, {1, 2}});
  EXPECT_EQ(t.Text(), "<jump page=3>a</jump><jump page=1 x=\"y\">b</jump><jump page=4>c</jump>"
                      "<jump page=0>d</jump><jump page=2 type=relative>e</jump>");
}

TEST(TextPages, LongTextWithManyJumpsIsRewrittenInOnePass) {
  TQuarrionCanvas canvas;
  std::string text, expected;
  for (int i = 0; i < 3000; ++i) {
    text += "<jump page=2>go</jump> ";
    expected += "<jump page=3>go</jump> ";
  }
  TPDFText& t = TextOnFirstSlide(canvas, 3, text);
  canvas.BroadcastPagesShifted(+1, 1);
  EXPECT_EQ(t.Text(), expected);
}

}  // namespace
