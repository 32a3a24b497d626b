// The slide show's moves: keys, typed numbers, blank screens and the end of the show.
#include <gtest/gtest.h>

#include "model/quarrion_canvas.h"
#include "shell/show_navigator.h"

namespace {
using I = TShowInput;

struct Step {
  TShowInput Input;
  int Digit = 0;
};

struct NavigationCase {
  const char* Name;
  int Start;
  std::vector<Step> Steps;
  int Slide;  // expected slide afterwards
  TShowScreen Screen = TShowScreen::Slide;
  bool Ended = false;
};

// Five slides on pages 0, 2, 3, 5, 6 (masters at 1 and 4).
TShowNavigator FiveSlides(int start) { return TShowNavigator({0, 2, 3, 5, 6}, start); }
}  // namespace

TEST(ShowNavigator, MovesAsTheKeysAsk) {
  const NavigationCase cases[] = {
      {"next", 0, {{I::Next}}, 1},
      {"enter without a number is next", 1, {{I::Enter}}, 2},
      {"previous", 3, {{I::Previous}}, 2},
      {"next stays on the last slide", 4, {{I::Next}, {I::Next}}, 4},
      {"previous stays on the first slide", 0, {{I::Previous}}, 0},
      {"home", 3, {{I::First}}, 0},
      {"end", 1, {{I::Last}}, 4},
      {"typed number then enter", 0, {{I::Digit, 4}, {I::Enter}}, 3},
      {"two digits", 0, {{I::Digit, 0}, {I::Digit, 2}, {I::Enter}}, 1},
      {"a number beyond the deck is ignored", 2, {{I::Digit, 9}, {I::Enter}}, 2},
      {"zero is ignored", 2, {{I::Digit, 0}, {I::Enter}}, 2},
      {"another key drops the typed number", 0, {{I::Digit, 3}, {I::Next}, {I::Enter}}, 2},
      {"black", 2, {{I::Black}}, 2, TShowScreen::Black},
      {"white", 2, {{I::White}}, 2, TShowScreen::White},
      {"any key returns from black without moving", 2, {{I::Black}, {I::Next}}, 2},
      {"escape on a blank screen only returns", 2, {{I::White}, {I::End}}, 2},
      {"escape ends", 3, {{I::End}}, 3, TShowScreen::Slide, true},
      {"nothing moves after the end", 3, {{I::End}, {I::Next}}, 3, TShowScreen::Slide, true},
      {"start beyond the deck", 9, {}, 4},
  };
  for (const NavigationCase& c : cases) {
    TShowNavigator nav = FiveSlides(c.Start);
    for (const Step& step : c.Steps) nav.Press(step.Input, step.Digit);
    EXPECT_EQ(nav.Slide(), c.Slide) << c.Name;
    EXPECT_EQ(nav.Screen(), c.Screen) << c.Name;
    EXPECT_EQ(nav.Ended(), c.Ended) << c.Name;
  }
}

TEST(ShowNavigator, SlidesAreThePagesThatAreNotMasters) {
  TQuarrionCanvas doc;  // page 0
  doc.AddPage(1, true, true);   // master
  doc.AddPage(2, true, false);
  doc.AddPage(3, true, false);
  doc.AddPage(4, true, true);   // master at the end
  EXPECT_EQ(TShowNavigator::SlidePagesOf(doc), (std::vector<int>{0, 2, 3}));
  // page -> slide a show from that page starts at
  const std::pair<int, int> starts[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}};
  for (auto [page, slide] : starts) EXPECT_EQ(TShowNavigator::StartSlideFor(doc, page), slide) << page;
  TShowNavigator nav(TShowNavigator::SlidePagesOf(doc), 1);
  EXPECT_EQ(nav.PageIndex(), 2);
  nav.GoTo(7);
  EXPECT_EQ(nav.PageIndex(), 3);
}
